-- The program refuses a database of another version.
INSERT INTO VER (BVERSION, PWD) VALUES ('3.21', '');

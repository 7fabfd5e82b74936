-- Shared tables: schema version and password, okrug settings, KATO classifier,
-- periods and slice headers, the KATO re-keying table.
-- Texts are VARCHAR in the database's default character set (UTF8).

CREATE TABLE VER (
    BVERSION  VARCHAR(10),
    PWD       VARCHAR(255)
);

CREATE TABLE KNIGA_PROPERTY (
    KATO      VARCHAR(10) NOT NULL,
    AKIM      VARCHAR(100),
    NAME_SO   VARCHAR(100),
    CONSTRAINT PK_KNIGA_PROPERTY PRIMARY KEY (KATO)
);

-- No unique key on KATO and no foreign keys towards this table: the
-- reference-book import empties and refills it with the IDs of the file.
CREATE TABLE KNIGA_KATO (
    ID        INTEGER NOT NULL,
    KATO      VARCHAR(10) NOT NULL,
    NAME      VARCHAR(100) NOT NULL,
    CONSTRAINT PK_KNIGA_KATO PRIMARY KEY (ID)
);

-- ID is the period index itself (0 = January 2012, odd = July), not generated.
CREATE TABLE PERIODS (
    ID           INTEGER NOT NULL,
    DATE_PERIOD  DATE,
    CONSTRAINT PK_PERIODS PRIMARY KEY (ID)
);

CREATE TABLE EXPORT_PERIOD (
    PERIOD       INTEGER NOT NULL,
    VERSION_N    INTEGER NOT NULL,
    ACTUAL_DATE  DATE NOT NULL,
    FILE_SEND    VARCHAR(2000),
    DATE_SEND    DATE,
    ISACTIVE     SMALLINT,        -- 1 = the version in force (type chosen: a flag like the others)
    CONSTRAINT PK_EXPORT_PERIOD PRIMARY KEY (PERIOD, VERSION_N),
    CONSTRAINT FK_EXPORT_PERIOD_PERIODS FOREIGN KEY (PERIOD) REFERENCES PERIODS (ID)
);

CREATE TABLE SPR_ITEM_KEYS (
    ID           INTEGER NOT NULL,
    OLD_ITEM_ID  INTEGER,
    NEW_ITEM_ID  INTEGER,
    KEY_ID       INTEGER,
    CONSTRAINT PK_SPR_ITEM_KEYS PRIMARY KEY (ID)
);

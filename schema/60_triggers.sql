-- Identifier generators and triggers, and the actuality dates kept by the database.
-- They are made from the catalogue so that every table gets the same rule and a
-- new table cannot be forgotten.

-- Card IDs of both books come from one generator (members draw from it too, as its
-- name says); every other table has its own.
CREATE SEQUENCE GEN_KPU_SRN_ID;

COMMIT;
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE t VARCHAR(63);
BEGIN
    FOR SELECT TRIM(r.RDB$RELATION_NAME)
          FROM RDB$RELATIONS r
         WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0
           AND r.RDB$VIEW_BLR IS NULL
           AND r.RDB$RELATION_NAME NOT IN ('KPU_CATAL', 'KFH_CATAL', 'KPU_SRN', 'PERIODS')
           AND EXISTS (SELECT 1 FROM RDB$RELATION_FIELDS f
                        WHERE f.RDB$RELATION_NAME = r.RDB$RELATION_NAME
                          AND f.RDB$FIELD_NAME = 'ID')
          INTO :t
    DO
        EXECUTE STATEMENT 'CREATE SEQUENCE GEN_' || t || '_ID';
END^
SET TERM ; ^
COMMIT;

-- BEFORE INSERT. Rows of the books (cards and their sections) always get the next
-- value of their generator: the database alone numbers them, so rows copied in
-- from another database with their old IDs cannot collide with existing ones.
-- Reference books, the classifier and the re-keying table keep an ID that is
-- given (the reference-book file carries them) and get one only when none is.
-- PERIODS is keyed by the period index and has no generator.
COMMIT;
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE t VARCHAR(63);
    DECLARE g VARCHAR(63);
    DECLARE assign VARCHAR(1000);
BEGIN
    FOR SELECT TRIM(r.RDB$RELATION_NAME)
          FROM RDB$RELATIONS r
         WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0
           AND r.RDB$VIEW_BLR IS NULL
           AND r.RDB$RELATION_NAME <> 'PERIODS'
           AND EXISTS (SELECT 1 FROM RDB$RELATION_FIELDS f
                        WHERE f.RDB$RELATION_NAME = r.RDB$RELATION_NAME
                          AND f.RDB$FIELD_NAME = 'ID')
          INTO :t
    DO
    BEGIN
        g = IIF(t IN ('KPU_CATAL', 'KFH_CATAL', 'KPU_SRN'), 'GEN_KPU_SRN_ID', 'GEN_' || t || '_ID');
        assign = 'NEW.ID = NEXT VALUE FOR ' || g || ';';
        IF (t IN ('KPU_CATAL', 'KPU_SRN', 'KPU_SRN2', 'KPU_RZHF', 'KPU_VTT', 'KPU_ZAKUP', 'KPU_DOPOL',
                  'ZEM', 'ZHIV', 'TEHNIKA', 'OBOR', 'POSTR_RAST', 'POSTR_ZHIV', 'TEPLITSY',
                  'KFH_CATAL', 'KFH_SOSTAV', 'KFH_MONEY', 'KFH_POSTR_TEH', 'KFH_POSTR_OIL')) THEN
            assign = 'BEGIN ' || assign || ' END';
        ELSE
            -- A given ID moves the generator past it, so that a later row
            -- without an ID never collides with one the file brought.
            assign = 'BEGIN IF (NEW.ID IS NULL) THEN ' || assign
                || ' ELSE IF (NEW.ID > GEN_ID(' || g || ', 0)) THEN NEW.ID = GEN_ID(' || g
                || ', NEW.ID - GEN_ID(' || g || ', 0)); END';
        EXECUTE STATEMENT
            'CREATE TRIGGER ' || t || '_BI FOR ' || t || ' ACTIVE BEFORE INSERT POSITION 0 AS ' || assign;
    END
END^
SET TERM ; ^
COMMIT;

-- DATE_ACTUAL / ACTUAL_DATE is the date of the last update: filled on insert when
-- the program gave none (an imported row keeps its own), and renewed on update
-- unless the program wrote a new value itself.
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE t VARCHAR(63);
    DECLARE c VARCHAR(63);
BEGIN
    FOR SELECT TRIM(f.RDB$RELATION_NAME), TRIM(f.RDB$FIELD_NAME)
          FROM RDB$RELATION_FIELDS f
          JOIN RDB$RELATIONS r ON r.RDB$RELATION_NAME = f.RDB$RELATION_NAME
         WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0
           AND r.RDB$VIEW_BLR IS NULL
           AND f.RDB$FIELD_NAME IN ('DATE_ACTUAL', 'ACTUAL_DATE')
           AND f.RDB$RELATION_NAME <> 'EXPORT_PERIOD'
          INTO :t, :c
    DO
        EXECUTE STATEMENT
            'CREATE TRIGGER ' || t || '_BIU_ACTUAL FOR ' || t
            || ' ACTIVE BEFORE INSERT OR UPDATE POSITION 1 AS BEGIN '
            || 'IF (INSERTING AND NEW.' || c || ' IS NULL) THEN NEW.' || c || ' = CURRENT_TIMESTAMP; '
            || 'IF (UPDATING AND NEW.' || c || ' IS NOT DISTINCT FROM OLD.' || c || ') THEN NEW.' || c || ' = CURRENT_TIMESTAMP; '
            || 'END';
END^
SET TERM ; ^
COMMIT;

-- Archive tables of the period slices: AR_ + live table name, the live columns in
-- the live order followed by EXPORT_ID (the period ID). The slice copies rows with
-- "select e.*, <period>", so the column lists must match the live tables exactly;
-- they are therefore built from the catalogue rather than written out twice.
COMMIT;
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE t VARCHAR(63);
    DECLARE col VARCHAR(63);
    DECLARE ftype SMALLINT;
    DECLARE fsub SMALLINT;
    DECLARE fscale SMALLINT;
    DECLARE fprec SMALLINT;
    DECLARE flen SMALLINT;
    DECLARE typ VARCHAR(100);
    DECLARE cols VARCHAR(32000) CHARACTER SET NONE;
BEGIN
    FOR SELECT TRIM(r.RDB$RELATION_NAME)
          FROM RDB$RELATIONS r
         WHERE r.RDB$RELATION_NAME IN ('KFH_CATAL', 'KFH_SOSTAV', 'KFH_MONEY', 'KFH_POSTR_TEH',
                                       'KFH_POSTR_OIL', 'KPU_CATAL', 'KPU_SRN', 'KPU_SRN2',
                                       'KPU_RZHF', 'KPU_DOPOL', 'KPU_VTT', 'KPU_ZAKUP', 'OBOR',
                                       'POSTR_RAST', 'POSTR_ZHIV', 'TEHNIKA', 'ZEM', 'ZHIV')
          INTO :t
    DO
    BEGIN
        cols = '';
        FOR SELECT TRIM(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, COALESCE(f.RDB$FIELD_SUB_TYPE, 0),
                   COALESCE(f.RDB$FIELD_SCALE, 0), COALESCE(f.RDB$FIELD_PRECISION, 0),
                   COALESCE(f.RDB$CHARACTER_LENGTH, 0)
              FROM RDB$RELATION_FIELDS rf
              JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE
             WHERE rf.RDB$RELATION_NAME = :t
             ORDER BY rf.RDB$FIELD_POSITION
              INTO :col, :ftype, :fsub, :fscale, :fprec, :flen
        DO
        BEGIN
            typ = DECODE(ftype, 7, 'SMALLINT', 8, 'INTEGER', 16, 'BIGINT',
                                10, 'FLOAT', 27, 'DOUBLE PRECISION',
                                12, 'DATE', 13, 'TIME', 35, 'TIMESTAMP',
                                14, 'CHAR(' || flen || ')', 37, 'VARCHAR(' || flen || ')',
                                261, 'BLOB SUB_TYPE ' || fsub);
            IF (ftype IN (7, 8, 16) AND (fscale < 0 OR fsub IN (1, 2))) THEN
                typ = 'NUMERIC(' || fprec || ',' || (-fscale) || ')';
            IF (col = 'ID') THEN
                typ = typ || ' NOT NULL';
            cols = cols || col || ' ' || typ || ', ';
        END
        EXECUTE STATEMENT 'CREATE TABLE AR_' || t || ' (' || cols
            || 'EXPORT_ID INTEGER NOT NULL, CONSTRAINT PK_AR_' || t || ' PRIMARY KEY (EXPORT_ID, ID))';
    END
END^
SET TERM ; ^
COMMIT;

-- Greenhouses are archived with a fixed column list; columns the live table may
-- gain later are not carried into the slice.
CREATE TABLE AR_TEPLITSY (
    ID           INTEGER NOT NULL,
    ID_CATAL     INTEGER,
    OVOSHEY      NUMERIC(18,2),
    CVETOV       NUMERIC(18,2),
    GRIBOV       NUMERIC(18,2),
    PROCHEE      NUMERIC(18,2),
    ACTUAL_DATE  DATE,
    OVOSHEY_V    INTEGER,
    CVETOV_V     INTEGER,
    GRIBOV_V     INTEGER,
    PROCHEE_V    SMALLINT,
    EXPORT_ID    INTEGER NOT NULL,
    CONSTRAINT PK_AR_TEPLITSY PRIMARY KEY (EXPORT_ID, ID)
);

-- The history of a card reads its slices by the link column.
SET TERM ^ ;
EXECUTE BLOCK AS
    DECLARE t VARCHAR(63);
    DECLARE c VARCHAR(63);
BEGIN
    FOR SELECT TRIM(f.RDB$RELATION_NAME), TRIM(f.RDB$FIELD_NAME)
          FROM RDB$RELATION_FIELDS f
         WHERE f.RDB$RELATION_NAME STARTING WITH 'AR_'
           AND f.RDB$FIELD_NAME IN ('ID_CATAL', 'ID_KPU_CATAL')
          INTO :t, :c
    DO
        EXECUTE STATEMENT 'CREATE INDEX IX_' || t || '_CATAL ON ' || t || ' (' || c || ')';
END^
SET TERM ; ^
COMMIT;

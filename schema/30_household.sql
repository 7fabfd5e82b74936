-- Household book: the card and its household-only sections.
-- Columns named DATE_ACTUAL / ACTUAL_DATE are kept by the database (see 60_triggers.sql).

-- ID comes from GEN_KPU_SRN_ID, shared with KFH_CATAL: a household and a farm
-- never share an ID, so the sections of both books need no book column.
CREATE TABLE KPU_CATAL (
    ID            INTEGER NOT NULL,
    LS            VARCHAR(25),
    LSKN          VARCHAR(150),
    AR            VARCHAR(100),
    AP            VARCHAR(100),
    STREET        VARCHAR(100),
    HOUSE         VARCHAR(100),
    FLAT          VARCHAR(100),
    IKD           VARCHAR(15),
    PHONE         VARCHAR(20),
    EMAIL         VARCHAR(100),
    KATO_ID       INTEGER NOT NULL,
    IS_DELETED    SMALLINT,
    DATE_DELETED  DATE,
    DATE_ACTUAL   TIMESTAMP,
    CONSTRAINT PK_KPU_CATAL PRIMARY KEY (ID)
);
CREATE INDEX IX_KPU_CATAL_KATO_LS ON KPU_CATAL (KATO_ID, LS);

CREATE TABLE KPU_SRN (
    ID            INTEGER NOT NULL,
    ID_KPU_CATAL  INTEGER NOT NULL,
    POR_NOM       INTEGER,
    FAM           VARCHAR(100),
    IM            VARCHAR(100),
    OT            VARCHAR(100),
    IIN           VARCHAR(18),
    SROGD_ID      INTEGER,
    POL_SPP_ID    INTEGER,
    KN_ID         INTEGER,
    DATE_R        DATE,
    DATE_SM       DATE,
    DATE_IN       DATE,
    DATE_OUT      DATE,
    SUODH_ID      INTEGER,
    PZ_ID         INTEGER,
    SID_ID        INTEGER,
    SID2_ID       INTEGER,
    SID3_ID       INTEGER,
    IS_TEMP       SMALLINT,
    IS_TEMP_OUT   SMALLINT,
    NUM_RODI      INTEGER,
    NUM_SUPR      INTEGER,
    DATE_F_BR     DATE,
    DATE_VD       DATE,
    DATE_RAZV     DATE,
    DATE_L_BR     DATE,
    SOOO_ID       INTEGER,
    DATE_ACTUAL   TIMESTAMP,
    CONSTRAINT PK_KPU_SRN PRIMARY KEY (ID),
    -- a card that still has members cannot be deleted
    CONSTRAINT FK_KPU_SRN_1 FOREIGN KEY (ID_KPU_CATAL) REFERENCES KPU_CATAL (ID)
);
CREATE INDEX IX_KPU_SRN_IIN ON KPU_SRN (IIN);

-- temporary residents
CREATE TABLE KPU_SRN2 (
    ID             INTEGER NOT NULL,
    ID_KPU_CATAL   INTEGER,
    FAM            VARCHAR(100),
    IM             VARCHAR(100),
    OT             VARCHAR(100),
    IIN            VARCHAR(12),
    SOSTBR_ID      INTEGER,
    POL_SPP_ID     INTEGER,
    DATE_R         DATE,
    SUODH_ID       INTEGER,
    SOOO_ID        INTEGER,
    PZ_ID          INTEGER,
    ADDRESS        VARCHAR(500),
    DATE_IN        DATE,
    ADDRESS_FROM   VARCHAR(500),
    VSK            VARCHAR(100),
    KOL_SK         INTEGER,
    KOL_SK_DOGODA  INTEGER,
    OTMETKA        VARCHAR(500),
    CONSTRAINT PK_KPU_SRN2 PRIMARY KEY (ID)
);
CREATE INDEX IX_KPU_SRN2_CATAL ON KPU_SRN2 (ID_KPU_CATAL);

-- housing conditions; amenity flags BL_* are 0/1 (INTEGER, as the forms bind them)
CREATE TABLE KPU_RZHF (
    ID                    INTEGER NOT NULL,
    ID_KPU_CATAL          INTEGER NOT NULL,
    IKD                   BIGINT,
    FLAT_ID               BIGINT,       -- its edit takes 16 digits, more than INTEGER holds
    AR                    VARCHAR(25),
    SPVOB_ID              INTEGER,
    IS_RETIRED            SMALLINT,
    HS_ID                 INTEGER,
    DATE_RETIRE           DATE,
    RETIRED_ID            INTEGER,
    VSZHP_ID              INTEGER,
    FULL_SQ               NUMERIC(18,2),
    LIVING_SQ             NUMERIC(18,2),
    KOL_KOMNAT            INTEGER,
    HW_ID                 INTEGER,
    DATE_ENTER            TIMESTAMP,
    BL_EL                 INTEGER,
    BL_VODOPR             INTEGER,
    BL_VODA_OUT_OF_HOUSE  INTEGER,
    BL_VODA_KOLODETC      INTEGER,
    BL_VODA_DELIVERY      INTEGER,
    BL_KANALI             INTEGER,
    BL_KANAL_OTHER        INTEGER,
    BL_OTOPL_TETS         INTEGER,
    BL_OTOPL_IND          INTEGER,
    BL_OTOPL_HARD         INTEGER,
    BL_OTOPL_LIQUID       INTEGER,
    BL_OTOPL_GAS          INTEGER,
    BL_OTOPL_PROCH        INTEGER,
    BL_OTOPL_AVTO         INTEGER,
    BL_OTOP_ELEC          INTEGER,
    BL_OTOPL_PROCH_SUN    INTEGER,
    BL_OTOPL_PROCH_WIND   INTEGER,
    BL_OTOPL_PROCH_OTH    INTEGER,
    BL_OTOPL_PROCH_VOZ    INTEGER,
    BL_PECH               INTEGER,
    BL_GORVODA            INTEGER,
    BL_GORVODA_IND        INTEGER,
    BL_VANNA              INTEGER,
    BL_EL_PLITA           INTEGER,
    BL_GAZ_PRIR           INTEGER,
    BL_GAZ_PRIV           INTEGER,
    DATE_ACTUAL           TIMESTAMP,
    CONSTRAINT PK_KPU_RZHF PRIMARY KEY (ID)
);
CREATE INDEX IX_KPU_RZHF_CATAL ON KPU_RZHF (ID_KPU_CATAL);
CREATE INDEX IX_KPU_RZHF_IKD ON KPU_RZHF (IKD);

-- trade premises
CREATE TABLE KPU_VTT (
    ID            INTEGER NOT NULL,
    ID_KPU_CATAL  INTEGER NOT NULL,
    SVTT_ID       INTEGER,
    KOL           INTEGER,
    TORG_SQ       NUMERIC(18,2),
    CONSTRAINT PK_KPU_VTT PRIMARY KEY (ID)
);
CREATE INDEX IX_KPU_VTT_CATAL ON KPU_VTT (ID_KPU_CATAL);

-- purchase centres (both books: ID_KPU_CATAL holds a household or a farm ID)
CREATE TABLE KPU_ZAKUP (
    ID            INTEGER NOT NULL,
    ID_KPU_CATAL  INTEGER NOT NULL,
    NAME          VARCHAR(500),
    ZERNO         NUMERIC(18,2),
    MASLYA        NUMERIC(18,2),
    OVOSHI        NUMERIC(18,2),
    PLODY         NUMERIC(18,2),
    MOLOKO        NUMERIC(18,2),
    MYASO         NUMERIC(18,2),
    SHKURY        NUMERIC(18,2),
    SHERST        NUMERIC(18,2),
    PROCHEE       NUMERIC(18,2),
    ACTUAL_DATE   TIMESTAMP,
    CONSTRAINT PK_KPU_ZAKUP PRIMARY KEY (ID)
);
CREATE INDEX IX_KPU_ZAKUP_CATAL ON KPU_ZAKUP (ID_KPU_CATAL);

-- additional information (both books)
CREATE TABLE KPU_DOPOL (
    ID            INTEGER NOT NULL,
    ID_KPU_CATAL  INTEGER NOT NULL,
    FIELD1        VARCHAR(500),
    FIELD2        VARCHAR(500),
    DATE_ACTUAL   TIMESTAMP,
    CONSTRAINT PK_KPU_DOPOL PRIMARY KEY (ID)
);
CREATE INDEX IX_KPU_DOPOL_CATAL ON KPU_DOPOL (ID_KPU_CATAL);

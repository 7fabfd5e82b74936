#include "db/TFDM.h"

#include "app/WorkContext.h"
#include "books/SectionRegistry.h"
#include "db/Connection.h"
#include "db/ReferenceLists.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

TFDM::TFDM(WorkContext &context, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_session(QString::fromLatin1(Connection::Main))
    , TKPUCatal(m_session, u"TKPUCatal"_s, this)
    , TKFHCatal(m_session, u"TKFHCatal"_s, this)
    , TKnigaKato(m_session, u"TKnigaKato"_s, this)
    , TKnigaProperty(m_session, u"TKnigaProperty"_s, this)
    , TVer(m_session, u"TVer"_s, this)
    , WorkQuery(m_session, u"WorkQuery"_s, this)
{
    TKPUCatal.setSelectSql(householdListSql(context.SortOrder));
    TKPUCatal.setStatements(StatementSet{
        u"insert into KPU_CATAL (DATE_DELETED, FLAT, HOUSE, IKD, IS_DELETED, KATO_ID, LS, LSKN, PHONE, STREET, AR, AP, EMAIL)"
        " values (:DATE_DELETED, :FLAT, :HOUSE, :IKD, :IS_DELETED, :KATO_ID, :LS, :LSKN, :PHONE, :STREET, :AR, :AP, :EMAIL)"
        " returning ID"_s,
        u"update KPU_CATAL set DATE_DELETED = :DATE_DELETED, FLAT = :FLAT, HOUSE = :HOUSE, IKD = :IKD,"
        " IS_DELETED = :IS_DELETED, KATO_ID = :KATO_ID, LS = :LS, LSKN = :LSKN, PHONE = :PHONE, STREET = :STREET,"
        " AR = :AR, AP = :AP, EMAIL = :EMAIL where ID = :OLD_ID"_s,
        u"delete from KPU_CATAL where ID = :OLD_ID"_s,
        u"select ID, LS, STREET, HOUSE, FLAT, IKD, LSKN, KATO_ID, PHONE, IS_DELETED, DATE_DELETED, AR, AP, EMAIL"
        " from KPU_CATAL where ID = :ID"_s});
    TKFHCatal.setSelectSql(u"select * from KFH_CATAL where kato_id=:KID order by kato_id,fio"_s);
    TKFHCatal.setStatements(StatementSet{
        u"insert into KFH_CATAL (ADDRESS_MAN, ADDRESS_PRIM, ADDRESS_SEC, BIN, DATE_DELETED, FIO, IIN, IS_DELETED,"
        " KATO_ID, N_LSKN, NAME, PRIM_OKED, RNN, SEC_OKED, SPR_SPP_ID, YEAR_FROM, PHONE)"
        " values (:ADDRESS_MAN, :ADDRESS_PRIM, :ADDRESS_SEC, :BIN, :DATE_DELETED, :FIO, :IIN, :IS_DELETED,"
        " :KATO_ID, :N_LSKN, :NAME, :PRIM_OKED, :RNN, :SEC_OKED, :SPR_SPP_ID, :YEAR_FROM, :PHONE) returning ID"_s,
        u"update KFH_CATAL set ADDRESS_MAN = :ADDRESS_MAN, ADDRESS_PRIM = :ADDRESS_PRIM, ADDRESS_SEC = :ADDRESS_SEC,"
        " BIN = :BIN, DATE_DELETED = :DATE_DELETED, FIO = :FIO, IIN = :IIN, IS_DELETED = :IS_DELETED,"
        " KATO_ID = :KATO_ID, N_LSKN = :N_LSKN, NAME = :NAME, PRIM_OKED = :PRIM_OKED, RNN = :RNN,"
        " SEC_OKED = :SEC_OKED, SPR_SPP_ID = :SPR_SPP_ID, YEAR_FROM = :YEAR_FROM, PHONE = :PHONE where ID = :OLD_ID"_s,
        u"delete from KFH_CATAL where ID = :OLD_ID"_s,
        u"select * from KFH_CATAL where ID = :ID"_s});
    TKnigaKato.setSelectSql(u"select * from KNIGA_KATO where\n"
                            "substring(kato FROM 1 FOR 6)=:AB\n"
                            "and substring(kato FROM 7 FOR 3)<>'000'"_s);
    TKnigaKato.setStatements(StatementSet{
        u"insert into KNIGA_KATO (KATO, NAME) values (:KATO, :NAME) returning ID"_s,
        u"update KNIGA_KATO set KATO = :KATO, NAME = :NAME where ID = :OLD_ID"_s,
        u"delete from KNIGA_KATO where ID = :OLD_ID"_s,
        u"select * from KNIGA_KATO where ID = :ID"_s});
    TKnigaProperty.setSelectSql(u"select  * from KNIGA_PROPERTY"_s);
    TKnigaProperty.setStatements(StatementSet{
        u"insert into KNIGA_PROPERTY (KATO, AKIM, NAME_SO) values (:KATO, :AKIM, :NAME_SO)"_s,
        u"update KNIGA_PROPERTY set KATO = :KATO, AKIM = :AKIM, NAME_SO = :NAME_SO where KATO = :OLD_KATO"_s,
        u"delete from KNIGA_PROPERTY where KATO = :OLD_KATO and AKIM is not distinct from :OLD_AKIM"
        " and NAME_SO is not distinct from :OLD_NAME_SO"_s,
        {}});
    TVer.setSelectSql(u"select * from ver"_s);

    for (const ReferenceListInfo &list : ReferenceLists::all()) {
        auto *ds = new Dataset(m_session, list.table, this);
        ds->setSelectSql(ReferenceLists::selectSql(list));
        m_references.insert(list.table, ds);
    }
    for (const SectionInfo &section : SectionRegistry::all()) {
        auto *ds = new Dataset(m_session, section.dataset, this);
        ds->setSelectSql(section.selectSql);
        m_sections.insert(section.dataset, ds);
    }
}

TFDM::~TFDM()
{
    disconnectDatabase();
}

void TFDM::connectDatabase(const QString &location)
{
    if (isConnected())
        return;
    QString error;
    if (!Connection::open(m_session.connectionName(), location, &error).isOpen())
        throw DatabaseError(error);

    // The sections' statements write the columns their tables have.
    QSqlQuery columns(m_session.database());
    columns.prepare(u"select trim(RDB$FIELD_NAME) from RDB$RELATION_FIELDS"
                    " where RDB$RELATION_NAME = ? order by RDB$FIELD_POSITION"_s);
    for (const SectionInfo &section : SectionRegistry::all()) {
        columns.addBindValue(section.table);
        if (!columns.exec())
            throw DatabaseError(columns.lastError());
        QStringList names;
        while (columns.next())
            names << columns.value(0).toString();
        m_sectionStatements.insert(section.dataset, SectionRegistry::statements(section, names));
        setSectionEditable(section.dataset, true);
    }
}

void TFDM::setSectionEditable(const QString &datasetName, bool editable)
{
    Dataset &ds = section(datasetName);
    if (editable && m_sectionStatements.contains(datasetName))
        ds.setStatements(m_sectionStatements.value(datasetName));
    else
        ds.setStatements(std::nullopt);
}

bool TFDM::isSectionEditable(const QString &datasetName) const
{
    const Dataset *ds = m_sections.value(datasetName);
    return ds && !ds->isReadOnly();
}

void TFDM::disconnectDatabase()
{
    Connection::close(m_session.connectionName());
}

bool TFDM::isConnected() const
{
    return QSqlDatabase::contains(m_session.connectionName())
           && QSqlDatabase::database(m_session.connectionName(), false).isOpen();
}

Dataset &TFDM::reference(const QString &table)
{
    Dataset *ds = m_references.value(table);
    Q_ASSERT_X(ds, "TFDM::reference", qPrintable(table));
    return *ds;
}

Dataset &TFDM::section(const QString &datasetName)
{
    Dataset *ds = m_sections.value(datasetName);
    Q_ASSERT_X(ds, "TFDM::section", qPrintable(datasetName));
    return *ds;
}

QString TFDM::householdListSql(int sortOrder)
{
    return u"select *\n  from KPU_CATAL\n where kato_id = :KID \n"_s
           + (sortOrder == 1 ? u" order by ls"_s : u" order by kato_id, street, house, flat"_s);
}

void TFDM::ChangeKato(int kid)
{
    ReadScope reads(m_session);
    TKPUCatal.setSelectSql(householdListSql(m_context.SortOrder));
    TKPUCatal.setParam(u"KID"_s, kid);
    TKPUCatal.open();
    TKFHCatal.close();
    TKFHCatal.setParam(u"KID"_s, kid);
    TKFHCatal.open();
}

void TFDM::RefreshKato(const QString &prefix)
{
    m_context.OkrugKatoPrefix = prefix;
    TKnigaKato.close();
    TKnigaKato.setParam(u"AB"_s, prefix.isEmpty() ? QVariant() : QVariant(prefix));
    TKnigaKato.open();
}

void TFDM::openListsAndSections()
{
    static const QStringList referencesFirst = {
        u"KFH_SPR_POSTR_TEH"_s, u"KFH_SPR_POSTR_OIL"_s, u"KPU_SPR_SPVOB"_s, u"KPU_SPR_SVTT"_s,
        u"KPU_SPR_VSZHP"_s, u"SPR_OBOR"_s, u"SPR_POSTR_RAST"_s, u"SPR_POSTR_ZHIV"_s,
        u"SPR_TEHNIKA"_s, u"KPU_SPR_HW"_s, u"KPU_SPR_SOSTBR"_s, u"KPU_SPR_SROGD"_s,
        u"KPU_SPR_KN"_s, u"KPU_SPR_SUODH"_s, u"KPU_SPR_SOOO"_s, u"KPU_SPR_PZ"_s, u"KPU_SPR_SID"_s,
    };
    static const QStringList sections = {
        u"TSRN"_s, u"TSRN2"_s, u"TRZHF"_s, u"TTeh"_s, u"TObor"_s, u"tPostrRast"_s,
        u"TPostrZhiv"_s, u"TTepl"_s, u"TVTT"_s, u"TZakup"_s, u"tDopol"_s, u"TZEM"_s, u"TZHIV"_s,
        u"TPostrTeh"_s, u"TPostrOil"_s, u"TSostav"_s, u"TMoney"_s,
    };
    static const QStringList referencesLast = {u"KPU_SPR_HS"_s, u"KPU_SPR_HR"_s};

    ReadScope reads(m_session);
    auto openIfClosed = [](Dataset &ds) {
        if (!ds.isActive())
            ds.open();
    };
    for (const QString &t : referencesFirst)
        openIfClosed(reference(t));
    for (const QString &s : sections)
        openIfClosed(section(s));
    for (const QString &t : referencesLast)
        openIfClosed(reference(t));
}

void TFDM::compsql(Dataset &query, const QString &sqlText)
{
    query.close();
    query.setSelectSql(sqlText);
    query.open();
}

namespace {

void execute(const QSqlDatabase &db, const SqlStatement &statement)
{
    QSqlQuery q(db);
    bool ok = q.prepare(statement.sql);
    if (ok) {
        for (const QVariant &v : statement.values)
            q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok)
        throw DatabaseError(q.lastError().text(), q.lastError().nativeErrorCode());
}

} // namespace

void TFDM::runScript(const QList<SqlStatement> &statements)
{
    Operation op(m_session);
    for (const SqlStatement &statement : statements)
        execute(m_session.database(), statement);
    op.commit();
}

void TFDM::execSql(const SqlStatement &statement)
{
    Operation op(m_session);
    execute(m_session.database(), statement);
    op.commit();
}

#include "support/HouseholdBookFixture.h"

#include "books/SectionLink.h"
#include "books/household/HouseholdCard.h"
#include "db/TFDM.h"
#include "support/TestSql.h"

using namespace Qt::StringLiterals;

HouseholdBookFixture::HouseholdBookFixture()
    : m_tdb(std::make_unique<TestDatabase>())
{
    if (!m_tdb->isOpen())
        return;
    const QString prefix = okrugPrefix(m_tdb->db());
    m_tdb->close();

    m_port = std::make_unique<ScriptedPromptPort>();
    m_fdm = std::make_unique<TFDM>(m_context);
    m_fdm->connectDatabase(m_tdb->path());
    m_fdm->RefreshKato(prefix);
    m_context.SettlementId = m_fdm->TKnigaKato.value(u"ID"_s).toInt();

    auto card = std::make_unique<HouseholdCard>(*m_fdm, m_context, *m_port);
    card->install();
    card->setBookOpen(true);
    installCardDeletion(*m_fdm, *m_port);
    SectionLink::installDefaults(*m_fdm, *m_port, [] { return Book::Household; });
    m_card = std::move(card);
}

HouseholdBookFixture::~HouseholdBookFixture()
{
    m_card.reset();
    m_fdm.reset();
    m_port.reset();
    m_tdb.reset();
}

void HouseholdBookFixture::open(Sections sections)
{
    if (sections == Sections::Open)
        m_fdm->openListsAndSections();
    m_fdm->ChangeKato(m_context.SettlementId);
}

Dataset &HouseholdBookFixture::list()
{
    return m_fdm->TKPUCatal;
}

QSqlDatabase HouseholdBookFixture::db()
{
    return m_fdm->session().database();
}

int HouseholdBookFixture::newCard(const QString &ls, const CardAddress &address)
{
    list().append();
    list().setValue(u"LS"_s, ls);
    list().setValue(u"STREET"_s, address.street);
    list().setValue(u"HOUSE"_s, address.house);
    if (!address.flat.isEmpty())
        list().setValue(u"FLAT"_s, address.flat);
    list().post();
    return TestSql::scalar(db(), u"select max(ID) from KPU_CATAL where LS = ?"_s, {ls}).toInt();
}

int HouseholdBookFixture::newCurrentCard(const QString &ls, const CardAddress &address)
{
    const int id = newCard(ls, address);
    if (list().value(u"ID"_s).toInt() != id)
        qFatal("the list does not stand on the new card");
    return id;
}

QString HouseholdBookFixture::okrugPrefix(const QSqlDatabase &db)
{
    return TestSql::scalar(db, u"select KATO from KNIGA_PROPERTY"_s).toString().left(6);
}

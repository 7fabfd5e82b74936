#include "app/AppException.h"
#include "app/BookPages.h"
#include "app/Catalog.h"
#include "app/PeriodList.h"
#include "app/TForm1.h"
#include "app/WorkContext.h"
#include "books/SectionLink.h"
#include "books/household/HouseholdCard.h"
#include "books/household/HouseholdCardPage.h"
#include "books/household/Housing.h"
#include "books/household/HousingPage.h"
#include "db/Decimal.h"
#include "db/TFDM.h"
#include "support/HouseholdBookFixture.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace TestSql;
using Button = PromptPort::Button;
using Changes = QVariantMap; // column -> value; an invalid QVariant clears the column

namespace {

const QString EmptyHouse = u"Дом «пустующий или бесхозный»"_s;
const QString LeftHouse = u"Дом «выбыл»"_s;

// A housing row every rule accepts, without notices: three rooms, 40 of 60 m²
// lived in, a lived-in house of a type other than the one-flat house.
const Changes ValidRow = {
    {u"IKD"_s, 1234567890123456LL}, {u"SPVOB_ID"_s, 4},     {u"VSZHP_ID"_s, 19145}, {u"HW_ID"_s, 1},
    {u"KOL_KOMNAT"_s, 3},           {u"LIVING_SQ"_s, u"40"_s}, {u"FULL_SQ"_s, u"60"_s}, {u"IS_RETIRED"_s, 0},
    {u"HS_ID"_s, 580},
};

// The household sections other than housing, as the removal empties them.
QList<SectionInfo> otherHouseholdSections()
{
    QList<SectionInfo> sections;
    for (const SectionInfo &section : SectionRegistry::all()) {
        if (section.servesBook(Book::Household) && section.table != u"KPU_RZHF"_s)
            sections.append(section);
    }
    return sections;
}

void apply(Dataset &row, const Changes &changes)
{
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        row.setValue(it.key(), it.value());
}

} // namespace

// The housing rules over the demo okrug, driven through the data module's
// housing dataset as the housing page drives it.
class TestHousing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveRules_data();
    void saveRules();
    void savedRowBelongsToTheHousehold();
    void removalEmptiesTheOtherSections_data();
    void removalEmptiesTheOtherSections();
    void removalAnsweredNoSavesNothing();
    void backToLivedInClearsTheHouseStatus();
    void failedRemovalLeavesEverything();
    void oneFlatHouseSetsTheCardsFlat();
    void amenityGroups_data();
    void amenityGroups();
    void situationSwitch_data();
    void situationSwitch();
    void areasShownWithOneDecimal();
    void mainWindowLocksTheFlatEditAndFollowsTheRemoval();

private:
    Dataset &list() { return m_book->list(); }
    Dataset &housing() { return m_book->fdm().section(u"TRZHF"_s); }
    QSqlDatabase db() { return m_book->db(); }
    int newCard(const QString &ls) { return m_book->newCurrentCard(ls, {u"УЛ. ЖИЛИЩНАЯ"_s, u"5"_s, u"12"_s}); }
    // A card with a lived-in housing row and one row in every other section.
    int cardWithAllSections(const QString &ls);
    int sectionRows(const QVariant &cardId);

    std::unique_ptr<HouseholdBookFixture> m_book;
    std::unique_ptr<Housing> m_housing;
};

void TestHousing::init()
{
    m_book = std::make_unique<HouseholdBookFixture>();
    QVERIFY2(m_book->isReady(), qPrintable(m_book->errorString()));
    m_housing = std::make_unique<Housing>(m_book->fdm(), m_book->card(), m_book->port());
    m_housing->install();
    m_book->open();
    QVERIFY(list().recordCount() > 1);
}

void TestHousing::cleanup()
{
    m_housing.reset();
    m_book.reset();
}

int TestHousing::cardWithAllSections(const QString &ls)
{
    const int id = newCard(ls);
    run(db(), u"insert into KPU_RZHF (ID_KPU_CATAL, IKD, SPVOB_ID, VSZHP_ID, HW_ID, KOL_KOMNAT, LIVING_SQ, FULL_SQ,"
              " IS_RETIRED, HS_ID) values (?, 1234567890123456, 4, 19145, 1, 3, 40, 60, 0, 580)"_s,
        {id});
    // Columns a row cannot go without besides its link: a kind from the reference book.
    static const QHash<QString, QString> kinds = {{u"TEHNIKA"_s, u"SPR_TEHNIKA"_s},
                                                  {u"OBOR"_s, u"SPR_OBOR"_s},
                                                  {u"POSTR_RAST"_s, u"SPR_POSTR_RAST"_s},
                                                  {u"POSTR_ZHIV"_s, u"SPR_POSTR_ZHIV"_s}};
    for (const SectionInfo &section : otherHouseholdSections()) {
        const QString kind = kinds.value(section.table);
        if (kind.isEmpty()) {
            run(db(), u"insert into %1 (%2) values (?)"_s.arg(section.table, section.linkColumn), {id});
        } else {
            run(db(), u"insert into %1 (%2, %3_ID) select ?, min(ID) from %3"_s.arg(section.table,
                                                                                   section.linkColumn, kind),
                {id});
        }
    }
    list().runAfterScroll(); // the sections show the rows
    return id;
}

int TestHousing::sectionRows(const QVariant &cardId)
{
    int rows = 0;
    for (const SectionInfo &section : otherHouseholdSections())
        rows += scalar(db(), u"select count(*) from %1 where %2 = ?"_s.arg(section.table, section.linkColumn), {cardId})
                    .toInt();
    return rows;
}

void TestHousing::saveRules_data()
{
    QTest::addColumn<Changes>("changes");   // on top of ValidRow
    QTest::addColumn<QStringList>("shown"); // every message, in order
    QTest::addColumn<bool>("saved");

    const QString required = catalog(u"RZHFOBPOL1"_s) + u"\r\n"_s + catalog(u"RZHFOBPOL2"_s);
    const QString areas = u"Общая площадь должна быть больше или равно жилой площади"_s;
    const QString gas = u"Допустимо заполнение только одного поля, если есть газ сетевой (природный) или газ"
                        " сжиженный (в баллонах), то не должно быть электроплиты напольной и наоборот!"_s;
    const QString noSituation = u"Жилищные условия. Не указана ситуация дома."_s;
    const QString noRetirement = u"Жилищные условия. Не указана дата или причина выбытия."_s;
    const QVariant null;
    const QDate date(2020, 3, 1);

    QTest::newRow("all filled") << Changes{} << QStringList{} << true;
    QTest::newRow("no house code") << Changes{{u"IKD"_s, null}} << QStringList{required} << false;
    QTest::newRow("no dwelling type") << Changes{{u"SPVOB_ID"_s, null}} << QStringList{required} << false;
    QTest::newRow("no ownership") << Changes{{u"VSZHP_ID"_s, null}} << QStringList{required} << false;
    QTest::newRow("no wall material") << Changes{{u"HW_ID"_s, null}} << QStringList{required} << false;
    QTest::newRow("no rooms") << Changes{{u"KOL_KOMNAT"_s, null}} << QStringList{required} << false;
    QTest::newRow("rooms 0") << Changes{{u"KOL_KOMNAT"_s, 0}} << QStringList{required} << false;
    QTest::newRow("living area 0") << Changes{{u"LIVING_SQ"_s, u"0"_s}} << QStringList{required} << false;
    QTest::newRow("no total area") << Changes{{u"FULL_SQ"_s, null}} << QStringList{required} << false;
    QTest::newRow("required before areas")
        << Changes{{u"IKD"_s, null}, {u"LIVING_SQ"_s, u"61"_s}} << QStringList{required} << false;

    QTest::newRow("living 61, total 60")
        << Changes{{u"LIVING_SQ"_s, u"61"_s}} << QStringList{areas} << false;
    QTest::newRow("living 60, total 60") << Changes{{u"LIVING_SQ"_s, u"60"_s}} << QStringList{} << true;
    QTest::newRow("living 60.01, total 60")
        << Changes{{u"LIVING_SQ"_s, u"60.01"_s}} << QStringList{areas} << false;
    QTest::newRow("living 0.3, total 0.30")
        << Changes{{u"KOL_KOMNAT"_s, 9}, {u"LIVING_SQ"_s, u"0.3"_s}, {u"FULL_SQ"_s, u"0.30"_s}}
        << QStringList{catalog(u"rzhf_5kom"_s)} << true;

    QTest::newRow("lived in without situation")
        << Changes{{u"HS_ID"_s, null}} << QStringList{noSituation} << false;
    QTest::newRow("no situation at all")
        << Changes{{u"IS_RETIRED"_s, null}, {u"HS_ID"_s, null}} << QStringList{noSituation} << false;
    QTest::newRow("left without reason")
        << Changes{{u"IS_RETIRED"_s, 1}, {u"HS_ID"_s, null}, {u"DATE_RETIRE"_s, date}}
        << QStringList{noRetirement} << false;
    QTest::newRow("left without date")
        << Changes{{u"IS_RETIRED"_s, 1}, {u"HS_ID"_s, null}, {u"RETIRED_ID"_s, 1}} << QStringList{noRetirement}
        << false;

    auto rooms = [](int count, const QString &living, const QString &total) {
        return Changes{{u"KOL_KOMNAT"_s, count}, {u"LIVING_SQ"_s, living}, {u"FULL_SQ"_s, total}};
    };
    QTest::newRow("2 rooms, living 10 of 60") << rooms(2, u"10"_s, u"60"_s) << QStringList{catalog(u"rzhf_2kom"_s)}
                                              << true;
    QTest::newRow("2 rooms, living 11 of 250") << rooms(2, u"11"_s, u"250"_s) << QStringList{} << true;
    QTest::newRow("1 room, living 4.99") << rooms(1, u"4.99"_s, u"30"_s) << QStringList{catalog(u"rzhf_1kom"_s)}
                                         << true;
    QTest::newRow("1 room, 5 of 150") << rooms(1, u"5"_s, u"150"_s) << QStringList{} << true;
    QTest::newRow("1 room, total 150.01") << rooms(1, u"20"_s, u"150.01"_s)
                                          << QStringList{catalog(u"rzhf_1kom"_s)} << true;
    QTest::newRow("3 rooms, living 15") << rooms(3, u"15"_s, u"60"_s) << QStringList{catalog(u"rzhf_3kom"_s)}
                                        << true;
    QTest::newRow("3 rooms, total 401") << rooms(3, u"40"_s, u"401"_s) << QStringList{catalog(u"rzhf_3kom"_s)}
                                        << true;
    QTest::newRow("4 rooms, total 701") << rooms(4, u"40"_s, u"701"_s) << QStringList{catalog(u"rzhf_4kom"_s)}
                                        << true;
    QTest::newRow("4 rooms, living 27.9") << rooms(4, u"27.9"_s, u"80"_s)
                                          << QStringList{catalog(u"rzhf_4kom"_s)} << true;
    QTest::newRow("5 rooms, living 35") << rooms(5, u"35"_s, u"100"_s) << QStringList{catalog(u"rzhf_5kom"_s)}
                                        << true;
    QTest::newRow("7 rooms, total 5001") << rooms(7, u"100"_s, u"5001"_s)
                                         << QStringList{catalog(u"rzhf_5kom"_s)} << true;
    QTest::newRow("7 rooms, 36 of 5000") << rooms(7, u"36"_s, u"5000"_s) << QStringList{} << true;
    QTest::newRow("areas rule before the notices")
        << rooms(2, u"61"_s, u"60"_s) << QStringList{areas} << false;

    QTest::newRow("network gas with floor cooker")
        << Changes{{u"BL_GAZ_PRIR"_s, 1}, {u"BL_EL_PLITA"_s, 1}} << QStringList{gas} << false;
    QTest::newRow("liquefied gas with floor cooker")
        << Changes{{u"BL_GAZ_PRIV"_s, 1}, {u"BL_EL_PLITA"_s, 1}} << QStringList{gas} << false;
    QTest::newRow("floor cooker alone") << Changes{{u"BL_EL_PLITA"_s, 1}} << QStringList{} << true;
    QTest::newRow("network gas alone") << Changes{{u"BL_GAZ_PRIR"_s, 1}} << QStringList{} << true;
    QTest::newRow("notice before the gas rule")
        << Changes{{u"KOL_KOMNAT"_s, 2}, {u"LIVING_SQ"_s, u"10"_s}, {u"BL_GAZ_PRIV"_s, 1}, {u"BL_EL_PLITA"_s, 1}}
        << QStringList{catalog(u"rzhf_2kom"_s), gas} << false;
}

void TestHousing::saveRules()
{
    QFETCH(Changes, changes);
    QFETCH(QStringList, shown);
    QFETCH(bool, saved);

    const int card = newCard(u"770001"_s);
    housing().append();
    apply(housing(), ValidRow);
    apply(housing(), changes);

    QCOMPARE(guarded(m_book->port(), [&] { housing().post(); }), saved);
    QCOMPARE(m_book->port().texts(), shown);
    const int stored = scalar(db(), u"select count(*) from KPU_RZHF where ID_KPU_CATAL = ?"_s, {card}).toInt();
    if (saved) {
        QCOMPARE(stored, 1);
        QCOMPARE(housing().state(), DatasetState::Browse);
        return;
    }
    QCOMPARE(stored, 0);
    QCOMPARE(housing().state(), DatasetState::Insert); // the input stays
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value().isValid() && it.value().metaType().id() != QMetaType::QString)
            QCOMPARE(housing().value(it.key()).toString(), it.value().toString());
    }
}

void TestHousing::savedRowBelongsToTheHousehold()
{
    const int card = newCard(u"770002"_s);
    housing().append();
    apply(housing(), ValidRow);
    housing().setValue(u"ID_KPU_CATAL"_s, 1); // whatever it held, the household's ID wins
    housing().post();
    QCOMPARE(scalar(db(), u"select count(*) from KPU_RZHF where ID_KPU_CATAL = ?"_s, {card}).toInt(), 1);
    QCOMPARE(housing().recordCount(), 1); // reread for the card
    QCOMPARE(housing().value(u"ID_KPU_CATAL"_s).toInt(), card);
    QCOMPARE(list().state(), DatasetState::Browse); // no rule put the card into editing
    QCOMPARE(scalar(db(), u"select FLAT from KPU_CATAL where ID = ?"_s, {card}).toString(), u"12"_s);
}

void TestHousing::removalEmptiesTheOtherSections_data()
{
    QTest::addColumn<Changes>("situation");
    QTest::addColumn<QString>("houseStatus");

    QTest::newRow("empty or abandoned") << Changes{{u"HS_ID"_s, Housing::EmptyHouseSituation}} << EmptyHouse;
    QTest::newRow("left the register")
        << Changes{{u"IS_RETIRED"_s, 1}, {u"DATE_RETIRE"_s, QDate(2021, 6, 30)}, {u"RETIRED_ID"_s, 1}} << LeftHouse;
}

void TestHousing::removalEmptiesTheOtherSections()
{
    QFETCH(Changes, situation);
    QFETCH(QString, houseStatus);

    const QVariant other = scalar(db(), u"select first 1 c.ID from KPU_CATAL c where c.KATO_ID = ?"
                                        " and exists (select 1 from KPU_SRN s where s.ID_KPU_CATAL = c.ID)"
                                        " and exists (select 1 from ZEM z where z.ID_CATAL = c.ID)"_s,
                                  {m_book->context().SettlementId});
    const int otherRows = sectionRows(other);
    const int card = cardWithAllSections(u"770003"_s);
    QCOMPARE(sectionRows(card), otherHouseholdSections().size());
    QCOMPARE(m_book->fdm().section(u"TSRN"_s).recordCount(), 1);
    QCOMPARE(m_book->card().state().houseStatus, QString());
    QSignalSpy pagesChanged(m_housing.get(), &Housing::pagesChanged);

    m_book->port().answer(Button::Yes);
    housing().edit();
    apply(housing(), situation);
    housing().post();

    QCOMPARE(m_book->port().texts(),
             QStringList{u"Вы действительно хотите удалить все данные домашнего хозяйства с лицевым счетом № 770003,"
                         " кроме жилищных условий?"_s});
    QCOMPARE(sectionRows(card), 0);
    QCOMPARE(sectionRows(other), otherRows); // another household keeps its rows
    QCOMPARE(scalar(db(), u"select count(*) from KPU_RZHF where ID_KPU_CATAL = ?"_s, {card}).toInt(), 1);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {card}).toInt(), 1);
    QCOMPARE(list().state(), DatasetState::Browse); // the card was saved
    QCOMPARE(pagesChanged.size(), 1);
    QCOMPARE(m_book->fdm().section(u"TSRN"_s).recordCount(), 0);
    QCOMPARE(m_book->fdm().section(u"TZEM"_s).recordCount(), 0);

    // Away and back: the header shows the house status.
    QVERIFY(list().locate(u"ID"_s, other));
    QCOMPARE(m_book->card().state().houseStatus, QString());
    QVERIFY(list().locate(u"ID"_s, card));
    QCOMPARE(m_book->card().state().houseStatus, houseStatus);
}

void TestHousing::removalAnsweredNoSavesNothing()
{
    const int card = cardWithAllSections(u"770004"_s);
    m_book->port().answer(Button::No);
    housing().edit();
    housing().setValue(u"HS_ID"_s, Housing::EmptyHouseSituation);
    QVERIFY(!guarded(m_book->port(), [&] { housing().post(); }));

    QCOMPARE(m_book->port().messages().size(), 1); // the question alone
    QCOMPARE(housing().state(), DatasetState::Edit);
    QCOMPARE(housing().value(u"HS_ID"_s).toInt(), Housing::EmptyHouseSituation);
    QCOMPARE(scalar(db(), u"select HS_ID from KPU_RZHF where ID_KPU_CATAL = ?"_s, {card}).toInt(), 580);
    QCOMPARE(sectionRows(card), otherHouseholdSections().size());
    QCOMPARE(list().state(), DatasetState::Browse);
}

void TestHousing::backToLivedInClearsTheHouseStatus()
{
    const int card = newCard(u"770010"_s);
    run(db(), u"insert into KPU_RZHF (ID_KPU_CATAL, IKD, SPVOB_ID, VSZHP_ID, HW_ID, KOL_KOMNAT, LIVING_SQ, FULL_SQ,"
              " IS_RETIRED, HS_ID) values (?, 1234567890123456, 4, 19145, 1, 3, 40, 60, 0, ?)"_s,
        {card, Housing::EmptyHouseSituation});
    list().runAfterScroll();
    QCOMPARE(m_book->card().state().houseStatus, EmptyHouse);

    housing().edit();
    housing().setValue(u"HS_ID"_s, 580);
    housing().post(); // no question: the house is lived in again
    QCOMPARE(m_book->port().messages().size(), 0);
    QCOMPARE(list().state(), DatasetState::Browse);
    QCOMPARE(m_book->card().state().houseStatus, QString()); // without a move to another card
    QCOMPARE(housing().value(u"HS_ID"_s).toInt(), 580);
}

// The removal and the housing save are one operation: when a deletion fails,
// nothing is removed and the housing row is not stored either.
void TestHousing::failedRemovalLeavesEverything()
{
    const int card = cardWithAllSections(u"770005"_s);
    run(db(), u"create exception E_TEST_KEEP 'kept by the test'"_s);
    run(db(), u"create trigger T_TEST_KEEP for KPU_DOPOL before delete as begin exception E_TEST_KEEP; end"_s);

    m_book->port().answer(Button::Yes);
    housing().edit();
    housing().setValue(u"HS_ID"_s, Housing::EmptyHouseSituation);
    QVERIFY(!guarded(m_book->port(), [&] { housing().post(); }));

    QCOMPARE(m_book->port().messages().size(), 2); // the question, then the error
    QVERIFY2(m_book->port().lastMessage().text.contains(u"kept by the test"_s),
             qPrintable(m_book->port().lastMessage().text));
    QCOMPARE(housing().state(), DatasetState::Edit);
    QCOMPARE(sectionRows(card), otherHouseholdSections().size());
    QCOMPARE(scalar(db(), u"select HS_ID from KPU_RZHF where ID_KPU_CATAL = ?"_s, {card}).toInt(), 580);
}

void TestHousing::oneFlatHouseSetsTheCardsFlat()
{
    const int card = newCard(u"770006"_s);
    QSignalSpy locked(m_housing.get(), &Housing::flatEditLocked);
    QSignalSpy released(m_housing.get(), &Housing::flatEditReleased);
    housing().append();
    apply(housing(), ValidRow);
    housing().setValue(u"SPVOB_ID"_s, 1);
    released.clear();
    housing().post();

    QCOMPARE(scalar(db(), u"select FLAT from KPU_CATAL where ID = ?"_s, {card}).toString(), u"0"_s);
    QCOMPARE(list().state(), DatasetState::Browse);
    QCOMPARE(list().value(u"ID"_s).toInt(), card);
    QCOMPARE(locked.size(), 1);
    QCOMPARE(released.size(), 0); // the card shown again after its save is the same card

    housing().edit();
    housing().setValue(u"SPVOB_ID"_s, 5);
    QCOMPARE(released.size(), 1);
}

void TestHousing::amenityGroups_data()
{
    QTest::addColumn<QStringList>("clicks"); // check boxes clicked in turn
    QTest::addColumn<Changes>("expected");

    QTest::newRow("gas heating after central heating")
        << QStringList{u"BL_OTOPL_TETS"_s, u"BL_OTOPL_GAS"_s}
        << Changes{{u"BL_OTOPL_TETS"_s, 0}, {u"BL_OTOPL_IND"_s, 1}, {u"BL_OTOPL_GAS"_s, 1}, {u"BL_OTOPL_HARD"_s, 0}};
    QTest::newRow("central heating after solid fuel")
        << QStringList{u"BL_OTOPL_HARD"_s, u"BL_OTOPL_TETS"_s}
        << Changes{{u"BL_OTOPL_TETS"_s, 1}, {u"BL_OTOPL_IND"_s, 0}, {u"BL_OTOPL_HARD"_s, 0}};
    QTest::newRow("liquid fuel after other heating")
        << QStringList{u"BL_OTOPL_PROCH"_s, u"BL_OTOPL_LIQUID"_s}
        << Changes{{u"BL_OTOPL_PROCH"_s, 0}, {u"BL_OTOPL_LIQUID"_s, 1}, {u"BL_OTOPL_IND"_s, 1}};
    QTest::newRow("well after water in the house")
        << QStringList{u"BL_VODOPR"_s, u"BL_VODA_KOLODETC"_s}
        << Changes{{u"BL_VODOPR"_s, 0}, {u"BL_VODA_KOLODETC"_s, 1}, {u"BL_VODA_DELIVERY"_s, 0}};
    QTest::newRow("other sewerage after central")
        << QStringList{u"BL_KANALI"_s, u"BL_KANAL_OTHER"_s}
        << Changes{{u"BL_KANALI"_s, 0}, {u"BL_KANAL_OTHER"_s, 1}};
    QTest::newRow("individual hot water after central")
        << QStringList{u"BL_GORVODA"_s, u"BL_GORVODA_IND"_s}
        << Changes{{u"BL_GORVODA"_s, 0}, {u"BL_GORVODA_IND"_s, 1}};
    QTest::newRow("liquefied gas after network gas")
        << QStringList{u"BL_GAZ_PRIR"_s, u"BL_GAZ_PRIV"_s} << Changes{{u"BL_GAZ_PRIR"_s, 0}, {u"BL_GAZ_PRIV"_s, 1}};
    QTest::newRow("clearing changes nothing else")
        << QStringList{u"BL_OTOPL_GAS"_s, u"BL_OTOPL_GAS"_s}
        << Changes{{u"BL_OTOPL_GAS"_s, 0}, {u"BL_OTOPL_IND"_s, 1}, {u"BL_OTOPL_TETS"_s, 0}};
    QTest::newRow("plain flags stand alone")
        << QStringList{u"BL_EL"_s, u"BL_VANNA"_s, u"BL_EL_PLITA"_s, u"BL_OTOPL_AVTO"_s, u"BL_OTOP_ELEC"_s,
                       u"BL_OTOPL_PROCH_SUN"_s, u"BL_OTOPL_PROCH_WIND"_s, u"BL_OTOPL_TETS"_s}
        << Changes{{u"BL_EL"_s, 1}, {u"BL_VANNA"_s, 1}, {u"BL_EL_PLITA"_s, 1}, {u"BL_OTOPL_AVTO"_s, 1},
                   {u"BL_OTOP_ELEC"_s, 1}, {u"BL_OTOPL_PROCH_SUN"_s, 1}, {u"BL_OTOPL_PROCH_WIND"_s, 1},
                   {u"BL_OTOPL_TETS"_s, 1}};
}

void TestHousing::amenityGroups()
{
    QFETCH(QStringList, clicks);
    QFETCH(Changes, expected);

    newCard(u"770007"_s);
    housing().append();
    apply(housing(), ValidRow);
    HousingPage page(m_book->fdm(), m_book->port());
    for (const QString &column : clicks) {
        auto *box = qobject_cast<QCheckBox *>(page.field(column));
        QVERIFY2(box, qPrintable(column));
        box->click(); // as the user ticks or clears it
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(housing().value(it.key()).toInt(), it.value().toInt());
        if (auto *box = qobject_cast<QCheckBox *>(page.field(it.key())))
            QCOMPARE(box->isChecked(), it.value().toInt() == 1);
    }
    QVERIFY(!page.field(u"BL_OTOPL_IND"_s)); // derived, not shown
    housing().post();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(scalar(db(), u"select %1 from KPU_RZHF where ID = ?"_s.arg(it.key()), {housing().value(u"ID"_s)})
                     .toInt(),
                 it.value().toInt());
    }
}

void TestHousing::situationSwitch_data()
{
    QTest::addColumn<QVariant>("stored"); // IS_RETIRED the row has
    QTest::addColumn<int>("clicked");     // -1: no click
    QTest::addColumn<bool>("situationEnabled");
    QTest::addColumn<bool>("leavingEnabled");

    QTest::newRow("no situation") << QVariant() << -1 << false << false;
    QTest::newRow("lived in") << QVariant(0) << -1 << true << false;
    QTest::newRow("left") << QVariant(1) << -1 << false << true;
    QTest::newRow("switched to left") << QVariant(0) << 1 << false << true;
    QTest::newRow("switched to lived in") << QVariant() << 0 << true << false;
}

void TestHousing::situationSwitch()
{
    QFETCH(QVariant, stored);
    QFETCH(int, clicked);
    QFETCH(bool, situationEnabled);
    QFETCH(bool, leavingEnabled);

    const int card = newCard(u"770008"_s);
    run(db(), u"insert into KPU_RZHF (ID_KPU_CATAL, IS_RETIRED) values (?, ?)"_s, {card, stored});
    HousingPage page(m_book->fdm(), m_book->port());
    list().runAfterScroll();
    QCOMPARE(housing().recordCount(), 1);
    if (clicked >= 0) {
        page.situationButton(clicked)->click();
        QCOMPARE(housing().value(u"IS_RETIRED"_s).toInt(), clicked);
        QCOMPARE(housing().state(), DatasetState::Edit);
    }
    const QVariant shown = clicked >= 0 ? QVariant(clicked) : stored;
    QCOMPARE(page.situationButton(0)->isChecked(), shown.isValid() && shown.toInt() == 0);
    QCOMPARE(page.situationButton(1)->isChecked(), shown.isValid() && shown.toInt() == 1);
    QCOMPARE(page.field(u"HS_ID"_s)->isEnabled(), situationEnabled);
    QCOMPARE(page.field(u"DATE_RETIRE"_s)->isEnabled(), leavingEnabled);
    QCOMPARE(page.field(u"RETIRED_ID"_s)->isEnabled(), leavingEnabled);
}

void TestHousing::areasShownWithOneDecimal()
{
    const int card = newCard(u"770009"_s);
    run(db(), u"insert into KPU_RZHF (ID_KPU_CATAL, LIVING_SQ, FULL_SQ, DATE_ENTER) values (?, 40, 60.25, ?)"_s,
        {card, QDateTime(QDate(1985, 5, 1), QTime(0, 0))});
    HousingPage page(m_book->fdm(), m_book->port());
    list().runAfterScroll();
    QCOMPARE(qobject_cast<QLineEdit *>(page.field(u"LIVING_SQ"_s))->text(), u"40.0"_s);
    QCOMPARE(qobject_cast<QLineEdit *>(page.field(u"FULL_SQ"_s))->text(), u"60.3"_s);
    QCOMPARE(qobject_cast<QLineEdit *>(page.field(u"DATE_ENTER"_s))->text(), u"01.05.1985"_s);
    QCOMPARE(housing().value(u"FULL_SQ"_s).value<Decimal>(), Decimal::fromUnits(6025, 2)); // stored as it was
}

// The main window as start-up leaves it: the card page's flat edit follows
// the flat rule, and a confirmed removal leaves only the card and housing
// pages usable.
void TestHousing::mainWindowLocksTheFlatEditAndFollowsTheRemoval()
{
    cleanup();
    TestDatabase tdb;
    ScriptedPromptPort port;
    const QString prefix = HouseholdBookFixture::okrugPrefix(tdb.db());
    const int settlement = scalar(tdb.db(), u"select first 1 c.KATO_ID from KPU_CATAL c join KPU_RZHF r"
                                            " on r.ID_KPU_CATAL = c.ID where r.HS_ID = 580 order by c.ID"_s)
                               .toInt();
    const int card = scalar(tdb.db(), u"select first 1 c.ID from KPU_CATAL c join KPU_RZHF r"
                                      " on r.ID_KPU_CATAL = c.ID where r.HS_ID = 580 and c.KATO_ID = ?"
                                      " and coalesce(r.IS_RETIRED, 0) = 0 and coalesce(c.IS_DELETED, 0) = 0"
                                      " and r.IKD is not null and r.SPVOB_ID is not null and r.VSZHP_ID is not null"
                                      " and r.HW_ID is not null and r.KOL_KOMNAT > 0 and r.LIVING_SQ > 0"
                                      " and r.FULL_SQ >= r.LIVING_SQ and coalesce(r.BL_EL_PLITA, 0) = 0"
                                      " and exists (select 1 from KPU_SRN s where s.ID_KPU_CATAL = c.ID)"
                                      " order by c.ID"_s,
                            {settlement})
                         .toInt();
    tdb.close();

    TForm1 form(port, tdb.exeDir(), tdb.exeDir());
    WorkContext &ctx = form.context();
    ctx.FirstActivation = false;
    ctx.PeriodIndex = 0;
    ctx.PeriodName = PeriodList::name(0);
    ctx.PeriodHalf = PeriodList::half(0);
    ctx.SettlementId = settlement;
    TFDM &fdm = form.fdm();
    fdm.connectDatabase(tdb.path());
    fdm.TKnigaProperty.open();
    fdm.RefreshKato(prefix);
    fdm.ChangeKato(settlement);
    form.IsKPUClick();
    form.FormActivate();

    QVERIFY(fdm.TKPUCatal.locate(u"ID"_s, card));
    BookPages &pages = form.pages();
    QLineEdit *flat = static_cast<HouseholdCardPage *>(pages.page(BookPages::HouseholdCard))->edit(u"FLAT"_s);
    auto enabled = [&](BookPages::Page page) { return pages.isTabEnabled(pages.indexOf(pages.page(page))); };
    QVERIFY(flat->isEnabled());
    QVERIFY(enabled(BookPages::Members));

    Dataset &rzhf = fdm.section(u"TRZHF"_s);
    rzhf.edit();
    rzhf.setValue(u"SPVOB_ID"_s, 1);
    rzhf.post();
    QCOMPARE(fdm.TKPUCatal.value(u"FLAT"_s).toString(), u"0"_s);
    QVERIFY(!flat->isEnabled());

    auto *page = qobject_cast<HousingPage *>(pages.page(BookPages::Housing));
    QVERIFY(page);
    auto *type = qobject_cast<QComboBox *>(page->field(u"SPVOB_ID"_s));
    type->activated(type->findData(4)); // the user chooses another type
    QVERIFY(flat->isEnabled());
    rzhf.cancel();

    port.answer(Button::Yes);
    rzhf.edit();
    rzhf.setValue(u"HS_ID"_s, Housing::EmptyHouseSituation);
    rzhf.post();
    QVERIFY(!enabled(BookPages::Members));
    QVERIFY(!enabled(BookPages::Land));
    QVERIFY(enabled(BookPages::Housing));
    QCOMPARE(scalar(fdm.session().database(), u"select count(*) from KPU_SRN where ID_KPU_CATAL = ?"_s, {card}).toInt(),
             0);

    // The refresh steps set the situation's fields for the current row.
    page->field(u"HS_ID"_s)->setEnabled(false);
    form.FormActivate();
    QVERIFY(page->field(u"HS_ID"_s)->isEnabled());
}

QTEST_MAIN(TestHousing)
#include "tst_housing.moc"

#include "app/AppException.h"
#include "app/Catalog.h"
#include "app/WorkContext.h"
#include "books/SectionLink.h"
#include "books/household/HouseholdCard.h"
#include "db/TFDM.h"
#include "support/HouseholdBookFixture.h"
#include "support/TestSql.h"

#include <QDate>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace TestSql;
using Button = PromptPort::Button;

// The household card's rules over the demo okrug, driven through the data
// module's household list as the card page drives it.
class TestHouseholdCard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveRules_data();
    void saveRules();
    void savedCardBelongsToTheSettlement();
    void markingDatesTheCardAndRestoringKeepsTheDate();
    void markingAnsweredNoSavesTheCardUnmarked();
    void cardWithMembersIsNotDeleted();
    void deletionTakesTheSectionsAlong();
    void saveReturnsToTheFirstOfEqualAccountNumbers();
    void saveMovesTheListOnceToItsCard();
    void sectionOfAnUnsavedCardIsRefused();
    void headOfHouseholdIsALivingHead();

private:
    Dataset &list() { return m_book->list(); }
    QSqlDatabase db() { return m_book->db(); }
    int newCard(const QString &ls) { return m_book->newCard(ls); }

    std::unique_ptr<HouseholdBookFixture> m_book;
};

void TestHouseholdCard::init()
{
    m_book = std::make_unique<HouseholdBookFixture>();
    QVERIFY2(m_book->isReady(), qPrintable(m_book->errorString()));
    m_book->open(HouseholdBookFixture::Sections::Closed);
    QVERIFY(list().recordCount() > 1);
}

void TestHouseholdCard::cleanup()
{
    m_book.reset();
}

void TestHouseholdCard::saveRules_data()
{
    QTest::addColumn<QString>("ar");
    QTest::addColumn<QString>("ap");
    QTest::addColumn<QString>("ls");
    QTest::addColumn<QString>("message"); // empty: the card is saved

    const QString houseLength = u"Регистрационный код адреса дома (код РКА) должен быть 16 знаков!"_s;
    const QString flatLength = u"Регистрационный код адреса квартиры (код РКА) должен быть 16 знаков!"_s;
    const QString houseStart = u"Регистрационный код адреса дома должен начинаться на 0"_s;
    const QString flatStart = u"Регистрационный код адреса квартиры должен начинаться на 1"_s;
    QTest::newRow("only the required fields") << QString() << QString() << u"880001"_s << QString();
    QTest::newRow("house code of 15") << u"012345678901234"_s << QString() << u"880002"_s << houseLength;
    QTest::newRow("house code of 16 from 1") << u"1123456789012345"_s << QString() << u"880003"_s << houseStart;
    QTest::newRow("house code of 17 from 0") << u"01234567890123456"_s << QString() << u"880004"_s << QString();
    QTest::newRow("flat code of 15") << QString() << u"112345678901234"_s << u"880005"_s << flatLength;
    QTest::newRow("flat code of 16 from 1") << QString() << u"1123456789012345"_s << u"880006"_s << QString();
    QTest::newRow("flat code of 16 from 0") << QString() << u"0123456789012345"_s << u"880007"_s << flatStart;
    QTest::newRow("short house code before empty account") << u"0123"_s << QString() << QString() << houseLength;
    QTest::newRow("no account number") << QString() << QString() << QString() << catalog(u"a69"_s);
}

void TestHouseholdCard::saveRules()
{
    QFETCH(QString, ar);
    QFETCH(QString, ap);
    QFETCH(QString, ls);
    QFETCH(QString, message);

    const QVariant before = scalar(db(), u"select count(*) from KPU_CATAL"_s);
    list().append();
    list().setValue(u"LS"_s, ls);
    list().setValue(u"STREET"_s, u"УЛ. ТЕСТОВАЯ"_s);
    list().setValue(u"HOUSE"_s, u"7"_s);
    list().setValue(u"AR"_s, ar);
    list().setValue(u"AP"_s, ap);

    const bool saved = guarded(m_book->port(), [&] { list().post(); });
    if (message.isEmpty()) {
        QVERIFY2(saved, qPrintable(m_book->port().texts().join(u'\n')));
        QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL"_s).toInt(), before.toInt() + 1);
        return;
    }
    QVERIFY(!saved);
    QCOMPARE(m_book->port().texts(), QStringList{message});
    QCOMPARE(list().state(), DatasetState::Insert); // the input stays
    QCOMPARE(list().value(u"AR"_s).toString(), ar);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL"_s), before);
}

void TestHouseholdCard::savedCardBelongsToTheSettlement()
{
    list().append();
    list().setValue(u"LS"_s, u"880100"_s);
    list().setValue(u"STREET"_s, u"УЛ. ТЕСТОВАЯ"_s);
    list().setValue(u"HOUSE"_s, u"2"_s);
    list().setValue(u"KATO_ID"_s, 1);
    list().post();
    QCOMPARE(scalar(db(), u"select KATO_ID from KPU_CATAL where LS = '880100'"_s).toInt(),
             m_book->context().SettlementId);
    QCOMPARE(list().value(u"LS"_s).toString(), u"880100"_s); // the list stands on it again
}

void TestHouseholdCard::markingDatesTheCardAndRestoringKeepsTheDate()
{
    const int id = newCard(u"880200"_s);
    QVERIFY(list().locate(u"ID"_s, id));
    const QString sqlDate = u"select DATE_DELETED, IS_DELETED from KPU_CATAL where ID = ?"_s;

    m_book->port().answer(Button::Yes);
    list().edit();
    list().setValue(u"IS_DELETED"_s, 1);
    m_book->card().markDeleted(true);
    QCOMPARE(scalar(db(), sqlDate, {id}).toDate(), QDate::currentDate());
    QVERIFY(m_book->port().lastMessage().text.endsWith(u"с лицевым счетом № 880200?"_s));

    // An earlier date shows that restoring and marking again keep it.
    run(db(), u"update KPU_CATAL set DATE_DELETED = '2020-05-04' where ID = ?"_s, {id});
    list().refresh();
    m_book->port().answer(Button::Yes);
    list().edit();
    list().setValue(u"IS_DELETED"_s, 0);
    m_book->card().markDeleted(false);
    QVERIFY(m_book->port().lastMessage().text.startsWith(
        u"Данное домашнее хозяйство удалено, дата удаления 04.05.2020."_s));
    QCOMPARE(column(db(), u"select IS_DELETED || ' ' || DATE_DELETED from KPU_CATAL where ID = ?"_s, {id}),
             QStringList{u"0 2020-05-04"_s});

    m_book->port().answer(Button::Yes);
    list().edit();
    list().setValue(u"IS_DELETED"_s, 1);
    m_book->card().markDeleted(true);
    QCOMPARE(column(db(), u"select IS_DELETED || ' ' || DATE_DELETED from KPU_CATAL where ID = ?"_s, {id}),
             QStringList{u"1 2020-05-04"_s});
}

void TestHouseholdCard::markingAnsweredNoSavesTheCardUnmarked()
{
    const int id = newCard(u"880300"_s);
    QVERIFY(list().locate(u"ID"_s, id));
    m_book->port().answer(Button::No);
    list().edit();
    list().setValue(u"IS_DELETED"_s, 1);
    m_book->card().markDeleted(true);
    QCOMPARE(list().state(), DatasetState::Browse);
    QCOMPARE(scalar(db(), u"select IS_DELETED from KPU_CATAL where ID = ?"_s, {id}).toInt(), 0);
    QVERIFY(scalar(db(), u"select DATE_DELETED from KPU_CATAL where ID = ?"_s, {id}).isNull());
}

void TestHouseholdCard::cardWithMembersIsNotDeleted()
{
    const QVariant id = scalar(db(), u"select first 1 c.ID from KPU_CATAL c where c.KATO_ID = ? and exists"
                                     " (select 1 from KPU_SRN s where s.ID_KPU_CATAL = c.ID)"
                                     " and exists (select 1 from ZEM z where z.ID_CATAL = c.ID)"_s,
                               {m_book->context().SettlementId});
    QVERIFY(list().locate(u"ID"_s, id));
    const QVariant land = scalar(db(), u"select count(*) from ZEM where ID_CATAL = ?"_s, {id});

    m_book->port().answer(Button::No); // not confirmed: nothing at all
    QVERIFY(!guarded(m_book->port(), [&] { list().remove(); }));
    QCOMPARE(m_book->port().messages().size(), 1);

    m_book->port().answer(Button::Yes);
    QVERIFY(!guarded(m_book->port(), [&] { list().remove(); }));
    QCOMPARE(m_book->port().lastMessage().text, catalog(u"a20"_s));
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {id}).toInt(), 1);
    QCOMPARE(scalar(db(), u"select count(*) from ZEM where ID_CATAL = ?"_s, {id}), land);
}

void TestHouseholdCard::deletionTakesTheSectionsAlong()
{
    const QVariant id = scalar(db(), u"select first 1 c.ID from KPU_CATAL c where c.KATO_ID = ?"
                                     " and exists (select 1 from ZEM z where z.ID_CATAL = c.ID)"
                                     " and exists (select 1 from KPU_RZHF r where r.ID_KPU_CATAL = c.ID)"_s,
                               {m_book->context().SettlementId});
    run(db(), u"delete from KPU_SRN where ID_KPU_CATAL = ?"_s, {id});
    list().refresh();
    QVERIFY(list().locate(u"ID"_s, id));

    m_book->port().answer(Button::Yes);
    list().remove();
    QCOMPARE(m_book->port().lastMessage().text, catalog(u"confirm_del"_s));
    QCOMPARE(scalar(db(), u"select count(*) from KPU_CATAL where ID = ?"_s, {id}).toInt(), 0);
    for (const SectionInfo &section : SectionRegistry::all()) {
        if (!section.servesBook(Book::Household))
            continue;
        QCOMPARE(scalar(db(), u"select count(*) from %1 where %2 = ?"_s.arg(section.table, section.linkColumn), {id})
                     .toInt(),
                 0);
    }
}

void TestHouseholdCard::saveReturnsToTheFirstOfEqualAccountNumbers()
{
    m_book->context().SortOrder = 1; // by account number, so equal numbers stand together
    m_book->fdm().ChangeKato(m_book->context().SettlementId);
    const int first = newCard(u"880400"_s);
    const int second = newCard(u"880400"_s);
    QVERIFY(first != second);
    QVERIFY(list().locate(u"ID"_s, second));
    list().edit();
    list().setValue(u"FLAT"_s, u"9"_s);
    list().post();
    int firstInList = 0;
    while (list().valueAt(firstInList, u"LS"_s).toString() != u"880400"_s)
        ++firstInList;
    QCOMPARE(list().recNo(), firstInList);
}

void TestHouseholdCard::saveMovesTheListOnceToItsCard()
{
    QVERIFY(list().locate(u"ID"_s, list().valueAt(list().recordCount() - 1, u"ID"_s)));
    const QString ls = list().value(u"LS"_s).toString();
    QSignalSpy moves(&list(), &Dataset::currentRowChanged);
    int shown = 0;
    connect(&m_book->card(), &HouseholdCard::cardShown, this, [&] { ++shown; });
    list().edit();
    list().setValue(u"PHONE"_s, u"87001234567"_s);
    list().post();
    QCOMPARE(list().value(u"LS"_s).toString(), ls);
    // Closed, opened on its first card, then straight to the saved one: no
    // walk through the list, whose every step would show a card.
    QCOMPARE(moves.count(), 3);
    QCOMPARE(moves.last().first().toInt(), list().recNo());
    QCOMPARE(shown, 1);
}

void TestHouseholdCard::sectionOfAnUnsavedCardIsRefused()
{
    list().append(); // a new card, never saved
    Dataset &land = m_book->fdm().section(u"TZEM"_s);
    land.append();
    land.setValue(u"PASHNYA"_s, 100);
    QVERIFY(!guarded(m_book->port(), [&] { land.post(); }));
    QCOMPARE(m_book->port().lastMessage().text, catalog(u"a51"_s));
    QCOMPARE(land.state(), DatasetState::Browse); // the input is gone
    QCOMPARE(land.recordCount(), 0);
}

void TestHouseholdCard::headOfHouseholdIsALivingHead()
{
    const int id = newCard(u"880500"_s);
    run(db(), u"insert into KPU_SRN (ID_KPU_CATAL, FAM, IM, OT, SROGD_ID, DATE_SM) values"
              " (?, 'ИВАНОВ', 'ИВАН', 'ИВАНОВИЧ', 1, '2020-01-01')"_s, {id});
    QVERIFY(list().locate(u"ID"_s, id));
    QCOMPARE(m_book->card().state().headOfHousehold, u"Нет главы ДХ"_s);

    run(db(), u"insert into KPU_SRN (ID_KPU_CATAL, FAM, IM, OT, SROGD_ID) values"
              " (?, 'ПЕТРОВ', 'ПЁТР', 'ПЕТРОВИЧ', 1)"_s, {id});
    list().runAfterScroll();
    QCOMPARE(m_book->card().state().headOfHousehold, u"ПЕТРОВ ПЁТР ПЕТРОВИЧ"_s);
}

QTEST_MAIN(TestHouseholdCard)
#include "tst_householdcard.moc"

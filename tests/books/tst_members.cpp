#include "app/AppException.h"
#include "app/Catalog.h"
#include "app/InputFilters.h"
#include "app/WorkContext.h"
#include "books/SectionLink.h"
#include "books/household/HouseholdCard.h"
#include "books/household/MemberValidation.h"
#include "books/household/Members.h"
#include "books/household/MembersPage.h"
#include "db/TFDM.h"
#include "support/HouseholdBookFixture.h"
#include "support/TestSql.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace TestSql;
using Button = PromptPort::Button;

namespace {

// The moment every age is counted from.
const QDateTime Now(QDate(2024, 6, 1), QTime(0, 0));

const QString Required = u"Не заполнены обязательные поля (Порядковый номер,\r\n"
                         "фамилия, имя, дата рождения,отношение к первому члену ДХ, пол, национальность,\r\n"
                         "образование, источники средств к существованию,ИИН)"_s;
const QString BadIin = u"Ошибка не понятные буквы, иероглифы и т.д., дубли по коду ИИН не допускаются."_s;
const QString FutureBirth = u"Год рождения не должен превышать текущего года и месяца!"_s;
const QString MinorHead =
    u"Несовершеннолетний член домашнего хозяйства не может быть главой домашнего хозяйства!"_s;
const QString NoArrival =
    u"Человек временно проживает в данном населенном пункте, заполните поле «дата прибытия»!"_s;
const QString Leaving = u"Если ставится «дата смерти» или выбыл,\rто этот член д/х должен автоматически удалиться.\r"
                        "Вы желаете удалить? После «Выберите главу ДХ и заполните \r«Отношение к главе домашнего "
                        "хозяйства» всех членов домашнего хозяйства"_s;

// 16 years of 365.25 days before Now, to the day.
const QDate SixteenYearsAgo = Now.date().addDays(-5844);

// A member who passes every rule: an adult employee living on wages.
QVariantHash validMember()
{
    return {
        {u"POR_NOM"_s, 2},
        {u"FAM"_s, u"ИВАНОВА"_s},
        {u"IM"_s, u"МАРИЯ"_s},
        {u"DATE_R"_s, QDate(1980, 5, 10)},
        {u"SROGD_ID"_s, 2},
        {u"POL_SPP_ID"_s, 2},
        {u"KN_ID"_s, 1},
        {u"SID_ID"_s, 1},
        {u"IIN"_s, u"800510400123"_s},
        {u"SUODH_ID"_s, 4},
        {u"PZ_ID"_s, 1},
    };
}

} // namespace

// The rules of the members and temporary residents over the demo okrug,
// driven through the data module's datasets as the members page drives them.
class TestMembers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void forbiddenIins();
    void validation_data();
    void validation();

    void firstMemberIsStoredWithoutChecks();
    void secondMemberWithoutIinIsRefused();
    void minorHeadIsRefusedByTheClock();
    void deathDateAnsweredYesDeletesThatMemberOnly();
    void deathDateAnsweredNoKeepsEditing();
    void newMemberWithDepartureIsDiscarded();
    void employeeLivesOnWages_data();
    void employeeLivesOnWages();
    void temporaryResident_data();
    void temporaryResident();
    void memberOfAnUnsavedCardIsRefused();
    void flatRuleFollowsTheHouseType_data();
    void flatRuleFollowsTheHouseType();
    void pageShowsAndEditsTheMembers();

private:
    Dataset &list() { return m_book->list(); }
    Dataset &members() { return m_book->fdm().section(u"TSRN"_s); }
    Dataset &residents() { return m_book->fdm().section(u"TSRN2"_s); }
    QSqlDatabase db() { return m_book->db(); }
    // A new household card, current in the list, with `stored` members.
    int newHousehold(const QString &ls, int stored);
    int memberCount(int card)
    {
        return scalar(db(), u"select count(*) from KPU_SRN where ID_KPU_CATAL = ?"_s, {card}).toInt();
    }
    void fill(Dataset &row, const QVariantHash &values);

    std::unique_ptr<HouseholdBookFixture> m_book;
    std::unique_ptr<Members> m_members;
};

void TestMembers::init()
{
    m_book = std::make_unique<HouseholdBookFixture>();
    QVERIFY2(m_book->isReady(), qPrintable(m_book->errorString()));
    m_members = std::make_unique<Members>(m_book->fdm(), m_book->port());
    m_members->setClock([] { return Now; });
    m_members->install();
    m_book->open();
}

void TestMembers::cleanup()
{
    m_members.reset();
    m_book.reset();
}

int TestMembers::newHousehold(const QString &ls, int stored)
{
    const int id = m_book->newCurrentCard(ls, {.flat = u"5"_s});
    for (int n = 1; n <= stored; ++n) {
        run(db(),
            u"insert into KPU_SRN (ID_KPU_CATAL, POR_NOM, FAM, IM, IIN, SROGD_ID) values (?, ?, ?, 'ТЕСТ', ?, ?)"_s,
            {id, n, u"ЧЛЕН%1"_s.arg(n), u"80051040012%1"_s.arg(n), n});
    }
    list().runAfterScroll(); // the sections of the card, as a move to it reads them
    return id;
}

void TestMembers::fill(Dataset &row, const QVariantHash &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        row.setValue(it.key(), it.value());
}

void TestMembers::forbiddenIins()
{
    const QStringList &all = MemberValidation::forbiddenIins();
    QCOMPARE(all.size(), 20);
    QCOMPARE(all.first(), u"000000000000"_s);
    QCOMPARE(all.at(MemberValidation::ForbiddenOnSave - 1), u"999999999999"_s);
    QCOMPARE(all.at(MemberValidation::ForbiddenOnSave), u"000011111111"_s);
    QCOMPARE(all.last(), u"000000123456"_s);
    QVERIFY(MemberValidation::isForbiddenOnSave(u"123456789123"_s));
    QVERIFY(!MemberValidation::isForbiddenOnSave(u"000006666666"_s));
}

void TestMembers::validation_data()
{
    QTest::addColumn<QVariantHash>("changes"); // on top of validMember(); an invalid value empties the field
    QTest::addColumn<QString>("message");      // empty: the member passes

    auto row = [](const char *name, const QVariantHash &changes, const QString &message) {
        QTest::newRow(name) << changes << message;
    };
    const QVariant none;
    row("valid member", {}, {});
    row("no order number", {{u"POR_NOM"_s, none}}, Required);
    row("surname empty, first name given", {{u"FAM"_s, none}}, {});
    row("first name empty, surname given", {{u"IM"_s, none}}, {});
    row("surname and first name empty", {{u"FAM"_s, none}, {u"IM"_s, none}}, Required);
    row("no birth date", {{u"DATE_R"_s, none}}, Required);
    row("no relation", {{u"SROGD_ID"_s, none}}, Required);
    row("no sex", {{u"POL_SPP_ID"_s, none}}, Required);
    row("no nationality", {{u"KN_ID"_s, none}}, Required);
    row("no source of livelihood", {{u"SID_ID"_s, none}}, Required);
    row("no IIN", {{u"IIN"_s, none}}, Required);
    row("empty IIN text", {{u"IIN"_s, QString()}}, Required);
    row("no education: not required", {{u"SUODH_ID"_s, none}}, {});
    row("IIN of 11 digits", {{u"IIN"_s, u"80051040012"_s}}, catalog(u"iin12"_s));
    row("IIN of 13 characters", {{u"IIN"_s, u"8005104001234"_s}}, {});
    row("IIN with a letter", {{u"IIN"_s, u"80051040012A"_s}}, {});
    row("IIN 000000000000", {{u"IIN"_s, u"000000000000"_s}}, BadIin);
    row("IIN 123456789123", {{u"IIN"_s, u"123456789123"_s}}, BadIin);
    row("IIN 999999999999", {{u"IIN"_s, u"999999999999"_s}}, BadIin);
    row("IIN 000011111111: batch check only", {{u"IIN"_s, u"000011111111"_s}}, {});
    row("IIN 000000123456: batch check only", {{u"IIN"_s, u"000000123456"_s}}, {});
    row("born tomorrow", {{u"DATE_R"_s, Now.date().addDays(1)}}, FutureBirth);
    row("born today", {{u"DATE_R"_s, Now.date()}, {u"SROGD_ID"_s, 3}}, {});
    row("head exactly 16", {{u"DATE_R"_s, SixteenYearsAgo}, {u"SROGD_ID"_s, 1}}, {});
    row("head a day short of 16", {{u"DATE_R"_s, SixteenYearsAgo.addDays(1)}, {u"SROGD_ID"_s, 1}}, MinorHead);
    row("not head, a day short of 16", {{u"DATE_R"_s, SixteenYearsAgo.addDays(1)}}, {});
    row("temporary without arrival", {{u"IS_TEMP"_s, 1}}, NoArrival);
    row("temporary with arrival", {{u"IS_TEMP"_s, 1}, {u"DATE_IN"_s, QDate(2023, 3, 1)}}, {});
    row("employee on pension", {{u"SID_ID"_s, 5}}, catalog(u"a108"_s));
    row("employer on wages", {{u"PZ_ID"_s, 2}}, catalog(u"a109"_s));
    row("entrepreneur on wages", {{u"PZ_ID"_s, 3}}, catalog(u"a109"_s));
    row("farm member on wages", {{u"PZ_ID"_s, 5}}, catalog(u"a109"_s));
    row("employer on business income", {{u"PZ_ID"_s, 2}, {u"SID_ID"_s, 2}}, {});
    row("household plot worker on wages", {{u"PZ_ID"_s, 4}}, catalog(u"a110"_s));
    row("household plot worker on its income", {{u"PZ_ID"_s, 4}, {u"SID_ID"_s, 3}}, {});
    row("unpaid family worker on wages", {{u"PZ_ID"_s, 6}}, {});
    row("education 2: no livelihood rule", {{u"SUODH_ID"_s, 2}, {u"SID_ID"_s, 4}}, {});
    row("education 3", {{u"SUODH_ID"_s, 3}, {u"SID_ID"_s, 4}}, catalog(u"a108"_s));
    row("education 9", {{u"SUODH_ID"_s, 9}, {u"SID_ID"_s, 4}}, catalog(u"a108"_s));
    row("no education: no livelihood rule", {{u"SUODH_ID"_s, none}, {u"SID_ID"_s, 4}}, {});
    row("no employment: no livelihood rule", {{u"PZ_ID"_s, none}, {u"SID_ID"_s, 4}}, {});
    row("employee of 14", {{u"DATE_R"_s, Now.date().addYears(-14)}, {u"SID_ID"_s, 4}}, {});
    row("employee of 15", {{u"DATE_R"_s, Now.date().addYears(-15).addDays(-1)}, {u"SID_ID"_s, 4}},
        catalog(u"a108"_s));
    // Several rules fail: the first one in order speaks.
    row("required before IIN length", {{u"POR_NOM"_s, none}, {u"IIN"_s, u"123"_s}}, Required);
    row("IIN length before birth date", {{u"IIN"_s, u"123"_s}, {u"DATE_R"_s, Now.date().addDays(1)}},
        catalog(u"iin12"_s));
    row("forbidden IIN before birth date",
        {{u"IIN"_s, u"999999999999"_s}, {u"DATE_R"_s, Now.date().addDays(1)}}, BadIin);
    row("minor head before arrival",
        {{u"DATE_R"_s, SixteenYearsAgo.addDays(1)}, {u"SROGD_ID"_s, 1}, {u"IS_TEMP"_s, 1}}, MinorHead);
    row("arrival before livelihood", {{u"IS_TEMP"_s, 1}, {u"SID_ID"_s, 5}}, NoArrival);
}

void TestMembers::validation()
{
    QFETCH(QVariantHash, changes);
    QFETCH(QString, message);

    QVariantHash member = validMember();
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        member.insert(it.key(), it.value());
    const auto value = [&member](const QString &field) { return member.value(field); };
    QCOMPARE(MemberValidation::firstFailure(value, Now), message);
}

void TestMembers::firstMemberIsStoredWithoutChecks()
{
    const int card = newHousehold(u"881001"_s, 0);
    QVERIFY(members().isEmpty());
    members().append();
    fill(members(), {{u"FAM"_s, u"ПЕРВЫЙ"_s}, {u"DATE_SM"_s, QDate(2020, 1, 1)}}); // no IIN, a death date
    QVERIFY(guarded(m_book->port(), [&] { members().post(); }));
    QVERIFY2(m_book->port().messages().isEmpty(), qPrintable(m_book->port().texts().join(u'\n')));
    QCOMPARE(column(db(), u"select FAM || ' ' || DATE_SM from KPU_SRN where ID_KPU_CATAL = ?"_s, {card}),
             QStringList{u"ПЕРВЫЙ 2020-01-01"_s});
    QCOMPARE(members().recordCount(), 1); // reread
}

void TestMembers::secondMemberWithoutIinIsRefused()
{
    const int card = newHousehold(u"881002"_s, 1);
    QCOMPARE(members().recordCount(), 1);
    members().append();
    QVariantHash member = validMember();
    member.remove(u"IIN"_s);
    fill(members(), member);
    QVERIFY(!guarded(m_book->port(), [&] { members().post(); }));
    QCOMPARE(m_book->port().texts(), QStringList{Required});
    QCOMPARE(members().state(), DatasetState::Insert); // the input stays
    QCOMPARE(members().value(u"FAM"_s).toString(), u"ИВАНОВА"_s);
    QCOMPARE(memberCount(card), 1);

    // Mended, it is stored and tied to the household.
    members().setValue(u"IIN"_s, u"800510400123"_s);
    QVERIFY(guarded(m_book->port(), [&] { members().post(); }));
    QCOMPARE(memberCount(card), 2);
}

void TestMembers::minorHeadIsRefusedByTheClock()
{
    const int card = newHousehold(u"881003"_s, 1);
    members().append();
    fill(members(), validMember());
    fill(members(), {{u"SROGD_ID"_s, 1}, {u"DATE_R"_s, SixteenYearsAgo.addDays(1)}});
    QVERIFY(!guarded(m_book->port(), [&] { members().post(); }));
    QCOMPARE(m_book->port().texts(), QStringList{MinorHead});

    members().setValue(u"DATE_R"_s, SixteenYearsAgo);
    QVERIFY(guarded(m_book->port(), [&] { members().post(); }));
    QCOMPARE(memberCount(card), 2);
}

void TestMembers::deathDateAnsweredYesDeletesThatMemberOnly()
{
    const int card = newHousehold(u"881004"_s, 2);
    const QStringList before = column(db(), u"select ID from KPU_SRN where ID_KPU_CATAL = ? order by ID"_s, {card});
    QCOMPARE(before.size(), 2);
    QVERIFY(members().locate(u"ID"_s, before.first()));
    members().edit();
    members().setValue(u"DATE_SM"_s, QDate(2024, 2, 3));
    m_book->port().answer(Button::Yes);
    guarded(m_book->port(), [&] { members().post(); });

    QCOMPARE(m_book->port().texts(), QStringList{Leaving});
    QCOMPARE(m_book->port().lastMessage().buttons, PromptPort::Buttons(Button::Yes | Button::No));
    QCOMPARE(column(db(), u"select ID from KPU_SRN where ID_KPU_CATAL = ?"_s, {card}), QStringList{before.last()});
    QCOMPARE(members().state(), DatasetState::Browse);
    QCOMPARE(members().recordCount(), 1);
    QCOMPARE(members().value(u"ID"_s).toString(), before.last());
}

void TestMembers::deathDateAnsweredNoKeepsEditing()
{
    const int card = newHousehold(u"881005"_s, 2);
    members().first();
    members().edit();
    members().setValue(u"DATE_SM"_s, QDate(2024, 2, 3));
    m_book->port().answer(Button::No);
    QVERIFY(!guarded(m_book->port(), [&] { members().post(); }));

    QCOMPARE(m_book->port().texts(), QStringList{Leaving});
    QCOMPARE(members().state(), DatasetState::Edit);
    QCOMPARE(members().value(u"DATE_SM"_s).toDate(), QDate(2024, 2, 3));
    QCOMPARE(memberCount(card), 2);
    QCOMPARE(scalar(db(), u"select count(*) from KPU_SRN where ID_KPU_CATAL = ? and DATE_SM is not null"_s, {card})
                 .toInt(),
             0);
}

void TestMembers::newMemberWithDepartureIsDiscarded()
{
    const int card = newHousehold(u"881006"_s, 2);
    members().append();
    fill(members(), validMember());
    members().setValue(u"DATE_OUT"_s, QDate(2024, 5, 1));
    m_book->port().answer(Button::Yes);
    guarded(m_book->port(), [&] { members().post(); });

    QCOMPARE(m_book->port().texts(), QStringList{Leaving});
    QCOMPARE(members().state(), DatasetState::Browse);
    QCOMPARE(members().recordCount(), 2);
    QCOMPARE(column(db(), u"select FAM from KPU_SRN where ID_KPU_CATAL = ? order by ID"_s, {card}),
             (QStringList{u"ЧЛЕН1"_s, u"ЧЛЕН2"_s}));
}

void TestMembers::employeeLivesOnWages_data()
{
    QTest::addColumn<int>("employment");
    QTest::addColumn<int>("source"); // after the change, the source having been 5
    QTest::newRow("employee") << 1 << 1;
    QTest::newRow("employer") << 2 << 5;
    QTest::newRow("unemployed") << 7 << 5;
}

void TestMembers::employeeLivesOnWages()
{
    QFETCH(int, employment);
    QFETCH(int, source);
    newHousehold(u"881007"_s, 1);
    members().edit();
    members().setValue(u"SID_ID"_s, 5);
    members().setValue(u"PZ_ID"_s, employment);
    QCOMPARE(members().value(u"SID_ID"_s).toInt(), source);
}

void TestMembers::temporaryResident_data()
{
    QTest::addColumn<QVariantHash>("values");
    QTest::addColumn<QString>("message"); // empty: stored

    const QVariantHash complete = {{u"FAM"_s, u"ВРЕМЕННЫЙ"_s},
                                   {u"IM"_s, u"ГОСТЬ"_s},
                                   {u"DATE_R"_s, QDate(1990, 1, 2)},
                                   {u"POL_SPP_ID"_s, 1}};
    QTest::newRow("without IIN") << complete << QString();
    for (const QString &field : {u"FAM"_s, u"IM"_s, u"DATE_R"_s, u"POL_SPP_ID"_s}) {
        QVariantHash values = complete;
        values.remove(field);
        QTest::addRow("without %s", qPrintable(field)) << values << catalog(u"a68"_s);
    }
}

void TestMembers::temporaryResident()
{
    QFETCH(QVariantHash, values);
    QFETCH(QString, message);
    const int card = newHousehold(u"881008"_s, 1);
    const QString count = u"select count(*) from KPU_SRN2 where ID_KPU_CATAL = ?"_s;

    residents().append();
    fill(residents(), values);
    const bool saved = guarded(m_book->port(), [&] { residents().post(); });
    if (message.isEmpty()) {
        QVERIFY2(saved, qPrintable(m_book->port().texts().join(u'\n')));
        QCOMPARE(scalar(db(), count, {card}).toInt(), 1);
        QCOMPARE(residents().recordCount(), 1);
        return;
    }
    QVERIFY(!saved);
    QCOMPARE(m_book->port().texts(), QStringList{message});
    QCOMPARE(residents().state(), DatasetState::Insert);
    QCOMPARE(scalar(db(), count, {card}).toInt(), 0);
}

void TestMembers::memberOfAnUnsavedCardIsRefused()
{
    newHousehold(u"881009"_s, 1);
    list().append(); // a new card, never saved: its sections are empty
    QVERIFY(members().isEmpty());
    members().append();
    fill(members(), validMember());
    QVERIFY(!guarded(m_book->port(), [&] { members().post(); }));
    QCOMPARE(m_book->port().texts(), QStringList{catalog(u"a51"_s)});
    QCOMPARE(members().state(), DatasetState::Browse); // the input is gone
    QCOMPARE(members().recordCount(), 0);
}

void TestMembers::flatRuleFollowsTheHouseType_data()
{
    QTest::addColumn<int>("houseType");
    QTest::addColumn<bool>("applies");
    QTest::newRow("one-flat house") << 1 << true;
    QTest::newRow("two-flat house") << 4 << false;
}

void TestMembers::flatRuleFollowsTheHouseType()
{
    QFETCH(int, houseType);
    QFETCH(bool, applies);
    const int card = newHousehold(u"881010"_s, 1);
    run(db(), u"insert into KPU_RZHF (ID_KPU_CATAL, SPVOB_ID) values (?, ?)"_s, {card, houseType});
    list().runAfterScroll();
    QSignalSpy locked(m_members.get(), &Members::flatEditLocked);

    members().append();
    fill(members(), validMember());
    QVERIFY(guarded(m_book->port(), [&] { members().post(); }));
    QCOMPARE(memberCount(card), 2);
    QCOMPARE(locked.count(), applies ? 1 : 0);
    // The card waits in editing for the user to save it.
    QCOMPARE(list().state(), applies ? DatasetState::Edit : DatasetState::Browse);
    QCOMPARE(list().value(u"FLAT"_s).toString(), applies ? u"0"_s : u"5"_s);
    QCOMPARE(scalar(db(), u"select FLAT from KPU_CATAL where ID = ?"_s, {card}).toString(), u"5"_s);
}

void TestMembers::pageShowsAndEditsTheMembers()
{
    MembersPage page(m_book->fdm(), m_book->port());
    page.show();
    newHousehold(u"881011"_s, 2);
    QCOMPARE(page.count(), 2);
    QCOMPARE(page.tabText(0), u"Постоянно проживающие"_s);
    QCOMPARE(page.tabText(1), u"Временно проживающие"_s);

    // The narrow list: order number and name of each member.
    QAbstractItemModel *model = page.memberList()->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(1, 0).data().toString(), u"2"_s);
    QCOMPARE(model->index(1, 1).data().toString(), u"ЧЛЕН2"_s);
    page.memberList()->selectRow(1);
    QCOMPARE(members().recNo(), 1);
    QCOMPARE(qobject_cast<QLineEdit *>(page.memberField(u"FAM"_s))->text(), u"ЧЛЕН2"_s);
    QCOMPARE(qobject_cast<QComboBox *>(page.memberField(u"SROGD_ID"_s))->currentData().toInt(), 2);

    // Every shown column of the member table has its widget.
    for (const QString &field : {u"POR_NOM"_s, u"FAM"_s, u"IM"_s, u"OT"_s, u"IIN"_s, u"SROGD_ID"_s, u"POL_SPP_ID"_s,
                                 u"KN_ID"_s, u"DATE_R"_s, u"DATE_SM"_s, u"DATE_IN"_s, u"DATE_OUT"_s, u"SUODH_ID"_s,
                                 u"PZ_ID"_s, u"SID_ID"_s, u"SID2_ID"_s, u"SID3_ID"_s, u"IS_TEMP"_s, u"IS_TEMP_OUT"_s,
                                 u"DATE_ACTUAL"_s})
        QVERIFY2(page.memberField(field), qPrintable(field));
    const auto *iin = page.memberField(u"IIN"_s)->findChild<InputFilter *>();
    QVERIFY(iin);
    QCOMPARE(iin->options().maxLength, 12);
    QCOMPARE(iin->options().keys, InputFilter::Keys::Iin);

    // Choosing "employee" shows wages as the first source at once.
    auto *employment = qobject_cast<QComboBox *>(page.memberField(u"PZ_ID"_s));
    const int employee = employment->findData(1);
    QVERIFY(employee >= 0);
    employment->setCurrentIndex(employee);
    emit employment->activated(employee);
    QCOMPARE(members().state(), DatasetState::Edit);
    QCOMPARE(qobject_cast<QComboBox *>(page.memberField(u"SID_ID"_s))->currentData().toInt(), 1);
    members().cancel();

    // Temporary residents are only viewed.
    QVERIFY(page.memberField(u"FAM"_s)->isEnabled());
    QVERIFY(!page.residentField(u"FAM"_s)->isEnabled());
    QVERIFY(page.residentList()->isEnabled());
}

QTEST_MAIN(TestMembers)
#include "tst_members.moc"

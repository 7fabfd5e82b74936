#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;
using TestSql::column;

// The reference books a new database comes with: every book filled, the
// identifiers that the FLK checks, the reports and the forms name, and the
// validity intervals that lists filter by.
namespace {

const QStringList Books = {
    u"KPU_SPR_SROGD"_s, u"KPU_SPR_SPP"_s,    u"KPU_SPR_KN"_s,     u"KPU_SPR_SUODH"_s,   u"KPU_SPR_SOOO"_s,
    u"KPU_SPR_PZ"_s,    u"KPU_SPR_SID"_s,    u"KPU_SPR_SOSTBR"_s, u"KPU_SPR_SPVOB"_s,   u"KPU_SPR_VSZHP"_s,
    u"KPU_SPR_HW"_s,    u"KPU_SPR_HS"_s,     u"KPU_SPR_HR"_s,     u"KPU_SPR_SVTT"_s,    u"SPR_TEHNIKA"_s,
    u"SPR_OBOR"_s,      u"SPR_POSTR_RAST"_s, u"SPR_POSTR_ZHIV"_s, u"KFH_SPR_POSTR_TEH"_s, u"KFH_SPR_POSTR_OIL"_s,
    u"KFH_SPR_OKED"_s,
};

// The filter of the lists that offer valid rows only.
const QString ValidNow = u" where (coalesce(e.date_end, timestamp 'now') >= timestamp 'now'"
                         " and coalesce(e.date_begin, timestamp 'now') <= timestamp 'now')"_s;

} // namespace

class TestReferenceData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void everyBookIsFilled_data();
    void everyBookIsFilled();
    void fixedIdentifiers_data();
    void fixedIdentifiers();
    void populationReportNationalities_data();
    void populationReportNationalities();
    void nationalityListHidesCodeZero();
    void validListsDropWithdrawnRows_data();
    void validListsDropWithdrawnRows();
    void onlyFiveCharacterActivitiesCanBeChosen();

private:
    TestDatabase *m_tdb = nullptr;
};

void TestReferenceData::initTestCase()
{
    m_tdb = new TestDatabase;
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
}

void TestReferenceData::cleanupTestCase()
{
    delete m_tdb;
}

void TestReferenceData::everyBookIsFilled_data()
{
    QTest::addColumn<QString>("book");
    for (const QString &b : Books)
        QTest::newRow(qPrintable(b)) << b;
}

// Both languages have a name for every row, and the Kazakh one is not the
// Russian one copied.
void TestReferenceData::everyBookIsFilled()
{
    QFETCH(QString, book);
    const QSqlDatabase db = m_tdb->db();
    QVERIFY(column(db, u"select ID from "_s + book).size() >= 2);
    QCOMPARE(column(db, u"select ID from %1 where coalesce(trim(CODE), '') = '' or coalesce(trim(NAME_RUS), '') = '' "
                        "or coalesce(trim(NAME_KAZ), '') = ''"_s.arg(book)),
             QStringList());
    const int rows = column(db, u"select ID from "_s + book).size();
    const int copied = column(db, u"select ID from %1 where NAME_KAZ = NAME_RUS"_s.arg(book)).size();
    QVERIFY2(copied * 2 < rows, qPrintable(u"%1 of %2 Kazakh names are the Russian ones"_s.arg(copied).arg(rows)));
}

void TestReferenceData::fixedIdentifiers_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("nameRus");
    QTest::newRow("head of household") << u"KPU_SPR_SROGD"_s << 1 << u"Глава домохозяйства"_s;
    QTest::newRow("male") << u"KPU_SPR_SPP"_s << 1 << u"Мужской"_s;
    QTest::newRow("female") << u"KPU_SPR_SPP"_s << 2 << u"Женский"_s;
    QTest::newRow("employee") << u"KPU_SPR_PZ"_s << 1 << u"Наемный работник"_s;
    QTest::newRow("outside the labour force") << u"KPU_SPR_PZ"_s << 8 << u"Лицо, не входящее в состав рабочей силы"_s;
    QTest::newRow("wages") << u"KPU_SPR_SID"_s << 1 << u"Заработная плата"_s;
    QTest::newRow("pension") << u"KPU_SPR_SID"_s << 5 << u"Пенсия"_s;
    QTest::newRow("empty or abandoned") << u"KPU_SPR_HS"_s << 18120912 << u"пустующий или бесхозный"_s;
    QTest::newRow("state ownership") << u"KPU_SPR_VSZHP"_s << 19142 << u"Государственная"_s;
    QTest::newRow("private ownership") << u"KPU_SPR_VSZHP"_s << 19145 << u"Частная"_s;
    QTest::newRow("one-flat house")
        << u"KPU_SPR_SPVOB"_s << 1 << u"Одноквартирный (индивидуальный) жилой дом"_s;
    QTest::newRow("two-flat house") << u"KPU_SPR_SPVOB"_s << 4 << u"Двухквартирный жилой дом"_s;
    QTest::newRow("three and more flats") << u"KPU_SPR_SPVOB"_s << 5 << u"Трех и более квартирный жилой дом"_s;
    QTest::newRow("premises for several kinds")
        << u"SPR_POSTR_ZHIV"_s << 78 << u"Помещения для нескольких видов скота"_s;
    QTest::newRow("premises for other kinds") << u"SPR_POSTR_ZHIV"_s << 79 << u"Помещения для прочих видов скота"_s;
    QTest::newRow("grain and seed stores")
        << u"SPR_POSTR_RAST"_s << 1 << u"Зерносеменохранилища (включая зернофуражные)"_s;
    QTest::newRow("grain stores") << u"SPR_POSTR_RAST"_s << 455815 << u"зернохранилища"_s;
    QTest::newRow("seed stores") << u"SPR_POSTR_RAST"_s << 18070143 << u"семенохранилища"_s;
    QTest::newRow("fodder grain stores") << u"SPR_POSTR_RAST"_s << 18070144 << u"зернофуражные хранилища"_s;
    QTest::newRow("vegetable and potato stores") << u"SPR_POSTR_RAST"_s << 2 << u"Овощекартофелехранилища"_s;
    QTest::newRow("vegetable stores") << u"SPR_POSTR_RAST"_s << 18070136 << u"овощехранилища"_s;
    QTest::newRow("potato stores") << u"SPR_POSTR_RAST"_s << 18070137 << u"картофелехранилища"_s;
    QTest::newRow("fruit stores")
        << u"SPR_POSTR_RAST"_s << 4 << u"Фруктохранилища (включая плодово-ягодные хранилища)"_s;
    QTest::newRow("fruit and berry stores") << u"SPR_POSTR_RAST"_s << 18070140 << u"плодово-ягодные хранилища"_s;
    QTest::newRow("vegetable greenhouses") << u"SPR_POSTR_RAST"_s << 9 << u"Теплицы для выращивания овощей"_s;
    QTest::newRow("flower greenhouses") << u"SPR_POSTR_RAST"_s << 10 << u"Теплицы для выращивания цветов"_s;
}

void TestReferenceData::fixedIdentifiers()
{
    QFETCH(QString, book);
    QFETCH(int, id);
    QFETCH(QString, nameRus);
    QCOMPARE(column(m_tdb->db(), u"select NAME_RUS from %1 where ID = %2"_s.arg(book).arg(id)), QStringList{nameRus});
}

void TestReferenceData::populationReportNationalities_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("nameRus");
    const QList<std::pair<int, QString>> table = {
        {39365, u"Казах"_s},   {39361, u"Русский"_s},  {39362, u"Украинец"_s},      {39475, u"Немец"_s},
        {39363, u"Белорус"_s}, {39399, u"Татарин"_s},  {39477, u"Поляк"_s},         {39390, u"Ингуш"_s},
        {39402, u"Чеченец"_s}, {39378, u"Башкир"_s},   {39369, u"Молдаванин"_s},    {39367, u"Азербайджанец"_s},
        {39401, u"Удмурт"_s},  {39472, u"Кореец"_s},   {39396, u"Мариец"_s},        {39397, u"Мордвин"_s},
        {39373, u"Армянин"_s}, {39364, u"Узбек"_s},    {39482, u"Уйгур"_s},         {39371, u"Кыргыз"_s},
        {39372, u"Таджик"_s},  {39474, u"Курд"_s},     {39476, u"Перс"_s},          {39481, u"Турок"_s},
    };
    for (const auto &[id, name] : table)
        QTest::newRow(qPrintable(name)) << id << name;
}

// The population report counts these 24 IDs one by one; each must be a
// nationality the list offers.
void TestReferenceData::populationReportNationalities()
{
    QFETCH(int, id);
    QFETCH(QString, nameRus);
    QCOMPARE(column(m_tdb->db(), u"select NAME_RUS from KPU_SPR_KN where ID = %1 and CODE <> '000'"_s.arg(id)),
             QStringList{nameRus});
}

void TestReferenceData::nationalityListHidesCodeZero()
{
    const QSqlDatabase db = m_tdb->db();
    const QStringList all = column(db, u"select ID from KPU_SPR_KN"_s);
    const QStringList listed =
        column(db, u"select code||' '||name_rus from KPU_SPR_KN where code <> '000' order by orderby"_s);
    QCOMPARE(column(db, u"select count(*) from KPU_SPR_KN where CODE = '000'"_s), QStringList{u"1"_s});
    QCOMPARE(listed.size(), all.size() - 1);
    QVERIFY(listed.size() > 24);
    QCOMPARE(listed.at(0), u"005 Казах"_s);
    QCOMPARE(listed.at(1), u"001 Русский"_s);
    for (const QString &line : listed)
        QVERIFY2(!line.startsWith(u"000"), qPrintable(line));
}

void TestReferenceData::validListsDropWithdrawnRows_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<QStringList>("withdrawn");
    QTest::newRow("obsolete house types") << u"KPU_SPR_SPVOB"_s << QStringList{u"2"_s, u"3"_s};
    QTest::newRow("house situation") << u"KPU_SPR_HS"_s << QStringList{u"570"_s};
    QTest::newRow("reason of leaving") << u"KPU_SPR_HR"_s << QStringList{u"6"_s};
    QTest::newRow("machinery") << u"SPR_TEHNIKA"_s << QStringList{u"16"_s};
    QTest::newRow("equipment") << u"SPR_OBOR"_s << QStringList{u"14"_s};
    QTest::newRow("greenhouses among crop stores") << u"SPR_POSTR_RAST"_s << QStringList{u"9"_s, u"10"_s};
    QTest::newRow("livestock buildings") << u"SPR_POSTR_ZHIV"_s << QStringList{u"80"_s};
    QTest::newRow("machinery sheds") << u"KFH_SPR_POSTR_TEH"_s << QStringList{u"6"_s};
    QTest::newRow("oil tanks") << u"KFH_SPR_POSTR_OIL"_s << QStringList{u"5"_s};
}

// A withdrawn row stays in its book (records may still point at it) but a
// list that offers valid rows only leaves it out.
void TestReferenceData::validListsDropWithdrawnRows()
{
    QFETCH(QString, book);
    QFETCH(QStringList, withdrawn);
    const QSqlDatabase db = m_tdb->db();
    QStringList expected = column(db, u"select ID from %1 order by ID"_s.arg(book));
    for (const QString &id : withdrawn)
        QVERIFY2(expected.removeAll(id) == 1, qPrintable(id));
    QCOMPARE(column(db, u"select e.ID from %1 e"_s.arg(book) + ValidNow + u" order by e.ID"_s), expected);
}

// The activity lists take five-character codes only; the section, division
// and group rows above them are there to be refused.
void TestReferenceData::onlyFiveCharacterActivitiesCanBeChosen()
{
    const QSqlDatabase db = m_tdb->db();
    QVERIFY(column(db, u"select ID from KFH_SPR_OKED where char_length(CODE) = 5"_s).size() >= 10);
    QVERIFY(!column(db, u"select ID from KFH_SPR_OKED where char_length(CODE) <> 5"_s).isEmpty());
    QCOMPARE(column(db, u"select ID from KFH_SPR_OKED where char_length(CODE) = 5 and CODE similar to '%[^0-9]%'"_s),
             QStringList());
}

QTEST_GUILESS_MAIN(TestReferenceData)
#include "tst_referencedata.moc"

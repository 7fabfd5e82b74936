#include "app/AppException.h"
#include "app/BookNavigation.h"
#include "app/BookPages.h"
#include "app/Catalog.h"
#include "app/PageGuards.h"
#include "app/PeriodList.h"
#include "app/TFSelPeriod.h"
#include "app/TForm1.h"
#include "db/TFDM.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;
using Button = PromptPort::Button;
using Page = BookPages::Page;


namespace {

// An active household with members, land and livestock rows.
const QString ActiveWithSections = u"select c.ID from KPU_CATAL c join KPU_RZHF r on r.ID_KPU_CATAL = c.ID"
                                   " where coalesce(c.IS_DELETED, 0) <> 1 and coalesce(r.IS_RETIRED, 0) = 0"
                                   " and coalesce(r.HS_ID, 0) <> 18120912"
                                   " and exists (select 1 from KPU_SRN s where s.ID_KPU_CATAL = c.ID)"
                                   " and exists (select 1 from ZEM z where z.ID_CATAL = c.ID)"
                                   " and exists (select 1 from ZHIV z where z.ID_CATAL = c.ID)"
                                   " order by c.ID"_s;

// The demo okrug of the template marks no card deleted; a test marks one.
const QString MarkDeleted = u"update KPU_CATAL set IS_DELETED = 1 where ID = ?"_s;

const QList<Page> SectionPages = {Page::Members, Page::Land, Page::Livestock, Page::Machinery,
                                  Page::Additional, Page::Buildings};

bool pageEnabled(BookPages &pages, Page page)
{
    return pages.isTabEnabled(pages.indexOf(pages.page(page)));
}

// A click on the tab, as the user changes pages.
void clickTab(QTabWidget *tabs, int index)
{
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void putInEditing(Dataset &dataset)
{
    if (dataset.isEmpty())
        dataset.append();
    else
        dataset.edit();
}

QVariant firstValue(TFDM &fdm, const QString &sql)
{
    TFDM::compsql(fdm.WorkQuery, sql);
    return fdm.WorkQuery.isEmpty() ? QVariant() : fdm.WorkQuery.valueAt(0, fdm.WorkQuery.fields().constFirst().name);
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void activeHouseholdRule_data();
    void activeHouseholdRule();
    void tabSheetsReset_data();
    void tabSheetsReset();
    void farmBookEnablesItsPages();
    void periodHalfEditability_data();
    void periodHalfEditability();
    void periodChangeAppliesSettings();
    void landSettings_data();
    void landSettings();
    void pageGuards_data();
    void pageGuards();
    void nextSavesMembersAndMoves();
    void refreshActsWithoutQuestions();
    void enterKey_data();
    void enterKey();

private:
    // The program as start-up leaves it (household book, refresh steps run),
    // on `settlementId` in period `periodIndex`, without the start-up's dialogs.
    std::unique_ptr<TForm1> startForm(int periodIndex, int settlementId);
    std::unique_ptr<TForm1> startShown(int periodIndex, int settlementId);
    QList<int> ids(const QString &sql) const { return toInts(TestSql::column(m_tdb->db(), sql)); }
    int settlementOf(int cardId) const;
    static QList<int> toInts(const QStringList &texts);

    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<ScriptedPromptPort> m_port;
};

void TestNavigation::init()
{
    m_tdb = std::make_unique<TestDatabase>();
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    m_port = std::make_unique<ScriptedPromptPort>();
}

void TestNavigation::cleanup()
{
    m_port.reset();
    m_tdb.reset();
}

QList<int> TestNavigation::toInts(const QStringList &texts)
{
    QList<int> result;
    for (const QString &t : texts)
        result << t.toInt();
    return result;
}

int TestNavigation::settlementOf(int cardId) const
{
    return TestSql::scalar(m_tdb->db(), u"select KATO_ID from KPU_CATAL where ID = ?"_s, {cardId}).toInt();
}

std::unique_ptr<TForm1> TestNavigation::startForm(int periodIndex, int settlementId)
{
    const QString prefix = TestSql::scalar(m_tdb->db(), u"select KATO from KNIGA_PROPERTY"_s).toString().left(6);
    QSqlQuery settlement = TestSql::run(m_tdb->db(), u"select KATO, NAME from KNIGA_KATO where ID = ?"_s, {settlementId});
    settlement.next();
    const QString kato = settlement.value(0).toString();
    const QString name = settlement.value(1).toString();
    settlement = QSqlQuery();
    m_tdb->close(); // the program has the database to itself

    auto form = std::make_unique<TForm1>(*m_port, m_tdb->exeDir(), m_tdb->exeDir());
    WorkContext &ctx = form->context();
    ctx.FirstActivation = false;
    ctx.PeriodIndex = periodIndex;
    ctx.PeriodName = PeriodList::name(periodIndex);
    ctx.PeriodHalf = PeriodList::half(periodIndex);
    ctx.PeriodYear = PeriodList::yearOf(ctx.PeriodName);
    ctx.SettlementId = settlementId;
    ctx.SettlementKato = kato;
    ctx.SettlementName = name;
    TFDM &fdm = form->fdm();
    fdm.connectDatabase(m_tdb->path());
    fdm.TKnigaProperty.open();
    fdm.RefreshKato(prefix);
    fdm.ChangeKato(settlementId);
    form->IsKPUClick();
    form->FormActivate();
    return form;
}

std::unique_ptr<TForm1> TestNavigation::startShown(int periodIndex, int settlementId)
{
    auto form = startForm(periodIndex, settlementId);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the main window was not exposed");
    return form;
}

void TestNavigation::activeHouseholdRule_data()
{
    QTest::addColumn<QVariant>("isDeleted");
    QTest::addColumn<QVariant>("isRetired");
    QTest::addColumn<QVariant>("situation");
    QTest::addColumn<bool>("active");
    const QVariant none;
    QTest::newRow("lived in") << QVariant(0) << QVariant(0) << QVariant(1) << true;
    QTest::newRow("all missing") << none << none << none << true;
    QTest::newRow("deleted") << QVariant(1) << QVariant(0) << QVariant(1) << false;
    QTest::newRow("left") << QVariant(0) << QVariant(1) << none << false;
    QTest::newRow("empty house") << none << none << QVariant(18120912) << false;
}

void TestNavigation::activeHouseholdRule()
{
    QFETCH(QVariant, isDeleted);
    QFETCH(QVariant, isRetired);
    QFETCH(QVariant, situation);
    QFETCH(bool, active);
    QCOMPARE(BookNavigation::isActiveHousehold(isDeleted, isRetired, situation), active);
}

void TestNavigation::tabSheetsReset_data()
{
    QTest::addColumn<QString>("cardSql");
    QTest::addColumn<QString>("setupSql"); // run with the card's ID before start
    QTest::addColumn<bool>("sections");
    QTest::addColumn<bool>("housing");

    const QString withHousing = u"select c.ID from KPU_CATAL c join KPU_RZHF r on r.ID_KPU_CATAL = c.ID"
                                " where coalesce(c.IS_DELETED, 0) <> 1 and "_s;
    QTest::newRow("active") << ActiveWithSections << QString() << true << true;
    QTest::newRow("no housing row") << ActiveWithSections << u"delete from KPU_RZHF where ID_KPU_CATAL = ?"_s
                                    << true << true;
    QTest::newRow("deleted") << ActiveWithSections << MarkDeleted << false << false;
    QTest::newRow("dwelling left") << withHousing + u"r.IS_RETIRED = 1 order by c.ID"_s << QString() << false << true;
    QTest::newRow("empty house") << withHousing + u"r.IS_RETIRED = 0 and r.HS_ID = 18120912 order by c.ID"_s
                                 << QString() << false << true;
}

void TestNavigation::tabSheetsReset()
{
    QFETCH(QString, cardSql);
    QFETCH(QString, setupSql);
    QFETCH(bool, sections);
    QFETCH(bool, housing);

    const QList<int> cards = ids(cardSql);
    QVERIFY2(!cards.isEmpty(), "the demo okrug has such a card");
    const int card = cards.constFirst();
    if (!setupSql.isEmpty())
        TestSql::run(m_tdb->db(), setupSql, {card});
    auto form = startForm(0, settlementOf(card));
    BookPages &pages = form->pages();
    Dataset &list = form->fdm().TKPUCatal;
    QVERIFY(list.locate(u"ID"_s, card));

    // The opposite of what is expected, so that only the reset can set it right.
    for (Page page : SectionPages)
        pages.setPageEnabled(page, !sections);
    pages.setPageEnabled(Page::Housing, !housing);
    form->actions().ARefresh->trigger(); // a record action ends with the reset

    QCOMPARE(list.value(u"ID"_s).toInt(), card);
    for (Page page : SectionPages)
        QVERIFY2(pageEnabled(pages, page) == sections, qPrintable(pages.tabText(pages.indexOf(pages.page(page)))));
    QCOMPARE(pageEnabled(pages, Page::Housing), housing);
    QVERIFY(pageEnabled(pages, Page::HouseholdCard));
}

void TestNavigation::farmBookEnablesItsPages()
{
    const int card = ids(ActiveWithSections).value(0);
    QVERIFY(card != 0);
    TestSql::run(m_tdb->db(), MarkDeleted, {card});
    auto form = startForm(0, settlementOf(card));
    BookPages &pages = form->pages();
    pages.setPageEnabled(Page::Land, true);
    QVERIFY(form->fdm().TKPUCatal.locate(u"ID"_s, card)); // a move through the card list
    QVERIFY(!pageEnabled(pages, Page::Land));

    form->actions().AKfh->trigger();
    for (Page page : {Page::Land, Page::Livestock, Page::Machinery, Page::Additional, Page::Buildings})
        QVERIFY(pageEnabled(pages, page));
    form->TabSheetsReset(); // the household rule leaves the farm book alone
    QVERIFY(pageEnabled(pages, Page::Land));

    form->actions().AKpu->trigger(); // back on the deleted household
    QCOMPARE(form->fdm().TKPUCatal.value(u"ID"_s).toInt(), card);
    QVERIFY(!pageEnabled(pages, Page::Land));
    QVERIFY(!pageEnabled(pages, Page::Housing));
}

void TestNavigation::periodHalfEditability_data()
{
    QTest::addColumn<bool>("farmBook");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("trade premises, January") << false << 0 << u"TVTT"_s << false;
    QTest::newRow("trade premises, July") << false << 1 << u"TVTT"_s << true;
    QTest::newRow("housing, July") << false << 7 << u"TRZHF"_s << false;
    QTest::newRow("greenhouses, July") << false << 7 << u"TTepl"_s << false;
    QTest::newRow("farm money, January") << true << 2 << u"TMoney"_s << false;
    QTest::newRow("farm money, July") << true << 3 << u"TMoney"_s << true;
    QTest::newRow("oil tanks, July") << true << 3 << u"TPostrOil"_s << true;
    QTest::newRow("machinery sheds, July") << true << 3 << u"TPostrTeh"_s << true;
    QTest::newRow("farm machinery, July") << true << 3 << u"TTeh"_s << false;
}

void TestNavigation::periodHalfEditability()
{
    QFETCH(bool, farmBook);
    QFETCH(int, period);
    QFETCH(QString, section);
    QFETCH(bool, readOnly);

    const int card = ids(ActiveWithSections).value(0);
    auto form = startForm(period, settlementOf(card));
    if (farmBook)
        form->actions().AKfh->trigger();
    Dataset &dataset = form->fdm().section(section);
    QVERIFY(dataset.isActive());
    m_port->clearRecord();
    const bool changed = guarded(form->port(), [&] { dataset.append(); });
    QCOMPARE(changed, !readOnly);
    if (readOnly) {
        QCOMPARE(m_port->texts(), QStringList{catalog(u"a21"_s)});
        QCOMPARE(m_port->lastMessage().icon, PromptPort::Icon::Critical);
        QVERIFY(!dataset.isEditing());
    } else {
        QVERIFY(m_port->messages().isEmpty());
        dataset.cancel();
    }
}

void TestNavigation::periodChangeAppliesSettings()
{
    const int card = ids(ActiveWithSections).value(0);
    const int settlement = settlementOf(card);
    const QStringList settlements = TestSql::column(
        m_tdb->db(), u"select ID from KNIGA_KATO where substring(kato from 1 for 6) = "
                     "(select substring(KATO from 1 for 6) from KNIGA_PROPERTY) and substring(kato from 7 for 3) <> '000'"_s);
    const int row = settlements.indexOf(QString::number(settlement));
    QVERIFY(row >= 0);
    auto choose = [row](int period) {
        return [=](QDialog &dialog) {
            auto &selPeriod = dynamic_cast<TFSelPeriod &>(dialog);
            selPeriod.periodList()->setCurrentRow(period);
            selPeriod.settlementBox()->setCurrentIndex(row);
            return int(QDialog::Accepted);
        };
    };

    auto form = startForm(0, settlement);
    Dataset &trade = form->fdm().section(u"TVTT"_s);
    QVERIFY(!trade.isReadOnly());
    QSignalSpy land(&form->navigation(), &BookNavigation::landSettingsChanged);

    m_port->onExec(choose(7));
    form->actions().AChangePeriod->trigger();
    QCOMPARE(form->context().PeriodHalf, u"2"_s);
    QVERIFY(trade.isReadOnly());
    QVERIFY(!land.isEmpty());
    QVERIFY(form->navigation().landSettings().july);
    QCOMPARE(form->navigation().landSettings().totalCaption, u"А. Всего земли, в кв. м."_s);

    m_port->onExec(choose(6));
    form->actions().AChangePeriod->trigger();
    QVERIFY(!trade.isReadOnly());
    QVERIFY(!form->navigation().landSettings().july);

    // Every activation applies the settings again.
    form->context().PeriodHalf = u"2"_s;
    form->FormActivate();
    QVERIFY(trade.isReadOnly());
}

void TestNavigation::landSettings_data()
{
    QTest::addColumn<Book>("book");
    QTest::addColumn<QString>("half");
    QTest::addColumn<bool>("takenEnabled");
    QTest::addColumn<QVariant>("takenShown");   // invalid: left as it is
    QTest::addColumn<QVariant>("totalsEnabled"); // invalid: left as it is
    QTest::addColumn<bool>("sownShown");
    QTest::addColumn<int>("datePlace");
    QTest::addColumn<QString>("totalCaption");

    using P = LandPeriodSettings::DatePlace;
    const QVariant same;
    QTest::newRow("household January") << Book::Household << u"1"_s << false << QVariant(false) << same << false
                                       << int(P::UnderInTotal) << catalog(u"zem_vsego_kpu"_s);
    QTest::newRow("household July") << Book::Household << u"2"_s << true << QVariant(true) << QVariant(false) << true
                                    << int(P::UnderTakenByKind) << u"А. Всего земли, в кв. м."_s;
    QTest::newRow("farm January") << Book::Farm << u"1"_s << false << same << same << false
                                  << int(P::UnderTakenLand) << catalog(u"zem_vsego_kfh"_s);
    QTest::newRow("farm July") << Book::Farm << u"2"_s << true << same << QVariant(false) << true
                               << int(P::UnderTakenLand) << u"А. Всего земли, в га"_s;
}

void TestNavigation::landSettings()
{
    QFETCH(Book, book);
    QFETCH(QString, half);
    QFETCH(bool, takenEnabled);
    QFETCH(QVariant, takenShown);
    QFETCH(QVariant, totalsEnabled);
    QFETCH(bool, sownShown);
    QFETCH(int, datePlace);
    QFETCH(QString, totalCaption);

    auto toVariant = [](std::optional<bool> v) { return v ? QVariant(*v) : QVariant(); };
    const LandPeriodSettings s = LandPeriodSettings::forPeriod(book, half);
    QCOMPARE(s.takenByKindEnabled, takenEnabled);
    QCOMPARE(toVariant(s.takenByKindShown), takenShown);
    QCOMPARE(toVariant(s.totalsEnabled), totalsEnabled);
    QCOMPARE(toVariant(s.inTotalAndRentEnabled), half == u"1"_s ? QVariant(true) : QVariant());
    QCOMPARE(s.sownAreaShown, sownShown);
    QCOMPARE(int(s.actualDatePlace), datePlace);
    QCOMPARE(s.totalCaption, totalCaption);
}

void TestNavigation::pageGuards_data()
{
    QTest::addColumn<QString>("row");          // main, machinery, buildings
    QTest::addColumn<QStringList>("editing");  // datasets put in editing, in this order
    QTest::addColumn<int>("from");             // a Page of the main row, or a sub-page index
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<Button>>("answers");
    QTest::addColumn<QStringList>("keys");     // the questions' messages, in order
    QTest::addColumn<bool>("stays");
    QTest::addColumn<QStringList>("stillEditing");

    using B = Button;
    const QString main = u"main"_s;
    const QStringList landAndLivestock = {u"TZHIV"_s, u"TZEM"_s};
    QTest::newRow("land and livestock: land first") << main << landAndLivestock << int(Page::Land)
                                                    << int(Page::Livestock) << QList<B>{B::No, B::No}
                                                    << QStringList{u"a39"_s, u"a40"_s} << false << landAndLivestock;
    QTest::newRow("Cancel keeps the page") << main << QStringList{u"TZEM"_s} << int(Page::Land) << int(Page::Livestock)
                                           << QList<B>{B::Cancel} << QStringList{u"a39"_s} << true
                                           << QStringList{u"TZEM"_s};
    QTest::newRow("Cancel, later questions still asked")
        << main << landAndLivestock << int(Page::Land) << int(Page::HouseholdCard) << QList<B>{B::Cancel, B::No}
        << QStringList{u"a39"_s, u"a40"_s} << true << landAndLivestock;
    QTest::newRow("land saved, livestock left editing keeps the page")
        << main << landAndLivestock << int(Page::Land) << int(Page::Livestock) << QList<B>{B::Yes, B::No}
        << QStringList{u"a39"_s, u"a40"_s} << true << QStringList{u"TZHIV"_s};
    QTest::newRow("members saved keep the page") << main << QStringList{u"TSRN"_s} << int(Page::Members)
                                                 << int(Page::Land) << QList<B>{B::Yes} << QStringList{u"a34"_s}
                                                 << true << QStringList{};
    QTest::newRow("temporary residents not asked after members")
        << main << QStringList{u"TSRN"_s, u"TSRN2"_s} << int(Page::Members) << int(Page::Land) << QList<B>{B::No}
        << QStringList{u"a34"_s} << false << QStringList{u"TSRN"_s, u"TSRN2"_s};
    QTest::newRow("temporary residents alone") << main << QStringList{u"TSRN2"_s} << int(Page::Members)
                                               << int(Page::Land) << QList<B>{B::No} << QStringList{u"a35"_s} << false
                                               << QStringList{u"TSRN2"_s};
    QTest::newRow("main row: first unsaved building only")
        << main << QStringList{u"TPostrZhiv"_s, u"tPostrRast"_s, u"TTepl"_s} << int(Page::Buildings)
        << int(Page::Land) << QList<B>{B::No} << QStringList{u"a43"_s} << false
        << QStringList{u"TPostrZhiv"_s, u"tPostrRast"_s, u"TTepl"_s};
    QTest::newRow("main row: equipment only without machinery")
        << main << QStringList{u"TObor"_s, u"TVTT"_s} << int(Page::Land) << int(Page::Livestock)
        << QList<B>{B::No, B::No} << QStringList{u"a42"_s, u"a48"_s} << false << QStringList{u"TObor"_s, u"TVTT"_s};
    QTest::newRow("machinery sub-pages ask both") << u"machinery"_s << QStringList{u"TObor"_s, u"TTeh"_s} << 0 << 1
                                                  << QList<B>{B::No, B::No} << QStringList{u"a41"_s, u"a42"_s}
                                                  << false << QStringList{u"TObor"_s, u"TTeh"_s};
    QTest::newRow("buildings sub-pages ask each")
        << u"buildings"_s << QStringList{u"TTepl"_s, u"tPostrRast"_s, u"TPostrZhiv"_s} << 0 << 1
        << QList<B>{B::No, B::No, B::No} << QStringList{u"a43"_s, u"a44"_s, u"a47"_s} << false
        << QStringList{u"TTepl"_s, u"tPostrRast"_s, u"TPostrZhiv"_s};
    QTest::newRow("buildings sub-pages: Cancel keeps the sub-page")
        << u"buildings"_s << QStringList{u"TTepl"_s} << 0 << 1 << QList<B>{B::Cancel} << QStringList{u"a47"_s}
        << true << QStringList{u"TTepl"_s};
    QTest::newRow("nothing unsaved: no question") << main << QStringList{} << int(Page::Land) << int(Page::Livestock)
                                                  << QList<B>{} << QStringList{} << false << QStringList{};
}

void TestNavigation::pageGuards()
{
    QFETCH(QString, row);
    QFETCH(QStringList, editing);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<Button>, answers);
    QFETCH(QStringList, keys);
    QFETCH(bool, stays);
    QFETCH(QStringList, stillEditing);

    const int card = ids(ActiveWithSections).value(0);
    auto form = startShown(0, settlementOf(card));
    TFDM &fdm = form->fdm();
    QVERIFY(fdm.TKPUCatal.locate(u"ID"_s, card));
    BookPages &pages = form->pages();

    QTabWidget *tabs = &pages;
    int fromIndex = from;
    int toIndex = to;
    if (row == u"main"_s) {
        fromIndex = pages.indexOf(pages.page(Page(from)));
        toIndex = pages.indexOf(pages.page(Page(to)));
    } else {
        tabs = row == u"machinery"_s ? qobject_cast<QTabWidget *>(pages.page(Page::Machinery)) : pages.buildingsTabs();
        QVERIFY(tabs);
        pages.setCurrentWidget(pages.page(row == u"machinery"_s ? Page::Machinery : Page::Buildings));
    }
    tabs->setCurrentIndex(fromIndex); // the program's own change asks nothing
    QCOMPARE(tabs->currentIndex(), fromIndex);
    for (const QString &name : editing) {
        putInEditing(fdm.section(name));
        QVERIFY2(fdm.section(name).isEditing(), qPrintable(name));
    }
    QVERIFY(m_port->messages().isEmpty());

    for (Button answer : answers)
        m_port->answer(answer);
    clickTab(tabs, toIndex);

    QStringList expected;
    for (const QString &key : keys)
        expected << catalog(key) + u". "_s + catalog(u"sohranit"_s) + u"?"_s;
    QCOMPARE(m_port->texts(), expected);
    QCOMPARE(m_port->pendingAnswers(), 0);
    for (const PromptPort::Message &m : m_port->messages()) {
        QCOMPARE(m.title, u"Внимание"_s);
        QCOMPARE(m.icon, PromptPort::Icon::Question);
        QCOMPARE(m.buttons, PromptPort::Buttons(Button::Yes | Button::No | Button::Cancel));
    }
    QCOMPARE(tabs->currentIndex(), stays ? fromIndex : toIndex);
    for (const QString &name : editing)
        QVERIFY2(fdm.section(name).isEditing() == stillEditing.contains(name), qPrintable(name));
}

void TestNavigation::nextSavesMembersAndMoves()
{
    // Not a one-flat house, whose flat rule would leave the card to be saved too.
    const QList<int> candidates =
        ids(QString(ActiveWithSections).replace(u" order by"_s, u" and coalesce(r.SPVOB_ID, 0) <> 1 order by"_s));
    QVERIFY(!candidates.isEmpty());
    auto form = startForm(0, settlementOf(candidates.constFirst()));
    TFDM &fdm = form->fdm();
    Dataset &list = fdm.TKPUCatal;
    // A card of the settlement with members that is not the last one.
    int row = -1;
    for (int r = 0; r + 1 < list.recordCount() && row < 0; ++r) {
        if (candidates.contains(list.valueAt(r, u"ID"_s).toInt()))
            row = r;
    }
    QVERIFY(row >= 0);
    list.moveTo(row);
    const int nextId = list.valueAt(row + 1, u"ID"_s).toInt();

    Dataset &members = fdm.section(u"TSRN"_s);
    QVERIFY(!members.isEmpty());
    const QVariant memberId = members.value(u"ID"_s);
    members.edit();
    members.setValue(u"OT"_s, u"ПРОВЕРОЧНЫЙ"_s);
    m_port->answer(Button::Yes);
    QVERIFY(form->actions().ANext->isEnabled());
    form->actions().ANext->trigger();

    QCOMPARE(m_port->texts(), QStringList{PageGuards::questionText(u"a34"_s)});
    QCOMPARE(list.value(u"ID"_s).toInt(), nextId);
    QCOMPARE(firstValue(fdm, u"select OT from KPU_SRN where ID = "_s + memberId.toString()).toString(),
             u"ПРОВЕРОЧНЫЙ"_s);
    QCOMPARE(members.param(u"IDKPU"_s).toInt(), nextId);
}

void TestNavigation::refreshActsWithoutQuestions()
{
    // "Обновить" acts at once: the unsaved land is neither asked about nor saved.
    const int card = ids(ActiveWithSections).value(0);
    auto form = startForm(0, settlementOf(card));
    QVERIFY(form->fdm().TKPUCatal.locate(u"ID"_s, card));
    Dataset &land = form->fdm().section(u"TZEM"_s);
    land.edit();
    form->actions().ARefresh->trigger();
    QVERIFY(m_port->messages().isEmpty());
    QCOMPARE(form->fdm().TKPUCatal.value(u"ID"_s).toInt(), card);
}

void TestNavigation::enterKey_data()
{
    QTest::addColumn<bool>("grid");
    QTest::newRow("grid keeps the focus") << true;
    QTest::newRow("field passes the focus on") << false;
}

void TestNavigation::enterKey()
{
    QFETCH(bool, grid);
    const int card = ids(ActiveWithSections).value(0);
    auto form = startShown(0, settlementOf(card));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    QWidget *start = nullptr;
    if (grid) {
        for (QTableView *view : form->findChildren<QTableView *>()) {
            if (view->isVisible()) {
                start = view;
                break;
            }
        }
    } else {
        // Any control that takes the focus by Tab and is no grid nor part of one.
        for (QWidget *w : form->findChildren<QWidget *>()) {
            bool inGrid = false;
            for (QWidget *p = w; p; p = p->parentWidget())
                inGrid = inGrid || qobject_cast<QAbstractItemView *>(p);
            if (!inGrid && !w->focusProxy() && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                start = w;
                break;
            }
        }
    }
    QVERIFY(start);
    start->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Return);
    if (grid)
        QCOMPARE(QApplication::focusWidget(), start);
    else
        QVERIFY(QApplication::focusWidget() != start && QApplication::focusWidget()->window() == form.get());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"

#include "app/AppException.h"
#include "app/Catalog.h"
#include "app/HeaderStrip.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/PeriodList.h"
#include "app/SingleInstance.h"
#include "app/TFSelPeriod.h"
#include "app/TFlogin.h"
#include "app/TForm1.h"
#include "app/TFproper.h"
#include "app/TFselkato.h"
#include "db/TFDM.h"
#include "db/demo/DemoOkrug.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;
using Button = PromptPort::Button;

namespace {

// The database copy of one test, with the settlements of its okrug.
struct Okrug
{
    QString prefix;                  // first six digits of the okrug's KATO
    QList<SettlementChoice> settlements; // in the order of the settlement list
};

Okrug readOkrug(const QSqlDatabase &db)
{
    Okrug okrug;
    QSqlQuery q(db);
    q.exec(u"select KATO from KNIGA_PROPERTY"_s);
    if (q.next())
        okrug.prefix = q.value(0).toString().left(6);
    q.prepare(u"select KATO, NAME, ID from KNIGA_KATO where substring(kato from 1 for 6) = ?"
              " and substring(kato from 7 for 3) <> '000'"_s);
    q.addBindValue(okrug.prefix);
    q.exec();
    while (q.next())
        okrug.settlements << SettlementChoice{q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()};
    return okrug;
}

// Answers the period dialog with the period `index` and the settlement in
// row `settlementRow` of its list (-1: none).
ScriptedPromptPort::ExecScript choosePeriod(int index, int settlementRow)
{
    return [=](QDialog &dialog) {
        auto &selPeriod = dynamic_cast<TFSelPeriod &>(dialog);
        selPeriod.periodList()->setCurrentRow(index);
        selPeriod.settlementBox()->setCurrentIndex(settlementRow);
        return int(QDialog::Accepted);
    };
}

// The login every start-up of these tests passes with.
const QString TestLogin = u"operator"_s;

// Answers the login dialog with TestLogin and the demo database's password.
ScriptedPromptPort::ExecScript logIn()
{
    return [](QDialog &dialog) {
        auto &login = dynamic_cast<TFlogin &>(dialog);
        login.setLogin(TestLogin);
        login.passwordEdit()->setText(QString::fromLatin1(DemoOkrug::Password));
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusals_data();
    void refusals();
    void periodDialogCancelEndsSilently();
    void confirmWithoutSettlementEnds();
    void wholeStartupOpensHouseholdBook();
    void changePeriodAndKatoShowsOtherSettlement();
    void captionForBothBooks_data();
    void captionForBothBooks();
    void periodHalfAndYear_data();
    void periodHalfAndYear();
    void compsqlSeesPostedCard();
    void readOnlySectionEditShowsA21();
    void settlementListLeavesOutOkrugRow();
    void katoDialogPreselectsTheOkrug();
    void firstRunStoresTheChosenOkrug();
    void closingLogsAndDisconnects();

private:
    std::unique_ptr<TForm1> startForm();
    QStringList logLines() const { return m_log; }

    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<ScriptedPromptPort> m_port;
    Okrug m_okrug;
    QStringList m_log;
};

void TestStartup::init()
{
    m_tdb = std::make_unique<TestDatabase>();
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    m_okrug = readOkrug(m_tdb->db());
    QVERIFY(m_okrug.settlements.size() >= 2);
    m_port = std::make_unique<ScriptedPromptPort>();
    m_log.clear();
    TLogManager::GetInstance().OnLogEvent = [this](const QString &line, TLogMsgType) { m_log << line; };
}

void TestStartup::cleanup()
{
    TLogManager::GetInstance().OnLogEvent = nullptr;
    m_port.reset();
    m_tdb.reset();
}

std::unique_ptr<TForm1> TestStartup::startForm()
{
    m_tdb->close(); // the program has the database to itself
    return std::make_unique<TForm1>(*m_port, m_tdb->exeDir(), m_tdb->exeDir());
}

void TestStartup::refusals_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("second copy") << u"second copy"_s << u"Приложение уже работает!"_s
                                 << u"[Info]: Приложение уже работает!"_s;
    QTest::newRow("lock in force") << u"lock"_s << u"Система заблокированна на 5 минут."_s
                                   << u"[Error]: Система заблокированна на 5 минут."_s;
    QTest::newRow("no version row") << u"drop ver"_s
                                    << u"Неопределена версия базы. Возможно база не была обновлена"_s
                                    << u"[Error]: Неопределена версия базы. Возможно база не была обновлена"_s;
    QTest::newRow("other version") << u"3.211"_s << u"Несоответствие версии базы с версией исполняемого файла"_s
                                   << u"[Error]: Несоответствие версии базы с версией исполняемого файла"_s;
}

void TestStartup::refusals()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    QFETCH(QString, logLine);

    SingleInstance otherCopy(m_tdb->exeDir());
    if (setup == u"second copy"_s) {
        QVERIFY(otherCopy.acquire());
    } else if (setup == u"lock"_s) {
        WorkContext locked;
        locked.ExeDir = m_tdb->exeDir();
        locked.FailedLogins = 3;
        saveIniErr(locked); // the lock runs five minutes from now
    } else {
        QSqlQuery q(m_tdb->db());
        const QString sql = setup == u"drop ver"_s ? u"drop table VER"_s : u"update VER set BVERSION = '3.211'"_s;
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
    }

    auto form = startForm();
    if (!form->isEnding())
        form->FormActivate();
    QVERIFY(form->isEnding());
    QCOMPARE(m_port->lastMessage().text, message);
    QCOMPARE(m_port->execCount(), 0); // no login, no period dialog
    QVERIFY2(logLines().size() == 1 && logLines().constFirst().endsWith(logLine), qPrintable(logLines().join(u'\n')));
    if (setup != u"second copy"_s) {
        QSettings ini(iniFileName(m_tdb->exeDir()), QSettings::IniFormat);
        QVERIFY2(ini.contains(u"LASTERRDATE/last"_s), "the refusal is recorded in the settings file");
    }
}

void TestStartup::periodDialogCancelEndsSilently()
{
    m_port->onExec(logIn());
    m_port->onExec([](QDialog &) { return int(QDialog::Rejected); });
    auto form = startForm();
    form->FormActivate();
    QVERIFY(form->isEnding());
    QVERIFY(m_port->messages().isEmpty());
}

void TestStartup::confirmWithoutSettlementEnds()
{
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(3, -1));
    auto form = startForm();
    form->FormActivate();
    QVERIFY(form->isEnding());
    QVERIFY(m_port->messages().isEmpty());
    QVERIFY(logLines().join(u'\n').contains(u"Период год: 2013"_s));
}

void TestStartup::wholeStartupOpensHouseholdBook()
{
    const SettlementChoice chosen = m_okrug.settlements.at(1);
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(7, 1));
    auto form = startForm();
    form->FormActivate();
    QVERIFY(!form->isEnding());
    QVERIFY2(m_port->messages().isEmpty(), qPrintable(m_port->texts().join(u'\n')));

    const WorkContext &ctx = form->context();
    QCOMPARE(ctx.PeriodIndex, 7);
    QCOMPARE(ctx.PeriodName, u"Июль 2015"_s);
    QCOMPARE(ctx.PeriodHalf, u"2"_s);
    QCOMPARE(ctx.SettlementId, chosen.id);
    QCOMPARE(form->openBook(), Book::Household);
    QCOMPARE(form->windowTitle(), u"Ловарник (Версия3.21) : Июль 2015/ "_s + chosen.name);
    QCOMPARE(form->actions().statusField->text(), chosen.kato + u' ' + ctx.OkrugName);

    // The household list holds the chosen settlement's cards, and only them.
    Dataset &list = form->fdm().TKPUCatal;
    QVERIFY(list.recordCount() > 0);
    for (int row = 0; row < list.recordCount(); ++row)
        QCOMPARE(list.valueAt(row, u"KATO_ID"_s).toInt(), chosen.id);
    QCOMPARE(form->header().householdText(u"ID"_s), list.value(u"ID"_s).toString());
    QCOMPARE(form->fdm().section(u"TSRN"_s).param(u"IDKPU"_s), list.value(u"ID"_s));

    const QStringList expectedLog = {
        u"[Info]: Пользователь авторизован в системе по измененному паролю! "_s + TestLogin,
        u"[Info]: Период: 7"_s,
        u"[Info]: Период год: 2015"_s,
        u"[Info]: КАТО код: "_s + chosen.kato,
        u"[Info]: КАТО наименование: "_s + chosen.name,
        u"[Info]: КАТО айди: "_s + QString::number(chosen.id),
    };
    QCOMPARE(logLines().size(), expectedLog.size());
    for (int i = 0; i < expectedLog.size(); ++i)
        QVERIFY2(logLines().at(i).endsWith(expectedLog.at(i)), qPrintable(logLines().at(i)));

    QSettings ini(iniFileName(m_tdb->exeDir()), QSettings::IniFormat);
    QCOMPARE(ini.value(u"PERIOD/last"_s).toInt(), 7);
}

void TestStartup::changePeriodAndKatoShowsOtherSettlement()
{
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(0, 0));
    auto form = startForm();
    form->FormActivate();
    QVERIFY(!form->isEnding());

    const SettlementChoice other = m_okrug.settlements.at(1);
    m_port->onExec(choosePeriod(29, 1));
    form->actions().AChangePeriod->trigger();
    QCOMPARE(form->context().SettlementId, other.id);
    QCOMPARE(form->windowTitle(), u"Ловарник (Версия3.21) : Июль 2026/ "_s + other.name);
    Dataset &list = form->fdm().TKPUCatal;
    QVERIFY(list.recordCount() > 0);
    for (int row = 0; row < list.recordCount(); ++row)
        QCOMPARE(list.valueAt(row, u"KATO_ID"_s).toInt(), other.id);

    // The farm book follows the settlement too.
    form->actions().AKfh->trigger();
    QCOMPARE(form->openBook(), Book::Farm);
    QVERIFY(form->windowTitle().startsWith(u"Книга крестьянских хозяйств (Версия3.21) : Июль 2026/ "_s));
    Dataset &farms = form->fdm().TKFHCatal;
    for (int row = 0; row < farms.recordCount(); ++row)
        QCOMPARE(farms.valueAt(row, u"KATO_ID"_s).toInt(), other.id);
}

void TestStartup::captionForBothBooks_data()
{
    QTest::addColumn<Book>("book");
    QTest::addColumn<QString>("caption");
    QTest::newRow("household") << Book::Household << u"Ловарник (Версия3.21) : Январь 2012/ Аул"_s;
    QTest::newRow("farm") << Book::Farm << u"Книга крестьянских хозяйств (Версия3.21) : Январь 2012/ Аул"_s;
}

void TestStartup::captionForBothBooks()
{
    QFETCH(Book, book);
    QFETCH(QString, caption);
    QCOMPARE(TForm1::captionFor(book, u"Январь 2012"_s, u"Аул"_s), caption);
}

void TestStartup::periodHalfAndYear_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("half");
    QTest::addColumn<QString>("year");
    QTest::newRow("0") << 0 << u"Январь 2012"_s << u"1"_s << u"2012"_s;
    QTest::newRow("7") << 7 << u"Июль 2015"_s << u"2"_s << u"2015"_s;
    QTest::newRow("29") << 29 << u"Июль 2026"_s << u"2"_s << u"2026"_s;
}

void TestStartup::periodHalfAndYear()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, half);
    QFETCH(QString, year);
    QCOMPARE(PeriodList::names().size(), 30);
    QCOMPARE(PeriodList::name(index), name);
    QCOMPARE(PeriodList::half(index), half);
    QCOMPARE(PeriodList::yearOf(name), year);
}

void TestStartup::compsqlSeesPostedCard()
{
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(0, 0));
    auto form = startForm();
    form->FormActivate();
    TFDM &fdm = form->fdm();
    Dataset &list = fdm.TKPUCatal;
    list.append();
    list.setValue(u"LS"_s, u"777001"_s);
    list.setValue(u"STREET"_s, u"ТЕСТОВАЯ"_s);
    list.setValue(u"HOUSE"_s, u"1"_s);
    list.setValue(u"KATO_ID"_s, form->context().SettlementId);
    list.post();

    TFDM::compsql(fdm.WorkQuery, u"select count(*) from KPU_CATAL where LS = '777001'"_s);
    QCOMPARE(fdm.WorkQuery.valueAt(0, fdm.WorkQuery.fields().constFirst().name).toInt(), 1);
}

void TestStartup::readOnlySectionEditShowsA21()
{
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(0, 0));
    auto form = startForm();
    form->FormActivate();
    form->fdm().setSectionEditable(u"TVTT"_s, false);
    Dataset &trade = form->fdm().section(u"TVTT"_s);
    QVERIFY(trade.isReadOnly());
    QVERIFY(!guarded(form->port(), [&] { trade.append(); }));
    QCOMPARE(m_port->lastMessage().text, catalog(u"a21"_s));
    QCOMPARE(m_port->lastMessage().icon, PromptPort::Icon::Critical);
}

void TestStartup::settlementListLeavesOutOkrugRow()
{
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(0, 0));
    auto form = startForm();
    form->FormActivate();
    Dataset &settlements = form->fdm().TKnigaKato;
    QCOMPARE(settlements.recordCount(), m_okrug.settlements.size());
    for (int row = 0; row < settlements.recordCount(); ++row) {
        const QString kato = settlements.valueAt(row, u"KATO"_s).toString();
        QVERIFY(kato.startsWith(m_okrug.prefix));
        QVERIFY(!kato.endsWith(u"000"_s));
    }
}

void TestStartup::katoDialogPreselectsTheOkrug()
{
    m_tdb->close();
    WorkContext ctx;
    TFDM fdm(ctx);
    fdm.connectDatabase(m_tdb->path());
    TFselkato dialog(fdm.session());
    dialog.prepare(m_okrug.prefix);
    QCOMPARE(dialog.regionBox()->currentData().toString(), m_okrug.prefix.left(2) + u"0000000"_s);
    QCOMPARE(dialog.districtBox()->currentData().toString(), m_okrug.prefix.left(4) + u"00000"_s);
    QCOMPARE(dialog.okrugBox()->currentData().toString(), m_okrug.prefix + u"000"_s);
    QVERIFY(!dialog.okrugName().isEmpty());

    // Choosing the okrug offers its settlements.
    emit dialog.okrugBox()->activated(dialog.okrugBox()->currentIndex());
    QCOMPARE(dialog.settlementBox()->count(), m_okrug.settlements.size());
    fdm.disconnectDatabase();
}

void TestStartup::firstRunStoresTheChosenOkrug()
{
    QSqlQuery(m_tdb->db()).exec(u"delete from KNIGA_PROPERTY"_s);
    QString okrugName;
    m_port->onExec(logIn());
    // The settings dialog: "Выбрать", the okrug in the KATO dialog, then "Закрыть".
    m_port->onExec([&](QDialog &dialog) {
        auto &proper = dynamic_cast<TFproper &>(dialog);
        proper.chooseOkrug();
        proper.closeButton()->click();
        return int(QDialog::Accepted);
    });
    m_port->onExec([&](QDialog &dialog) {
        auto &selkato = dynamic_cast<TFselkato &>(dialog);
        auto pick = [](QComboBox *box, const QString &code) {
            box->setCurrentIndex(box->findData(code));
            emit box->activated(box->currentIndex());
        };
        pick(selkato.regionBox(), m_okrug.prefix.left(2) + u"0000000"_s);
        pick(selkato.districtBox(), m_okrug.prefix.left(4) + u"00000"_s);
        pick(selkato.okrugBox(), m_okrug.prefix + u"000"_s);
        okrugName = selkato.okrugName();
        return int(QDialog::Accepted);
    });
    m_port->onExec(choosePeriod(0, 0));

    auto form = startForm();
    form->FormActivate();
    QVERIFY2(!form->isEnding(), qPrintable(m_port->texts().join(u'\n')));
    Dataset &property = form->fdm().TKnigaProperty;
    QCOMPARE(property.recordCount(), 1);
    QCOMPARE(property.value(u"KATO"_s).toString(), m_okrug.prefix + u"000"_s);
    QCOMPARE(property.value(u"NAME_SO"_s).toString(), okrugName);
    QCOMPARE(form->context().OkrugName, okrugName);
}

void TestStartup::closingLogsAndDisconnects()
{
    m_port->onExec(logIn());
    m_port->onExec(choosePeriod(0, 0));
    auto form = startForm();
    form->FormActivate();
    m_log.clear();
    form->close();
    QCOMPARE(m_log.size(), 1);
    QVERIFY2(m_log.constFirst().endsWith(u"[Info]: Пользователь "_s + TestLogin + u" Приложение было закрыто! "_s), qPrintable(m_log.constFirst()));
    QVERIFY(!form->fdm().isConnected());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

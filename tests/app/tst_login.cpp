#include "app/Catalog.h"
#include "app/DerivedPassword.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/LoginCheck.h"
#include "app/StartupLogin.h"
#include "app/TFSelPeriod.h"
#include "app/TFlogin.h"
#include "app/TForm1.h"
#include "app/TfrmResetPassword.h"
#include "db/Connection.h"
#include "db/TFDM.h"
#include "db/demo/DemoOkrug.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"
#include "support/TestSql.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString DemoPassword = QString::fromLatin1(DemoOkrug::Password);
const QString WrongPassword = u"wrong-password"_s;

// The fixed letter `index` of the derived password in the case asked for.
QString fixedLetter(int index, bool upper)
{
    const QString letter = QString(QLatin1Char(DerivedPassword::Letters[index]));
    return upper ? letter.toUpper() : letter.toLower();
}

// VER as a second connection sees it while the program's is still open: only
// what the program committed. PWD, with the row count and version beside it.
struct VerRow
{
    QString pwd;
    int rows = 0;
    QString version;
};

VerRow committedVer(const QString &path)
{
    VerRow row;
    {
        QString error;
        QSqlDatabase db = Connection::open(u"peek"_s, path, &error);
        if (!db.isOpen())
            qFatal("cannot reopen %s: %s", qPrintable(path), qPrintable(error));
        row.pwd = TestSql::scalar(db, u"select PWD from VER"_s).toString();
        row.rows = TestSql::scalar(db, u"select count(*) from VER"_s).toInt();
        row.version = TestSql::scalar(db, u"select BVERSION from VER"_s).toString();
    }
    Connection::close(u"peek"_s);
    return row;
}

// Answers the login dialog with a pair.
ScriptedPromptPort::ExecScript answerLogin(const QString &login, const QString &password)
{
    return [=](QDialog &dialog) {
        auto &d = dynamic_cast<TFlogin &>(dialog);
        d.loginEdit()->setText(login);
        d.passwordEdit()->setText(password);
        d.okButton()->click();
        return int(QDialog::Accepted);
    };
}

ScriptedPromptPort::ExecScript cancelDialog()
{
    return [](QDialog &) { return int(QDialog::Rejected); };
}

// The period dialog: the first period and the first settlement.
ScriptedPromptPort::ExecScript firstPeriod()
{
    return [](QDialog &dialog) {
        auto &selPeriod = dynamic_cast<TFSelPeriod &>(dialog);
        selPeriod.periodList()->setCurrentRow(0);
        selPeriod.settlementBox()->setCurrentIndex(0);
        return int(QDialog::Accepted);
    };
}

// Fills the change-password dialog and presses "Изменить".
ScriptedPromptPort::ExecScript changePassword(const QString &oldPwd, const QString &newPwd, const QString &confirm)
{
    return [=](QDialog &dialog) {
        auto &d = dynamic_cast<TfrmResetPassword &>(dialog);
        d.oldPasswordEdit()->setText(oldPwd);
        d.newPasswordEdit()->setText(newPwd);
        d.confirmationEdit()->setText(confirm);
        d.changeButton()->click();
        return int(QDialog::Rejected); // not reached: the button closes the dialog
    };
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void derivedPassword_data();
    void derivedPassword();
    void checklogin_data();
    void checklogin();
    void earlierLoginIsReported();
    void apostropheStoredExactly_data();
    void apostropheStoredExactly();
    void changePasswordRules_data();
    void changePasswordRules();
    void loginDialogOpening();

    void freshDatabaseStoresDerivedPassword();
    void changedPasswordWorksUnderAnyLogin();
    void programLockWaitsForValidPair();
    void cancelAtStartupEndsSilently();
    void threeFailuresThenSuccessWriteTheLock();
    void fourthFailureEndsAndLocksRestart();

private:
    // A data module of its own on the test's copy (no main window).
    void openModule();
    std::unique_ptr<TForm1> startForm();
    QStringList logTail(const QString &marker) const; // lines ending with marker

    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<ScriptedPromptPort> m_port;
    WorkContext m_ctx;
    std::unique_ptr<TFDM> m_fdm;
    std::unique_ptr<TFlogin> m_loginDialog;
    QStringList m_log;
};

void TestLogin::init()
{
    m_tdb = std::make_unique<TestDatabase>();
    QVERIFY2(m_tdb->isOpen(), qPrintable(m_tdb->errorString()));
    m_port = std::make_unique<ScriptedPromptPort>();
    m_ctx = WorkContext();
    m_ctx.ExeDir = m_tdb->exeDir();
    m_log.clear();
    TLogManager &log = TLogManager::GetInstance();
    QDir().mkpath(m_tdb->exeDir() + u"logs"_s);
    log.FileName = TLogManager::LogFileName(m_tdb->exeDir(), QDate::currentDate());
    log.LogEvent = true;
    log.OnLogEvent = [this](const QString &line, TLogMsgType) { m_log << line; };
}

void TestLogin::cleanup()
{
    TLogManager::GetInstance().OnLogEvent = nullptr;
    m_loginDialog.reset();
    if (m_fdm)
        m_fdm->disconnectDatabase();
    m_fdm.reset();
    m_port.reset();
    m_tdb.reset();
}

void TestLogin::openModule()
{
    m_tdb->close();
    m_fdm = std::make_unique<TFDM>(m_ctx);
    m_fdm->connectDatabase(m_tdb->path());
    m_loginDialog = std::make_unique<TFlogin>();
}

std::unique_ptr<TForm1> TestLogin::startForm()
{
    m_tdb->close();
    return std::make_unique<TForm1>(*m_port, m_tdb->exeDir(), m_tdb->exeDir());
}

QStringList TestLogin::logTail(const QString &marker) const
{
    QStringList found;
    for (const QString &line : m_log)
        if (line.endsWith(marker))
            found << line;
    return found;
}

// --- the derived password

void TestLogin::derivedPassword_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("sumAndStart"); // pieces 1 and 2, worked out by hand
    QTest::addColumn<bool>("sumOdd");
    QTest::addColumn<bool>("lengthOdd");
    QTest::addColumn<bool>("atMostTen");

    // 97 + 98 + ... + 106 = 1015
    QTest::newRow("10 Latin small, odd sum") << u"abcdefghij"_s << u"1015ab"_s << true << false << true;
    // 65 + 66 + ... + 75 = 770; capitals lower-cased
    QTest::newRow("11 Latin capitals, even sum") << u"ABCDEFGHIJK"_s << u"770ab"_s << false << true << false;
    // И 1048 + в 1074 + а 1072 + н 1085 = 4279; Cyrillic kept as typed
    QTest::newRow("Cyrillic, odd sum") << u"Иван"_s << u"4279Ив"_s << true << false << true;
    // Ж 1046 + Z 90 + ы 1099 = 2235; only the Latin capital changes
    QTest::newRow("Cyrillic capital then Latin capital") << u"ЖZы"_s << u"2235Жz"_s << true << true << true;
    // A 65 + b 98 + c 99 = 262
    QTest::newRow("3 characters, even sum") << u"Abc"_s << u"262ab"_s << false << true << true;
    // 12 × 'x' 120 = 1440
    QTest::newRow("12 characters, even sum") << u"xxxxxxxxxxxx"_s << u"1440xx"_s << false << false << false;
    // Q 81 + 1 49 + 2 50 + ... + 9 57 = 81 + 477 = 558; 10 characters
    QTest::newRow("digits in the login") << u"Q123456789"_s << u"558q1"_s << false << false << true;
}

void TestLogin::derivedPassword()
{
    QFETCH(QString, login);
    QFETCH(QString, sumAndStart);
    QFETCH(bool, sumOdd);
    QFETCH(bool, lengthOdd);
    QFETCH(bool, atMostTen);

    const QString expected = sumAndStart + fixedLetter(0, sumOdd) + fixedLetter(1, lengthOdd)
                             + fixedLetter(2, atMostTen);
    const QString derived = DerivedPassword::of(login);
    QCOMPARE(derived, expected);
    // digits of the sum + 5
    QCOMPARE(derived.size(), derived.indexOf(QRegularExpression(u"\\D"_s)) + 5);
}

// --- the check

void TestLogin::checklogin_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password"); // "<derived>": the login's derived password
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("logLine");  // empty: nothing logged
    QTest::addColumn<QString>("storedAfter");

    const QString derived = u"<derived>"_s;
    QTest::newRow("derived, fresh database") << u""_s << u"operator"_s << derived << true
                                             << u"[Info]: Пользователь авторизован в системе! operator"_s << derived;
    QTest::newRow("derived replaces a changed one") << u"Changed1x"_s << u"Иван"_s << derived << true
                                                    << u"[Info]: Пользователь авторизован в системе! Иван"_s << derived;
    QTest::newRow("stored, any login") << u"Changed1x"_s << u"someone"_s << u"Changed1x"_s << true
                                       << u"[Info]: Пользователь авторизован в системе по измененному паролю! someone"_s
                                       << u"Changed1x"_s;
    QTest::newRow("wrong password") << u"Changed1x"_s << u"operator"_s << u"Changed1y"_s << false << QString()
                                    << u"Changed1x"_s;
    QTest::newRow("stored differs in case") << u"Changed1x"_s << u"operator"_s << u"CHANGED1X"_s << false
                                            << QString() << u"Changed1x"_s;
    QTest::newRow("derived differs in case") << u""_s << u"operator"_s << u"<DERIVED>"_s << false << QString()
                                             << u""_s;
    QTest::newRow("2-character login, derived") << u"Changed1x"_s << u"ab"_s << derived << false << QString()
                                                << u"Changed1x"_s;
    QTest::newRow("2-character login, stored") << u"Changed1x"_s << u"ab"_s << u"Changed1x"_s << false << QString()
                                               << u"Changed1x"_s;
    QTest::newRow("2-character stored password") << u"pw"_s << u"operator"_s << u"pw"_s << false << QString()
                                                 << u"pw"_s;
    QTest::newRow("nothing stored, empty password") << u""_s << u"operator"_s << u""_s << false << QString()
                                                    << u""_s;
}

void TestLogin::checklogin()
{
    QFETCH(QString, stored);
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QFETCH(QString, logLine);
    QFETCH(QString, storedAfter);

    auto resolve = [&](const QString &text) {
        if (text == u"<derived>"_s)
            return DerivedPassword::of(login);
        if (text == u"<DERIVED>"_s)
            return DerivedPassword::of(login).toUpper();
        return text;
    };
    TestSql::run(m_tdb->db(), u"update VER set PWD = ?"_s, {stored});
    openModule();

    LoginCheck check(*m_fdm, m_ctx, *m_port);
    QCOMPARE(check.checklogin(login, resolve(password)), accepted);
    QVERIFY2(m_port->messages().isEmpty(), qPrintable(m_port->texts().join(u'\n'))); // no earlier login on record
    if (logLine.isEmpty())
        QVERIFY2(m_log.isEmpty(), qPrintable(m_log.join(u'\n')));
    else
        QVERIFY2(m_log.size() == 1 && m_log.constFirst().endsWith(logLine), qPrintable(m_log.join(u'\n')));
    QVERIFY(!QFile::exists(iniFileName(m_ctx.ExeDir))); // saveIni only with an earlier login

    QCOMPARE(storedPassword(*m_fdm), resolve(storedAfter));
}

void TestLogin::earlierLoginIsReported()
{
    TestSql::run(m_tdb->db(), u"update VER set PWD = ?"_s, {u"Changed1x"_s});
    openModule();
    m_ctx.UserLogin = u"before"_s;
    m_ctx.LastLogin = QDateTime(QDate(2024, 3, 5), QTime(8, 7, 6));
    m_ctx.LastFailedLogin = QDateTime(QDate(2024, 3, 4), QTime(17, 0, 1));

    LoginCheck check(*m_fdm, m_ctx, *m_port);
    QVERIFY(!check.checklogin(u"operator"_s, u"nope-nope"_s));
    QVERIFY(m_port->messages().isEmpty());

    QVERIFY(check.checklogin(u"operator"_s, u"Changed1x"_s));
    QCOMPARE(m_port->texts(), QStringList{u"Последний вход в систему 05.03.2024 08:07:06\n"
                                          "Последняя неудачная попытка входа в систему 04.03.2024 17:00:01"_s});
    QCOMPARE(m_log.size(), 2);
    QVERIFY2(m_log.at(0).endsWith(u"[Info]: Последний вход в систему 05.03.2024 08:07:06"_s), qPrintable(m_log.at(0)));
    QVERIFY2(m_log.at(1).endsWith(u"[Info]: Пользователь авторизован в системе по измененному паролю! operator"_s),
             qPrintable(m_log.at(1)));

    // saveIni ran: the login name and the moment of this login are recorded.
    QSettings ini(iniFileName(m_ctx.ExeDir), QSettings::IniFormat);
    QCOMPARE(ini.value(u"LOGIN/last"_s).toString(), u"before"_s);
    const QDateTime written = parseIniDateTime(ini.value(u"LASTDATE/last"_s).toString());
    QVERIFY(qAbs(written.secsTo(QDateTime::currentDateTime())) < 60);
}

void TestLogin::apostropheStoredExactly_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("apostrophe") << u"Pa'ssword1"_s;
    QTest::newRow("closing quote and comment") << u"Abc'; --x1"_s;
    QTest::newRow("doubled apostrophes") << u"''Xy''zz99"_s;
    QTest::newRow("Cyrillic with apostrophe") << u"Пар'ольX9"_s;
}

void TestLogin::apostropheStoredExactly()
{
    QFETCH(QString, password);
    openModule();
    updatePwd(*m_fdm, password);
    QCOMPARE(storedPassword(*m_fdm), password);
    m_loginDialog->setLogin(u"operator"_s);
    TfrmResetPassword dialog(*m_fdm, m_ctx, *m_port, *m_loginDialog);
    const QString changed = password + u"Zz"_s;
    m_port->onExec(changePassword(password, changed, changed));
    QCOMPARE(m_port->exec(dialog), int(QDialog::Accepted));
    QCOMPARE(m_port->texts(), QStringList{u"Пароль успешно изменен!"_s});
    // Committed exactly as typed, and nothing else of VER moved.
    const VerRow ver = committedVer(m_tdb->path());
    QCOMPARE(ver.pwd, changed);
    QCOMPARE(ver.rows, 1);
    QCOMPARE(ver.version, u"3.21"_s);
}

// --- changing the password

void TestLogin::changePasswordRules_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("oldPwd");
    QTest::addColumn<QString>("newPwd");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("logLine"); // empty: nothing logged

    const QString current = u"Current1x"_s;
    const QString length = u"Длина пароля не соответствует политике безопасности! Пароль должен содержать не менее 8-ми символов"_s;
    const QString digits = u"Пароль не соответствует политике безопасности! Пароль не должен содержать только цифры!"_s;
    const QString small = u"Пароль не соответствует политике безопасности! Пароль должен содержать символы !"_s;
    const QString capitals = u"Пароль не соответствует политике безопасности! Пароль должен содержать заглавные буквы!"_s;
    const QString refused = u"Неверно введен старый пароль или пароли не совподают!"_s;
    const QString refusedLog = u"[Info]: Неверно введен старый пароль или пароли не совподают! operator"_s;

    // The rules in their order: a password that breaks several gets the first one's message.
    QTest::newRow("mixed case, 5 characters") << current << current << u"aBcDe"_s << u"aBcDe"_s << length << QString();
    QTest::newRow("7 characters") << current << current << u"Abcdef1"_s << u"Abcdef1"_s << length << QString();
    QTest::newRow("short digits: length first") << current << current << u"1234"_s << u"1234"_s << length << QString();
    QTest::newRow("8 digits") << current << current << u"12345678"_s << u"12345678"_s << digits << QString();
    QTest::newRow("signed digits") << current << current << u"-12345678"_s << u"-12345678"_s << digits << QString();
    QTest::newRow("8 capitals") << current << current << u"ABCDEFGH"_s << u"ABCDEFGH"_s << small << QString();
    QTest::newRow("Cyrillic capitals and digits") << current << current << u"ПАРОЛЬ12"_s << u"ПАРОЛЬ12"_s << small << QString();
    QTest::newRow("8 small letters") << current << current << u"abcdefgh"_s << u"abcdefgh"_s << capitals << QString();
    QTest::newRow("Cyrillic small letters") << current << current << u"парольпароль"_s << u"парольпароль"_s << capitals << QString();
    // Then the check against the stored password.
    QTest::newRow("confirmation differs") << current << current << u"NewPass1x"_s << u"NewPass1y"_s << refused << refusedLog;
    QTest::newRow("same as current") << current << current << current << current << refused << refusedLog;
    QTest::newRow("old password wrong") << current << u"current1x"_s << u"NewPass1x"_s << u"NewPass1x"_s << refused << refusedLog;
    QTest::newRow("nothing stored") << u""_s << u""_s << u"NewPass1x"_s << u"NewPass1x"_s << refused << refusedLog;
    QTest::newRow("accepted") << current << current << u"НовыйPass1"_s << u"НовыйPass1"_s << u"Пароль успешно изменен!"_s
                              << u"[Info]: Пользователь сменил пароль в системе! operator"_s;
    QTest::newRow("accepted, Cyrillic letters only") << current << current << u"НовыйПароль"_s << u"НовыйПароль"_s
                                                     << u"Пароль успешно изменен!"_s
                                                     << u"[Info]: Пользователь сменил пароль в системе! operator"_s;
}

void TestLogin::changePasswordRules()
{
    QFETCH(QString, stored);
    QFETCH(QString, oldPwd);
    QFETCH(QString, newPwd);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, logLine);

    TestSql::run(m_tdb->db(), u"update VER set PWD = ?"_s, {stored});
    openModule();
    m_loginDialog->setLogin(u"operator"_s);
    m_ctx.PasswordChangeDue = QDateTime(QDate(2030, 1, 1), QTime(0, 0));
    TfrmResetPassword dialog(*m_fdm, m_ctx, *m_port, *m_loginDialog);

    const bool success = message == u"Пароль успешно изменен!"_s;
    m_port->onExec(changePassword(oldPwd, newPwd, confirm));
    const int result = m_port->exec(dialog);
    QVERIFY(!dialog.isVisible()); // closed in every case
    QCOMPARE(result, int(success ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(m_port->texts(), QStringList{message});
    if (logLine.isEmpty())
        QVERIFY2(m_log.isEmpty(), qPrintable(m_log.join(u'\n')));
    else
        QVERIFY2(m_log.size() == 1 && m_log.constFirst().endsWith(logLine), qPrintable(m_log.join(u'\n')));
    QCOMPARE(storedPassword(*m_fdm), success ? newPwd : stored);

    const QString iniFile = iniFileName(m_ctx.ExeDir);
    if (success) {
        QVERIFY(!m_ctx.PasswordChangeDue.isValid());
        QSettings ini(iniFile, QSettings::IniFormat);
        const QDateTime due = parseIniDateTime(ini.value(u"CHANGEPWD/last"_s).toString());
        const QDateTime expected = QDateTime::currentDateTime().addMonths(3);
        QVERIFY2(qAbs(due.secsTo(expected)) < 60, qPrintable(due.toString()));
    } else {
        QVERIFY(m_ctx.PasswordChangeDue.isValid());
        QVERIFY(!QFile::exists(iniFile));
    }

    // The fields are empty at the next opening.
    m_port->onExec([](QDialog &d) {
        auto &reset = dynamic_cast<TfrmResetPassword &>(d);
        return int(reset.oldPasswordEdit()->text().isEmpty() && reset.newPasswordEdit()->text().isEmpty()
                           && reset.confirmationEdit()->text().isEmpty()
                       ? QDialog::Accepted
                       : QDialog::Rejected);
    });
    QCOMPARE(m_port->exec(dialog), int(QDialog::Accepted));
}

void TestLogin::loginDialogOpening()
{
    TFlogin dialog;
    QCOMPARE(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.loginEdit()->echoMode(), QLineEdit::Normal);
    QVERIFY(dialog.okButton()->isDefault());
    QCOMPARE(dialog.okButton()->text(), u"Ok"_s);
    QCOMPARE(dialog.cancelButton()->text(), u"Отмена"_s);

    // A remembered login: the warning is set and the password has the focus.
    dialog.setLogin(u"operator"_s);
    m_port->onExec([](QDialog &d) {
        auto &login = dynamic_cast<TFlogin &>(d);
        const bool ok = login.informationLabel()->text() == catalog(u"gtc_warrning"_s)
                        && login.focusWidget() == login.passwordEdit() && !login.changePasswordLink()->isVisible();
        return int(ok ? QDialog::Accepted : QDialog::Rejected);
    });
    QCOMPARE(m_port->exec(dialog), int(QDialog::Accepted));

    // No login: the login field has it.
    dialog.setLogin(QString());
    m_port->onExec([](QDialog &d) {
        auto &login = dynamic_cast<TFlogin &>(d);
        return int(login.focusWidget() == login.loginEdit() ? QDialog::Accepted : QDialog::Rejected);
    });
    QCOMPARE(m_port->exec(dialog), int(QDialog::Accepted));
}

// --- through the main window

void TestLogin::freshDatabaseStoresDerivedPassword()
{
    TestSql::run(m_tdb->db(), u"update VER set PWD = ''"_s);
    const QString derived = DerivedPassword::of(u"Оператор"_s);
    m_port->onExec(answerLogin(u"Оператор"_s, derived));
    m_port->onExec(firstPeriod());
    auto form = startForm();
    form->FormActivate();
    QVERIFY(!form->isEnding());
    QCOMPARE(form->context().UserLogin, u"Оператор"_s);
    QCOMPARE(form->context().FailedLogins, 0);
    QVERIFY2(m_port->messages().isEmpty(), qPrintable(m_port->texts().join(u'\n'))); // no earlier login
    QCOMPARE(logTail(u"[Info]: Пользователь авторизован в системе! Оператор"_s).size(), 1);
    QCOMPARE(storedPassword(form->fdm()), derived);

    QCOMPARE(committedVer(m_tdb->path()).pwd, derived);
}

void TestLogin::changedPasswordWorksUnderAnyLogin()
{
    m_port->onExec(answerLogin(u"first"_s, DemoPassword));
    m_port->onExec(firstPeriod());
    auto form = startForm();
    form->FormActivate();
    QVERIFY(!form->isEnding());

    QVERIFY(form->actions().AChangePassword->isEnabled());
    m_port->onExec(changePassword(DemoPassword, u"Другой1pass"_s, u"Другой1pass"_s));
    form->actions().AChangePassword->trigger();
    QCOMPARE(m_port->lastMessage().text, u"Пароль успешно изменен!"_s);
    QCOMPARE(logTail(u"[Info]: Пользователь сменил пароль в системе! first"_s).size(), 1);

    // The old password no longer opens the lock; the new one does under another name.
    m_log.clear();
    m_port->clearRecord();
    m_port->onExec(answerLogin(u"second"_s, DemoPassword));
    m_port->onExec(answerLogin(u"second"_s, u"Другой1pass"_s));
    form->actions().ALockProgram->trigger();
    QCOMPARE(m_port->pendingExecs(), 0);
    QCOMPARE(logTail(u"[Info]: Пользователь авторизован в системе по измененному паролю! second"_s).size(), 1);
    QCOMPARE(form->context().UserLogin, u"first"_s);
}

void TestLogin::programLockWaitsForValidPair()
{
    m_port->onExec(answerLogin(u"operator"_s, DemoPassword));
    m_port->onExec(firstPeriod());
    auto form = startForm();
    form->FormActivate();
    QVERIFY(!form->isEnding());
    QVERIFY(form->actions().ALockProgram->isEnabled());
    m_log.clear();
    m_port->clearRecord();
    const int failedBefore = form->context().FailedLogins;

    // Each opening: the login kept, the password empty.
    QStringList seen;
    auto looking = [&seen](ScriptedPromptPort::ExecScript then) {
        return [&seen, then](QDialog &d) {
            auto &login = dynamic_cast<TFlogin &>(d);
            seen << login.loginEdit()->text() + u'|' + login.passwordEdit()->text();
            return then(d);
        };
    };
    m_port->onExec(looking(cancelDialog()));
    m_port->onExec(looking(answerLogin(u"operator"_s, WrongPassword)));
    m_port->onExec(looking(answerLogin(u"ab"_s, DemoPassword)));
    m_port->onExec(looking(cancelDialog()));
    m_port->onExec(looking(answerLogin(u"other"_s, DemoPassword)));
    form->actions().ALockProgram->trigger();

    QCOMPARE(m_port->execCount(), 5);
    QCOMPARE(seen, (QStringList{u"operator|"_s, u"operator|"_s, u"operator|"_s, u"ab|"_s, u"ab|"_s}));
    QVERIFY2(m_port->messages().isEmpty(), qPrintable(m_port->texts().join(u'\n')));
    QCOMPARE(m_log.size(), 1);
    QVERIFY(m_log.constFirst().endsWith(u"[Info]: Пользователь авторизован в системе по измененному паролю! other"_s));
    QCOMPARE(form->context().FailedLogins, failedBefore);
    QCOMPARE(form->context().UserLogin, u"operator"_s);
    QVERIFY(!form->isEnding());
}

void TestLogin::cancelAtStartupEndsSilently()
{
    m_port->onExec(cancelDialog());
    auto form = startForm();
    form->FormActivate();
    QVERIFY(form->isEnding());
    QCOMPARE(m_port->execCount(), 1); // the period dialog never came
    QVERIFY(m_port->messages().isEmpty());
    QVERIFY(m_log.isEmpty());
}

void TestLogin::threeFailuresThenSuccessWriteTheLock()
{
    {
        QSettings ini(iniFileName(m_tdb->exeDir()), QSettings::IniFormat);
        ini.setValue(u"LOGIN/last"_s, u"remembered"_s);
    }
    QString firstLogin;
    m_port->onExec([&firstLogin](QDialog &d) {
        auto &login = dynamic_cast<TFlogin &>(d);
        firstLogin = login.loginEdit()->text() + u'|' + login.passwordEdit()->text();
        return answerLogin(u"operator"_s, WrongPassword)(d);
    });
    m_port->onExec(answerLogin(u"operator"_s, WrongPassword));
    m_port->onExec(answerLogin(u"op"_s, DemoPassword));
    m_port->onExec(answerLogin(u"operator"_s, DemoPassword));
    m_port->onExec(firstPeriod());
    auto form = startForm();
    const QDateTime before = QDateTime::currentDateTime();
    form->FormActivate();
    QVERIFY2(!form->isEnding(), qPrintable(m_port->texts().join(u'\n')));

    QCOMPARE(firstLogin, u"remembered|"_s);
    const QString failed = catalog(u"login_failed"_s);
    QCOMPARE(failed, u"Введите правильное имя пользователя и пароль"_s);
    QCOMPARE(m_port->texts(), (QStringList{failed, failed, failed}));
    QCOMPARE(logTail(u"[Error]: Пользователь operator "_s + failed).size(), 2);
    QCOMPARE(logTail(u"[Error]: Пользователь op "_s + failed).size(), 1);
    QCOMPARE(form->context().FailedLogins, 3);
    QCOMPARE(form->context().UserLogin, u"operator"_s);

    QSettings ini(iniFileName(m_tdb->exeDir()), QSettings::IniFormat);
    const QDateTime lock = parseIniDateTime(ini.value(u"SYSLOCK/lock"_s).toString());
    QVERIFY2(lock.isValid(), "the third failure writes the lock");
    QVERIFY(lock >= before.addSecs(299) && lock <= QDateTime::currentDateTime().addSecs(301));
    QVERIFY(ini.contains(u"LASTERRDATE/last"_s));
    QCOMPARE(ini.value(u"LOGIN/last"_s).toString(), u"operator"_s);
}

void TestLogin::fourthFailureEndsAndLocksRestart()
{
    for (int i = 0; i < 4; ++i)
        m_port->onExec(answerLogin(u"operator"_s, WrongPassword));
    auto form = startForm();
    form->FormActivate();
    QVERIFY(form->isEnding());
    QCOMPARE(m_port->execCount(), 4);

    const QString failed = catalog(u"login_failed"_s);
    const QString locked = catalog(u"lock_login"_s);
    QCOMPARE(locked, u"Логин временно заблокирован за превышение неверных попыток входа в систему."_s);
    QCOMPARE(m_port->texts(), (QStringList{failed, failed, failed, locked}));
    QCOMPARE(m_port->lastMessage().icon, PromptPort::Icon::Warning);
    QCOMPARE(logTail(u"[Error]: Пользователь operator "_s + failed).size(), 3);
    QVERIFY2(m_log.constLast().endsWith(u"[Error]: "_s + locked), qPrintable(m_log.constLast()));
    form.reset();

    // A new start within five minutes is refused before the login dialog.
    m_port->clearRecord();
    m_log.clear();
    auto again = std::make_unique<TForm1>(*m_port, m_tdb->exeDir(), m_tdb->exeDir());
    QVERIFY(!again->isEnding());
    again->FormActivate();
    QVERIFY(again->isEnding());
    QCOMPARE(m_port->execCount(), 0); // no login dialog
    QCOMPARE(m_port->texts(), QStringList{u"Система заблокированна на 5 минут."_s});
    QCOMPARE(m_port->lastMessage().icon, PromptPort::Icon::Warning);
    QCOMPARE(logTail(u"[Error]: Система заблокированна на 5 минут."_s).size(), 1);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"

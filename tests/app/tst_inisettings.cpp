#include "app/IniFile.h"
#include "app/IniSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeText(const QString &path, const QString &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

} // namespace

class TestIniSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileGivesDefaults();
    void readsEveryKey();
    void unreadableValues_data();
    void unreadableValues();
    void readingResetsFieldsToDefaults();
    void languageSwitch_data();
    void languageSwitch();

    void saveIniWritesKeysInOrder_data();
    void saveIniWritesKeysInOrder();
    void saveIniErr_data();
    void saveIniErr();
    void saveIniKeepsOtherKeys();
    void passwordDueAfterNovember_data();
    void passwordDueAfterNovember();
    void roundTrip();
    void lockRule_data();
    void lockRule();
    void unwritableFileIgnored();

    void iniFileUpdatesInPlace();

private:
    QString iniPath() const { return iniFileName(m_context.ExeDir); }

    std::unique_ptr<QTemporaryDir> m_dir;
    WorkContext m_context;
};

void TestIniSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_context = WorkContext{};
    m_context.ExeDir = m_dir->path() + u'/';
}

void TestIniSettings::missingFileGivesDefaults()
{
    m_context.PeriodIndex = 7;
    m_context.UserLogin = QStringLiteral("old");
    m_context.SortOrder = 1;
    QCOMPARE(openIni(m_context), LanguageId::None);
    QCOMPARE(m_context.PeriodIndex, 0);
    QCOMPARE(m_context.UserLogin, QString());
    QCOMPARE(m_context.SortOrder, 0);
    QVERIFY(!m_context.LockUntil.isValid());
    QVERIFY(!m_context.LastLogin.isValid());
    QVERIFY(!m_context.LastFailedLogin.isValid());
    QVERIFY(!m_context.PasswordChangeDue.isValid());
    QVERIFY(!lockInForce(m_context));
    QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
}

void TestIniSettings::readsEveryKey()
{
    writeText(iniPath(), QStringLiteral("[LANG]\r\nlast=1087\r\n"
                                        "[PERIOD]\r\nlast=25\r\n"
                                        "[LOGIN]\r\nlast=Әкімшілік\r\n"
                                        "[ORDERKPU]\r\nlast=1\r\n"
                                        "[SYSLOCK]\r\nlock=07.03.2024 09:10:00\r\n"
                                        "[LASTDATE]\r\nlast=07.03.2024 09:05:00\r\n"
                                        "[LASTERRDATE]\r\nlast=06.03.2024 18:00:01\r\n"
                                        "[CHANGEPWD]\r\nlast=07.06.2024 09:05:00\r\n"));
    QCOMPARE(openIni(m_context), LanguageId::Kazakh);
    QCOMPARE(m_context.PeriodIndex, 25);
    QCOMPARE(m_context.UserLogin, QStringLiteral("Әкімшілік"));
    QCOMPARE(m_context.SortOrder, 1);
    QCOMPARE(m_context.LockUntil, at(2024, 3, 7, 9, 10, 0));
    QCOMPARE(m_context.LastLogin, at(2024, 3, 7, 9, 5, 0));
    QCOMPARE(m_context.LastFailedLogin, at(2024, 3, 6, 18, 0, 1));
    QCOMPARE(m_context.PasswordChangeDue, at(2024, 6, 7, 9, 5, 0));
}

void TestIniSettings::unreadableValues_data()
{
    QTest::addColumn<QString>("content");
    QTest::newRow("not a date") << "[SYSLOCK]\nlock=завтра\n[PERIOD]\nlast=x\n[LANG]\nlast=ru\n";
    QTest::newRow("empty values") << "[SYSLOCK]\nlock=\n[PERIOD]\nlast=\n[LANG]\nlast=\n";
    QTest::newRow("wrong format") << "[SYSLOCK]\nlock=2099-01-01 10:00:00\n";
    QTest::newRow("zero") << "[SYSLOCK]\nlock=0\n";
    QTest::newRow("impossible date") << "[SYSLOCK]\nlock=31.02.2099 10:00:00\n";
}

void TestIniSettings::unreadableValues()
{
    QFETCH(QString, content);
    writeText(iniPath(), content);
    QCOMPARE(openIni(m_context), LanguageId::None);
    QVERIFY(!m_context.LockUntil.isValid());
    QVERIFY(!lockInForce(m_context, at(2000, 1, 1)));
    QCOMPARE(m_context.PeriodIndex, 0);
}

void TestIniSettings::readingResetsFieldsToDefaults()
{
    writeText(iniPath(), QStringLiteral("[PERIOD]\nlast=3\n"));
    m_context.LockUntil = at(2030, 1, 1);
    m_context.UserLogin = QStringLiteral("someone");
    openIni(m_context);
    QCOMPARE(m_context.PeriodIndex, 3);
    QVERIFY(!m_context.LockUntil.isValid());
    QVERIFY(m_context.UserLogin.isEmpty());
}

void TestIniSettings::languageSwitch_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("active");
    QTest::addColumn<bool>("switchWanted");
    QTest::newRow("none stored") << LanguageId::None << LanguageId::Russian << false;
    QTest::newRow("russian while russian") << LanguageId::Russian << LanguageId::Russian << false;
    QTest::newRow("kazakh while russian") << LanguageId::Kazakh << LanguageId::Russian << true;
    QTest::newRow("any other id") << 1033 << LanguageId::Russian << true;
}

void TestIniSettings::languageSwitch()
{
    QFETCH(int, stored);
    QFETCH(int, active);
    QFETCH(bool, switchWanted);
    QCOMPARE(languageSwitchWanted(stored, active), switchWanted);
}

void TestIniSettings::saveIniWritesKeysInOrder_data()
{
    QTest::addColumn<int>("failedLogins");
    QTest::addColumn<QDateTime>("changeDue");
    QTest::addColumn<QString>("expected");

    const QString head = QStringLiteral("[LANG]\nlast=1049\n[PERIOD]\nlast=5\n[LOGIN]\nlast=Айгүл\n"
                                        "[ORDERKPU]\nlast=1\n");
    const QString lock = QStringLiteral("[SYSLOCK]\nlock=07.03.2024 09:10:00\n");
    const QString last = QStringLiteral("[LASTDATE]\nlast=07.03.2024 09:05:00\n");
    const QString due = QStringLiteral("[CHANGEPWD]\nlast=07.06.2024 09:05:00\n");

    QTest::newRow("first run") << 0 << QDateTime() << head + last + due;
    QTest::newRow("two failures") << 2 << QDateTime() << head + last + due;
    QTest::newRow("three failures: lock") << 3 << QDateTime() << head + lock + last + due;
    QTest::newRow("due date held") << 0 << at(2024, 5, 1) << head + last;
    QTest::newRow("locked, due held") << 3 << at(2024, 5, 1) << head + lock + last;
}

void TestIniSettings::saveIniWritesKeysInOrder()
{
    QFETCH(int, failedLogins);
    QFETCH(QDateTime, changeDue);
    QFETCH(QString, expected);

    m_context.PeriodIndex = 5;
    m_context.UserLogin = QStringLiteral("Айгүл");
    m_context.SortOrder = 1;
    m_context.FailedLogins = failedLogins;
    m_context.PasswordChangeDue = changeDue;
    const WorkContext before = m_context;

    saveIni(m_context, LanguageId::Russian, at(2024, 3, 7, 9, 5, 0));
    QCOMPARE(readText(iniPath()), expected);
    // Writing does not change what was read at start.
    QCOMPARE(m_context.PasswordChangeDue, before.PasswordChangeDue);
    QCOMPARE(m_context.LockUntil, before.LockUntil);
}

void TestIniSettings::saveIniErr_data()
{
    QTest::addColumn<int>("failedLogins");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one failure") << 1 << "[LASTERRDATE]\nlast=07.03.2024 09:05:00\n";
    QTest::newRow("refused start") << 0 << "[LASTERRDATE]\nlast=07.03.2024 09:05:00\n";
    QTest::newRow("third failure")
        << 3 << "[SYSLOCK]\nlock=07.03.2024 09:10:00\n[LASTERRDATE]\nlast=07.03.2024 09:05:00\n";
}

void TestIniSettings::saveIniErr()
{
    QFETCH(int, failedLogins);
    QFETCH(QString, expected);
    m_context.FailedLogins = failedLogins;
    ::saveIniErr(m_context, at(2024, 3, 7, 9, 5, 0));
    QCOMPARE(readText(iniPath()), expected);

    WorkContext read;
    read.ExeDir = m_context.ExeDir;
    openIni(read);
    QCOMPARE(read.LastFailedLogin, at(2024, 3, 7, 9, 5, 0));
    QCOMPARE(lockInForce(read, at(2024, 3, 7, 9, 9, 59)), failedLogins == 3);
    QVERIFY(!lockInForce(read, at(2024, 3, 7, 9, 10, 0)));
}

void TestIniSettings::saveIniKeepsOtherKeys()
{
    m_context.FailedLogins = 3;
    ::saveIniErr(m_context, at(2024, 3, 7, 9, 0, 0));
    m_context.FailedLogins = 3; // a fourth attempt succeeded; the count stays
    saveIni(m_context, LanguageId::Kazakh, at(2024, 3, 7, 9, 1, 0));
    QCOMPARE(readText(iniPath()),
             QStringLiteral("[SYSLOCK]\nlock=07.03.2024 09:06:00\n"
                            "[LASTERRDATE]\nlast=07.03.2024 09:00:00\n"
                            "[LANG]\nlast=1087\n[PERIOD]\nlast=0\n[LOGIN]\nlast=\n"
                            "[ORDERKPU]\nlast=0\n"
                            "[LASTDATE]\nlast=07.03.2024 09:01:00\n"
                            "[CHANGEPWD]\nlast=07.06.2024 09:01:00\n"));
}

void TestIniSettings::passwordDueAfterNovember_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("due");
    QTest::newRow("30 Nov, leap year follows") << at(2023, 11, 30, 14, 0, 0) << at(2024, 2, 29, 14, 0, 0);
    QTest::newRow("30 Nov, common year follows") << at(2024, 11, 30, 14, 0, 0) << at(2025, 2, 28, 14, 0, 0);
    QTest::newRow("31 Mar") << at(2024, 3, 31, 8, 0, 0) << at(2024, 6, 30, 8, 0, 0);
    QTest::newRow("plain") << at(2024, 1, 15, 8, 0, 0) << at(2024, 4, 15, 8, 0, 0);
}

void TestIniSettings::passwordDueAfterNovember()
{
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, due);
    saveIni(m_context, LanguageId::Russian, now);
    WorkContext read;
    read.ExeDir = m_context.ExeDir;
    openIni(read);
    QCOMPARE(read.PasswordChangeDue, due);
}

void TestIniSettings::roundTrip()
{
    m_context.PeriodIndex = 27;
    m_context.UserLogin = QStringLiteral("user=1 [x]");
    m_context.SortOrder = 1;
    saveIni(m_context, LanguageId::Kazakh, at(2025, 7, 1, 23, 59, 59));
    WorkContext read;
    read.ExeDir = m_context.ExeDir;
    QCOMPARE(openIni(read), LanguageId::Kazakh);
    QCOMPARE(read.PeriodIndex, 27);
    QCOMPARE(read.UserLogin, m_context.UserLogin);
    QCOMPARE(read.SortOrder, 1);
    QCOMPARE(read.LastLogin, at(2025, 7, 1, 23, 59, 59));
    QVERIFY(!read.LockUntil.isValid());
}

void TestIniSettings::lockRule_data()
{
    QTest::addColumn<QDateTime>("lock");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("inForce");
    const QDateTime lock = at(2024, 3, 7, 9, 10, 0);
    QTest::newRow("before") << lock << lock.addSecs(-1) << true;
    QTest::newRow("at") << lock << lock << false;
    QTest::newRow("after") << lock << lock.addSecs(1) << false;
    QTest::newRow("none") << QDateTime() << lock << false;
}

void TestIniSettings::lockRule()
{
    QFETCH(QDateTime, lock);
    QFETCH(QDateTime, now);
    QFETCH(bool, inForce);
    m_context.LockUntil = lock;
    QCOMPARE(lockInForce(m_context, now), inForce);
}

void TestIniSettings::unwritableFileIgnored()
{
    m_context.ExeDir = m_dir->path() + QStringLiteral("/no/such/folder/");
    saveIni(m_context, LanguageId::Russian, at(2024, 3, 7));
    ::saveIniErr(m_context, at(2024, 3, 7));
    QVERIFY(!QFile::exists(iniPath()));
    QCOMPARE(openIni(m_context), LanguageId::None);
}

void TestIniSettings::iniFileUpdatesInPlace()
{
    const QString path = m_dir->path() + QStringLiteral("/x.ini");
    writeText(path, QStringLiteral("; note\n[lang]\nLAST = 1049\n\n[OTHER]\nkey=v\n"));
    IniFile ini;
    QVERIFY(ini.load(path));
    QCOMPARE(ini.value("LANG", "last"), QStringLiteral("1049"));
    QVERIFY(ini.contains("Other", "KEY"));
    ini.setValue("LANG", "last", "1087");
    ini.setValue("LANG", "extra", "1");
    ini.setValue("NEW", "last", "a=b");
    QVERIFY(ini.save(path));
    QCOMPARE(readText(path), QStringLiteral("; note\n[lang]\nLAST=1087\nextra=1\n\n[OTHER]\nkey=v\n"
                                            "[NEW]\nlast=a=b\n"));
    QVERIFY(ini.load(path));
    QCOMPARE(ini.value("NEW", "last"), QStringLiteral("a=b"));
    QVERIFY(!IniFile().load(m_dir->path() + QStringLiteral("/missing.ini")));
}

QTEST_GUILESS_MAIN(TestIniSettings)
#include "tst_inisettings.moc"

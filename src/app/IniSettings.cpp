#include "app/IniSettings.h"

#include "app/IniFile.h"

namespace {

constexpr int LockFailures = 3;
constexpr int LockSeconds = 300;
constexpr int PasswordMonths = 3;

int readInt(const IniFile &ini, const QString &section, int defaultValue)
{
    bool ok = false;
    const int value = ini.value(section, QStringLiteral("last")).toInt(&ok);
    return ok ? value : defaultValue;
}

QDateTime readDateTime(const IniFile &ini, const QString &section, const QString &key)
{
    return parseIniDateTime(ini.value(section, key));
}

void writeLock(IniFile &ini, const WorkContext &context, const QDateTime &now)
{
    if (context.FailedLogins == LockFailures)
        ini.setValue(QStringLiteral("SYSLOCK"), QStringLiteral("lock"),
                     formatIniDateTime(now.addSecs(LockSeconds)));
}

// Keeps whatever else the file holds (LASTERRDATE from saveIniErr, say).
IniFile loadForWrite(const WorkContext &context)
{
    IniFile ini;
    ini.load(iniFileName(context.ExeDir));
    return ini;
}

} // namespace

QString iniFileName(const QString &exeDir)
{
    return exeDir + QStringLiteral("ruvo.ini");
}

QString formatIniDateTime(const QDateTime &moment)
{
    return moment.toString(QString::fromLatin1(IniDateTimeFormat));
}

QDateTime parseIniDateTime(const QString &text)
{
    return QDateTime::fromString(text.trimmed(), QString::fromLatin1(IniDateTimeFormat));
}

int openIni(WorkContext &context)
{
    IniFile ini;
    ini.load(iniFileName(context.ExeDir)); // a missing file reads as all defaults

    const int language = readInt(ini, QStringLiteral("LANG"), LanguageId::None);
    context.PeriodIndex = readInt(ini, QStringLiteral("PERIOD"), 0);
    context.SortOrder = readInt(ini, QStringLiteral("ORDERKPU"), 0);
    context.UserLogin = ini.value(QStringLiteral("LOGIN"), QStringLiteral("last"));
    context.LockUntil = readDateTime(ini, QStringLiteral("SYSLOCK"), QStringLiteral("lock"));
    context.LastLogin = readDateTime(ini, QStringLiteral("LASTDATE"), QStringLiteral("last"));
    context.LastFailedLogin = readDateTime(ini, QStringLiteral("LASTERRDATE"), QStringLiteral("last"));
    context.PasswordChangeDue = readDateTime(ini, QStringLiteral("CHANGEPWD"), QStringLiteral("last"));
    return language;
}

bool languageSwitchWanted(int storedLanguage, int activeLanguage)
{
    return storedLanguage != LanguageId::None && storedLanguage != activeLanguage;
}

void saveIni(const WorkContext &context, int activeLanguage, const QDateTime &now)
{
    IniFile ini = loadForWrite(context);
    const QString last = QStringLiteral("last");
    ini.setValue(QStringLiteral("LANG"), last, QString::number(activeLanguage));
    ini.setValue(QStringLiteral("PERIOD"), last, QString::number(context.PeriodIndex));
    ini.setValue(QStringLiteral("LOGIN"), last, context.UserLogin);
    ini.setValue(QStringLiteral("ORDERKPU"), last, QString::number(context.SortOrder));
    writeLock(ini, context, now);
    ini.setValue(QStringLiteral("LASTDATE"), last, formatIniDateTime(now));
    if (!context.PasswordChangeDue.isValid())
        ini.setValue(QStringLiteral("CHANGEPWD"), last,
                     formatIniDateTime(now.addMonths(PasswordMonths)));
    ini.save(iniFileName(context.ExeDir));
}

void saveIniErr(const WorkContext &context, const QDateTime &now)
{
    IniFile ini = loadForWrite(context);
    writeLock(ini, context, now);
    ini.setValue(QStringLiteral("LASTERRDATE"), QStringLiteral("last"), formatIniDateTime(now));
    ini.save(iniFileName(context.ExeDir));
}

bool lockInForce(const WorkContext &context, const QDateTime &now)
{
    return context.LockUntil.isValid() && now < context.LockUntil;
}

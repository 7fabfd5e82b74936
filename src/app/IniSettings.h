#pragma once

#include "app/WorkContext.h"

#include <QDateTime>
#include <QString>

// The settings file ExeDir + "ruvo.ini": language, last period, last login,
// sort order, the login lock and the login moments. Every operation swallows
// every error: a file that cannot be read gives the defaults, one that cannot
// be written stays as it was, and nobody is told.

// Language identifiers stored under [LANG].
namespace LanguageId {
inline constexpr int None = -1; // no preference stored
inline constexpr int Russian = 1049;
inline constexpr int Kazakh = 1087;
} // namespace LanguageId

QString iniFileName(const QString &exeDir);

// Dates in the file: fixed Russian forms, read and written alike.
inline constexpr char IniDateTimeFormat[] = "dd.MM.yyyy HH:mm:ss";
QString formatIniDateTime(const QDateTime &moment);
QDateTime parseIniDateTime(const QString &text); // invalid when it does not parse

// Reads PeriodIndex, SortOrder, UserLogin, LockUntil, LastLogin,
// LastFailedLogin and PasswordChangeDue of context (context.ExeDir names the
// folder); a missing or unreadable value sets the field's default (0, empty,
// invalid QDateTime). Returns the stored language identifier, LanguageId::None
// when there is none: the caller switches the interface when
// languageSwitchWanted() says so.
int openIni(WorkContext &context);
bool languageSwitchWanted(int storedLanguage, int activeLanguage);

// After a successful step: [LANG] activeLanguage, [PERIOD], [LOGIN], [ORDERKPU],
// [SYSLOCK] now + 300 s only when FailedLogins is 3, [LASTDATE] now, and
// [CHANGEPWD] now + 3 calendar months only while PasswordChangeDue is not set.
void saveIni(const WorkContext &context, int activeLanguage,
             const QDateTime &now = QDateTime::currentDateTime());

// After a failed login or a refused start: [SYSLOCK] now + 300 s when
// FailedLogins is 3, then [LASTERRDATE] now.
void saveIniErr(const WorkContext &context, const QDateTime &now = QDateTime::currentDateTime());

// Start is refused while now lies before the stored lock.
bool lockInForce(const WorkContext &context, const QDateTime &now = QDateTime::currentDateTime());

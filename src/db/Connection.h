#pragma once

#include <QSqlDatabase>
#include <QString>

// Opening and closing connections to p1.fdb with the program's fixed
// credentials. Connections are named; the caller picks the name.
namespace Connection {

inline constexpr char UserName[] = "sysdba";
inline constexpr char Password[] = "kelpwarth";
inline constexpr char Options[] = "ISC_DPB_LC_CTYPE=UTF8";

// The program's own connection.
inline constexpr char Main[] = "ruvo";

// Adds and opens connection `name` to `location` (a file path, or
// "host:/path" for a server). On failure the connection is removed again,
// *error (if given) says why, and the returned handle is not open.
QSqlDatabase open(const QString &name, const QString &location, QString *error = nullptr);

// Commits what is pending, closes and removes connection `name`; does nothing
// for an unknown name. Drop your own QSqlDatabase copies first.
void close(const QString &name);

} // namespace Connection

#pragma once

#include <QString>

// The one place that knows where the program's database is.
namespace DatabaseLocation {

inline constexpr char FileName[] = "p1.fdb";

// ExeDir + "p1.fdb". With a server ("host" or "host/port") the same path is
// reached through that Firebird server instead of the in-process engine.
QString forExeDir(const QString &exeDir, const QString &server = {});

} // namespace DatabaseLocation

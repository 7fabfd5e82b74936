// Headless work on p1.fdb for scripts, tests and benchmarks. Every command
// calls the same core functions as the program.

#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/demo/DemoOkrug.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QUuid>

#include <cstdio>
#include <exception>
#include <limits>
#include <optional>
#include <string_view>

namespace {

enum ExitCode { Done = 0, Failed = 1, WrongArguments = 2 };

const char usageText[] =
    "Usage:\n"
    "  ruvo-admin create-db PATH\n"
    "      Create a new database file at PATH with the current schema (3.21).\n"
    "      An existing PATH is never overwritten.\n"
    "  ruvo-admin demo PATH [--households N] [--farms M] [--seed S]\n"
    "      Fill the new database at PATH with reference books, a demo okrug and\n"
    "      synthetic households and farms. See ruvo-admin demo --help.\n"
    "  ruvo-admin --help\n"
    "\n"
    "Exit codes: 0 done, 1 failed, 2 wrong arguments.\n";

const char demoUsageText[] =
    "Usage: ruvo-admin demo PATH [--households N] [--farms M] [--seed S]\n"
    "\n"
    "Fills the database at PATH (made by ruvo-admin create-db) with reference\n"
    "books, a demo okrug, N households and M farms.\n"
    "  --households N   households to make, 0..1000000 (default 300)\n"
    "  --farms M        farms to make, 0..1000000 (default 30)\n"
    "  --seed S         random seed, 0..4294967295 (default 1); the same seed\n"
    "                   gives the same okrug\n"
    "\n"
    "Login to the demo database: any login of three or more characters with\n"
    "the password Demo2024!\n";
static_assert(std::string_view(DemoOkrug::Password) == "Demo2024!",
              "the demo help names the demo password");

void print(FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    if (!text.endsWith(u'\n'))
        std::fputc('\n', to);
}

int wrongArguments(const QString &why, const char *usage = usageText)
{
    print(stderr, QStringLiteral("ruvo-admin: ") + why);
    std::fputs("\n", stderr);
    std::fputs(usage, stderr);
    return WrongArguments;
}

bool isHelp(const QString &arg)
{
    return arg == u"--help" || arg == u"-h" || arg == u"help";
}

int createDb(const QStringList &args)
{
    if (args.size() == 1 && isHelp(args[0])) {
        std::fputs(usageText, stdout);
        return Done;
    }
    if (args.size() != 1)
        return wrongArguments(QStringLiteral("create-db takes exactly one PATH."));
    const QString path = args[0];
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        print(stderr, QStringLiteral("ruvo-admin: %1 already exists; nothing was changed.")
                          .arg(QFileInfo(path).absoluteFilePath()));
        return Failed;
    }
    DatabaseCreator creator;
    if (!creator.create(path)) {
        print(stderr, QStringLiteral("ruvo-admin: ") + creator.errorString());
        return Failed;
    }
    print(stdout, QStringLiteral("Created %1").arg(QFileInfo(path).absoluteFilePath()));
    return Done;
}

std::optional<qint64> wholeNumber(const QString &text, qint64 max)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < 0 || v > max)
        return std::nullopt;
    return v;
}

int demo(const QStringList &args)
{
    DemoOptions options;
    QString path;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString arg = args[i];
        if (isHelp(arg)) {
            std::fputs(demoUsageText, stdout);
            return Done;
        }
        if (!arg.startsWith(u"--")) {
            if (!path.isEmpty())
                return wrongArguments(QStringLiteral("demo takes one PATH, got also %1.").arg(arg),
                                      demoUsageText);
            path = arg;
            continue;
        }
        QString name = arg;
        QString value;
        if (const qsizetype eq = arg.indexOf(u'='); eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return wrongArguments(QStringLiteral("%1 needs a value.").arg(name), demoUsageText);
        }
        if (name == u"--households" || name == u"--farms") {
            const auto v = wholeNumber(value, 1000000);
            if (!v)
                return wrongArguments(QStringLiteral("%1 needs a whole number from 0 to 1000000, got \"%2\".")
                                          .arg(name, value),
                                      demoUsageText);
            (name == u"--households" ? options.households : options.farms) = int(*v);
        } else if (name == u"--seed") {
            const auto v = wholeNumber(value, std::numeric_limits<quint32>::max());
            if (!v)
                return wrongArguments(QStringLiteral("--seed needs a whole number from 0 to 4294967295, got \"%1\".")
                                          .arg(value),
                                      demoUsageText);
            options.seed = quint32(*v);
        } else {
            return wrongArguments(QStringLiteral("unknown option %1.").arg(name), demoUsageText);
        }
    }
    if (path.isEmpty())
        return wrongArguments(QStringLiteral("demo needs the PATH of a database."), demoUsageText);
    if (!QFileInfo(path).isFile()) {
        print(stderr, QStringLiteral("ruvo-admin: there is no database at %1; make one with "
                                     "ruvo-admin create-db first.")
                          .arg(QFileInfo(path).absoluteFilePath()));
        return Failed;
    }

    const QString name = QStringLiteral("ruvo-admin-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString error;
    bool ok = true;
    {
        QSqlDatabase db = Connection::open(name, QFileInfo(path).absoluteFilePath(), &error);
        if (!db.isOpen()) {
            print(stderr, QStringLiteral("ruvo-admin: ") + error);
            return Failed;
        }
        try {
            DemoOkrug::fill(db, options);
        } catch (const std::exception &e) {
            db.rollback();
            error = QString::fromUtf8(e.what());
            ok = false;
        }
    }
    Connection::close(name);
    if (!ok) {
        print(stderr, QStringLiteral("ruvo-admin: demo failed: ") + error);
        return Failed;
    }
    print(stdout, QStringLiteral("Filled %1: %2 households, %3 farms, seed %4")
                      .arg(QFileInfo(path).absoluteFilePath())
                      .arg(options.households)
                      .arg(options.farms)
                      .arg(options.seed));
    return Done;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return wrongArguments(QStringLiteral("no command given."));
    const QString command = args.takeFirst();
    if (isHelp(command)) {
        std::fputs(usageText, stdout);
        return Done;
    }
    if (command == u"create-db")
        return createDb(args);
    if (command == u"demo")
        return demo(args);
    return wrongArguments(QStringLiteral("unknown command \"%1\".").arg(command));
}

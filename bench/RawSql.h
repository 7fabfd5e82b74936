#pragma once

#include <QList>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

class Dataset;
class QObject;

// The SQL our datasets run, written down as they open, so the same
// statements can be run again without our layer: by the Qt driver alone in
// this process, and by isql-fb in a process of its own.
class StatementRecorder
{
public:
    // Hooks every dataset that `owner` (the data module) holds; the hooks
    // call the handlers that were installed before and go on destruction.
    explicit StatementRecorder(QObject &owner);
    ~StatementRecorder();
    StatementRecorder(const StatementRecorder &) = delete;
    StatementRecorder &operator=(const StatementRecorder &) = delete;

    void start();
    // The statements since start(), parameters written in as literals.
    QStringList stop();

private:
    struct Hooked
    {
        QPointer<Dataset> dataset;
        std::function<void(Dataset &)> before;
    };
    QList<Hooked> m_hooked;
    QStringList m_statements;
    bool m_recording = false;
};

// The select of `dataset` with its current parameters as SQL literals.
QString withLiterals(const Dataset &dataset);

// Runs the statements through a plain QSqlQuery in one transaction and reads
// every value; returns the milliseconds taken, or -1 with *error set.
double runWithDriver(QSqlDatabase db, const QStringList &statements, QString *error);

// Runs `groups` (each one measured unit: a list load, a card switch) through
// isql-fb on `database`, which no connection of this process may hold, and
// returns the milliseconds of one unit for each of `repeats` runs: the time of
// the script less the time of an isql-fb run that only connects.
struct IsqlResult
{
    QList<double> perUnitMs;
    QString error;
};
IsqlResult runWithIsql(const QString &database, const QList<QStringList> &groups, int repeats,
                       const QString &scriptFolder);

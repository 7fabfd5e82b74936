#pragma once

#include "db/Dataset.h"
#include "db/DbSession.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

struct WorkContext;

// One statement of a script or of the command object, with its bound values.
struct SqlStatement
{
    QString sql;
    QVariantList values; // positional "?" values
};

// The data module: the one connection with its session, and every dataset of
// the program: the two book lists, the okrug's settlements and settings, the
// version row, the reference lists, one dataset per section and the general
// work queries. The record rules of the books live in their own modules and
// hook into these datasets.
class TFDM : public QObject
{
    Q_OBJECT

    // Declared first: the datasets below are built on the session.
    WorkContext &m_context;
    DbSession m_session;

public:
    explicit TFDM(WorkContext &context, QObject *parent = nullptr);
    ~TFDM() override;

    // --- connection (DatabaseError when the file cannot be opened)
    void connectDatabase(const QString &location);
    void disconnectDatabase(); // commits what is pending
    bool isConnected() const;
    DbSession &session() { return m_session; }

    // --- shared datasets
    Dataset TKPUCatal;      // household list of the settlement (parameter KID)
    Dataset TKFHCatal;      // farm list of the settlement (parameter KID)
    Dataset TKnigaKato;     // settlements of the okrug (parameter AB)
    Dataset TKnigaProperty; // the okrug settings row
    Dataset TVer;           // version and password row
    Dataset WorkQuery;      // general work query for compsql

    Dataset &reference(const QString &table);
    Dataset &section(const QString &datasetName);

    // Attaches (editable) or detaches (read-only) a section's statements; an
    // edit of a read-only section fails with "Cannot modify ...". Sections
    // are editable from the moment the database is connected.
    void setSectionEditable(const QString &datasetName, bool editable);
    bool isSectionEditable(const QString &datasetName) const;

    // Loads both book lists for settlement KID, the household list in the
    // order of the work context's SortOrder.
    void ChangeKato(int kid);
    // Sets the okrug prefix of the work context and reloads its settlements;
    // an empty prefix gives an empty list.
    void RefreshKato(const QString &prefix);

    // Opens what is not open yet: every reference list and every section, in
    // the order the main window's refresh needs them.
    void openListsAndSections();

    // Replaces the query's SQL text and reopens it. Server errors reach the
    // caller unchanged.
    static void compsql(Dataset &query, const QString &sqlText);

    // Runs the statements one after another as one operation and commits
    // them, with every change posted before. A failing statement rolls the
    // whole script back and raises its DatabaseError.
    void runScript(const QList<SqlStatement> &statements);

    // Runs one statement in the current operation (or as an operation of its
    // own when none is running).
    void execSql(const SqlStatement &statement);

    static QString householdListSql(int sortOrder);

private:
    QHash<QString, Dataset *> m_references;
    QHash<QString, Dataset *> m_sections;
    QHash<QString, StatementSet> m_sectionStatements; // built from the tables' columns on connecting
};

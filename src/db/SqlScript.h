#pragma once

#include <QList>
#include <QString>

// One statement of an isql-style script, without its terminator.
struct SqlStatement
{
    enum class Kind { Sql, Commit };

    Kind kind = Kind::Sql;
    QString text; // from the first token up to the terminator, trimmed
    int line = 0; // 1-based line of the first token

    bool isCommit() const { return kind == Kind::Commit; }
    // Metadata changes: later statements see the new objects only after a commit.
    bool isDdl() const;
    QString firstLine() const;
};

// Splits scripts written for isql-fb: ";" ends a statement unless SET TERM has
// switched the terminator (trigger and procedure bodies contain ";"). Comments
// and quoted text never end a statement. SET TERM and isql's own session
// settings (SET NAMES, SET SQL DIALECT, ...) are consumed here because the
// server does not understand them; COMMIT stays as a marker for the runner.
class SqlScript
{
public:
    explicit SqlScript(const QString &text);

    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    const QList<SqlStatement> &statements() const { return m_statements; }

private:
    void parse(const QString &text);
    void take(const QString &text, int line);

    QString m_terminator = QStringLiteral(";");
    QList<SqlStatement> m_statements;
    QString m_error;
};

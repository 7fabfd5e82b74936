#pragma once

#include <QList>
#include <QString>

struct SchemaScript
{
    QString name; // shown in error messages
    QString text;
};

// Makes a new p1.fdb: creates the file with the in-process Firebird engine and
// applies the schema scripts. Never touches an existing file; after any
// failure the half-made file is gone again.
class DatabaseCreator
{
public:
    // The scripts built into the program (schema/*.sql), in file-name order.
    static QList<SchemaScript> builtInSchema();

    bool create(const QString &path) { return create(path, builtInSchema()); }
    bool create(const QString &path, const QList<SchemaScript> &scripts);

    QString errorString() const { return m_error; }

private:
    bool createEmptyFile(const QString &path);
    bool applyScripts(const QString &path, const QList<SchemaScript> &scripts);

    QString m_error;
};

#pragma once

#include <QList>
#include <QString>

// A classic INI file ("[SECTION]" lines, "key=value" lines) read and written
// whole, UTF-8. Unlike QSettings it keeps sections and keys in file order and
// adds new ones at the end in the order they are set, and it leaves values
// (dates with blanks and colons) unquoted. Names compare case-insensitively.
class IniFile
{
public:
    // False when the file is missing or unreadable; the content is then empty.
    bool load(const QString &path);
    // Written through a temporary file, so a failed save leaves the old file.
    bool save(const QString &path) const;

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key,
                  const QString &defaultValue = {}) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    QString toText() const;

private:
    struct Line
    {
        QString key;   // empty: a line kept as it was (comment, blank)
        QString value; // or the kept line itself
    };
    struct Section
    {
        QString name; // empty for lines before the first section
        QList<Line> lines;
    };

    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;

    QList<Section> m_sections;
};

#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

bool IniFile::load(const QString &path)
{
    m_sections.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;

    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    Section *current = nullptr;
    while (!in.atEnd()) {
        const QString raw = in.readLine();
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            m_sections.append({line.mid(1, line.size() - 2).trimmed(), {}});
            current = &m_sections.last();
            continue;
        }
        if (!current) {
            m_sections.append({QString(), {}});
            current = &m_sections.last();
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && !line.startsWith(u';'))
            current->lines.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
        else
            current->lines.append({QString(), raw});
    }
    return true;
}

QString IniFile::toText() const
{
    QString text;
    for (const Section &s : m_sections) {
        if (!s.name.isEmpty())
            text += u'[' + s.name + QStringLiteral("]\n");
        for (const Line &l : s.lines)
            text += l.key.isEmpty() ? l.value + u'\n' : l.key + u'=' + l.value + u'\n';
    }
    return text;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toText().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

IniFile::Section *IniFile::findSection(const QString &name)
{
    for (Section &s : m_sections) {
        if (!s.name.isEmpty() && s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    return const_cast<IniFile *>(this)->findSection(name);
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    if (const Section *s = findSection(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty() && l.key.compare(key, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString IniFile::value(const QString &section, const QString &key,
                       const QString &defaultValue) const
{
    if (const Section *s = findSection(section)) {
        for (const Line &l : s->lines) {
            if (!l.key.isEmpty() && l.key.compare(key, Qt::CaseInsensitive) == 0)
                return l.value;
        }
    }
    return defaultValue;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Section *s = findSection(section);
    if (!s) {
        m_sections.append({section, {}});
        s = &m_sections.last();
    }
    for (Line &l : s->lines) {
        if (!l.key.isEmpty() && l.key.compare(key, Qt::CaseInsensitive) == 0) {
            l.value = value;
            return;
        }
    }
    // Before trailing blank lines, so sections stay visually apart.
    qsizetype at = s->lines.size();
    while (at > 0 && s->lines.at(at - 1).key.isEmpty() && s->lines.at(at - 1).value.trimmed().isEmpty())
        --at;
    s->lines.insert(at, {key, value});
}

#include "db/SqlScript.h"

#include <QRegularExpression>

namespace {

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

QStringList leadingWords(const QString &text, int count)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z_]+"));
    QStringList words;
    int pos = 0;
    while (words.size() < count) {
        while (pos < text.size() && text.at(pos).isSpace())
            ++pos;
        const auto m = word.match(text, pos, QRegularExpression::NormalMatch,
                                  QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            break;
        words << m.captured().toUpper();
        pos = m.capturedEnd();
    }
    return words;
}

// Settings of the isql client itself; sent to the server they are syntax errors.
bool isIsqlSetting(const QString &text)
{
    static const QStringList settings = {
        QStringLiteral("NAMES"),    QStringLiteral("SQL"),     QStringLiteral("AUTODDL"),
        QStringLiteral("AUTO"),     QStringLiteral("ECHO"),    QStringLiteral("BAIL"),
        QStringLiteral("LIST"),     QStringLiteral("STATS"),   QStringLiteral("COUNT"),
        QStringLiteral("PLAN"),     QStringLiteral("PLANONLY"), QStringLiteral("WARNINGS"),
        QStringLiteral("WNG"),      QStringLiteral("HEADING"), QStringLiteral("HEAD"),
        QStringLiteral("BLOB"),     QStringLiteral("BLOBDISPLAY"), QStringLiteral("TIME"),
        QStringLiteral("ROWCOUNT"), QStringLiteral("SQLDA_DISPLAY"), QStringLiteral("EXPLAIN"),
        QStringLiteral("PER_TAB"),  QStringLiteral("MAXROWS"),
    };
    const QStringList w = leadingWords(text, 2);
    return w.size() == 2 && w[0] == u"SET" && settings.contains(w[1]);
}

QChar closingQuote(QChar open)
{
    switch (open.unicode()) {
    case '(': return u')';
    case '[': return u']';
    case '{': return u'}';
    case '<': return u'>';
    default: return open;
    }
}

} // namespace

bool SqlStatement::isDdl() const
{
    const QStringList w = leadingWords(text, 2);
    if (w.isEmpty())
        return false;
    static const QStringList ddl = {
        QStringLiteral("CREATE"), QStringLiteral("ALTER"),   QStringLiteral("DROP"),
        QStringLiteral("RECREATE"), QStringLiteral("COMMENT"), QStringLiteral("DECLARE"),
        QStringLiteral("GRANT"),  QStringLiteral("REVOKE"),
    };
    if (ddl.contains(w[0]))
        return true;
    return w.size() == 2 && w[0] == u"SET"
           && (w[1] == u"GENERATOR" || w[1] == u"STATISTICS");
}

QString SqlStatement::firstLine() const
{
    return text.section(u'\n', 0, 0).trimmed();
}

SqlScript::SqlScript(const QString &text)
{
    parse(text);
    if (!isValid())
        m_statements.clear();
}

void SqlScript::parse(const QString &s)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    int line = 1;
    qsizetype start = -1; // first token of the statement being read
    int startLine = 0;

    // Skips to just past `close`, counting lines; false when it never comes.
    auto skipPast = [&](const QString &close, qsizetype from) {
        const qsizetype end = s.indexOf(close, from);
        if (end < 0)
            return false;
        line += int(QStringView(s).mid(i, end + close.size() - i).count(u'\n'));
        i = end + close.size();
        return true;
    };

    while (i < n) {
        const QChar c = s.at(i);
        if (c == u'\n') {
            ++line;
            ++i;
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'-' && i + 1 < n && s.at(i + 1) == u'-') {
            const qsizetype eol = s.indexOf(u'\n', i);
            i = eol < 0 ? n : eol;
            continue;
        }
        if (c == u'/' && i + 1 < n && s.at(i + 1) == u'*') {
            const int at = line;
            if (!skipPast(QStringLiteral("*/"), i + 2)) {
                m_error = QStringLiteral("line %1: comment is never closed").arg(at);
                return;
            }
            continue;
        }
        if (QStringView(s).mid(i).startsWith(m_terminator)) {
            const qsizetype end = i + m_terminator.size(); // before SET TERM changes it
            if (start >= 0)
                take(s.mid(start, i - start).trimmed(), startLine);
            start = -1;
            i = end;
            continue;
        }
        if (start < 0) {
            start = i;
            startLine = line;
        }
        if (c == u'\'' || c == u'"') {
            // A doubled quote inside is an escaped quote and simply continues the text.
            const int at = line;
            const QString quote(c);
            ++i;
            bool closed = false;
            while (skipPast(quote, i)) {
                if (i < n && s.at(i) == c) {
                    ++i;
                    continue;
                }
                closed = true;
                break;
            }
            if (!closed) {
                m_error = c == u'\''
                              ? QStringLiteral("line %1: string is never closed").arg(at)
                              : QStringLiteral("line %1: quoted identifier is never closed").arg(at);
                return;
            }
            continue;
        }
        if ((c == u'q' || c == u'Q') && i + 2 < n && s.at(i + 1) == u'\''
            && (i == 0 || !isIdentifierChar(s.at(i - 1)))) {
            // Firebird's q'{...}' strings: no escapes, any quote inside.
            const int at = line;
            const QString close = QString(closingQuote(s.at(i + 2))) + u'\'';
            const qsizetype from = i + 3;
            if (!skipPast(close, from)) {
                m_error = QStringLiteral("line %1: string is never closed").arg(at);
                return;
            }
            continue;
        }
        ++i;
    }
    if (start >= 0) {
        m_error = QStringLiteral("line %1: statement does not end with \"%2\": %3")
                      .arg(startLine)
                      .arg(m_terminator, s.mid(start).section(u'\n', 0, 0).trimmed());
    }
}

void SqlScript::take(const QString &text, int line)
{
    static const QRegularExpression setTerm(QStringLiteral("^SET\\s+TERM\\s+(\\S+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression commit(QStringLiteral("^COMMIT(\\s+WORK)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (const auto m = setTerm.match(text); m.hasMatch()) {
        m_terminator = m.captured(1);
        return;
    }
    if (isIsqlSetting(text))
        return;
    SqlStatement st;
    st.kind = commit.match(text).hasMatch() ? SqlStatement::Kind::Commit : SqlStatement::Kind::Sql;
    st.text = text;
    st.line = line;
    m_statements << st;
}

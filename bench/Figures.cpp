#include "Figures.h"

#include <algorithm>

namespace {

double percentile(const QList<double> &sorted, double p)
{
    if (sorted.isEmpty())
        return 0;
    const double pos = p * double(sorted.size() - 1);
    const qsizetype lower = qsizetype(pos);
    const qsizetype upper = std::min(lower + 1, sorted.size() - 1);
    const double fraction = pos - double(lower);
    return sorted[lower] + (sorted[upper] - sorted[lower]) * fraction;
}

QString figure(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

constexpr int NameWidth = 34;

} // namespace

Summary summarize(QList<double> samples)
{
    Summary s;
    s.n = int(samples.size());
    if (samples.isEmpty())
        return s;
    std::sort(samples.begin(), samples.end());
    s.median = percentile(samples, 0.5);
    s.p10 = percentile(samples, 0.1);
    s.p90 = percentile(samples, 0.9);
    s.min = samples.first();
    s.max = samples.last();
    return s;
}

void Report::add(const QString &what, const QList<double> &samples, const QString &unit)
{
    const Summary s = summarize(samples);
    m_lines << QStringLiteral("%1 %2 %3 %4 %5 %6 %7  %8")
                   .arg(what, -NameWidth)
                   .arg(s.n, 4)
                   .arg(figure(s.median), 9)
                   .arg(figure(s.p10), 9)
                   .arg(figure(s.p90), 9)
                   .arg(figure(s.min), 9)
                   .arg(figure(s.max), 9)
                   .arg(unit);
}

void Report::addValue(const QString &what, double value, const QString &unit, const QString &comment)
{
    m_lines << QStringLiteral("%1 %2 %3  %4%5")
                   .arg(what, -NameWidth)
                   .arg(QString(), 4)
                   .arg(figure(value), 9)
                   .arg(unit, comment.isEmpty() ? QString() : QStringLiteral("   ") + comment);
}

void Report::addNote(const QString &text)
{
    m_lines << QStringLiteral("  ") + text;
}

void Report::addFailure(const QString &what, const QString &why)
{
    m_lines << QStringLiteral("%1 FAILED: %2").arg(what, -NameWidth).arg(why);
}

QString Report::text() const
{
    const QString head = QStringLiteral("%1 %2 %3 %4 %5 %6 %7  %8")
                             .arg(QStringLiteral("measure"), -NameWidth)
                             .arg(QStringLiteral("n"), 4)
                             .arg(QStringLiteral("median"), 9)
                             .arg(QStringLiteral("p10"), 9)
                             .arg(QStringLiteral("p90"), 9)
                             .arg(QStringLiteral("min"), 9)
                             .arg(QStringLiteral("max"), 9)
                             .arg(QStringLiteral("unit"));
    return head + u'\n' + m_lines.join(u'\n') + u'\n';
}

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Median and spread of repeated measurements, and the report table.
struct Summary
{
    int n = 0;
    double median = 0;
    double p10 = 0;
    double p90 = 0;
    double min = 0;
    double max = 0;
};

Summary summarize(QList<double> samples);

class Report
{
public:
    // A measured line: median, p10, p90, min and max of the samples.
    void add(const QString &what, const QList<double> &samples, const QString &unit);
    // A line with one figure and a free comment.
    void addValue(const QString &what, double value, const QString &unit, const QString &comment = {});
    void addNote(const QString &text);
    void addFailure(const QString &what, const QString &why);

    QString text() const;

private:
    QStringList m_lines;
};

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class DemoRandom;

// Land use of one card, in tenths of the book's unit (square metres in the
// household book, hectares in the farm book). Keys are ZEM column names; a
// missing key is an empty field. Totals are computed the way the land page
// computes them when a row is saved, so every stored total equals its parts.
class DemoLand
{
public:
    enum class Book { Household, Farm };

    static DemoLand make(Book book, DemoRandom &random);

    const QMap<QString, qint64> &values() const { return m_values; }
    qint64 value(const QString &column) const { return m_values.value(column, 0); }
    void set(const QString &column, qint64 tenths) { m_values.insert(column, tenths); }

    // Every ZEM column make() may fill, for the insert statement.
    static QStringList columns();
    // The column-2 twin of a column 1 ("PASHNYA" -> "PASHNYA_2", "KFH_SHU" -> "KFH_SHU2").
    static QString outside(const QString &column);

private:
    void makeHouseholdLand(DemoRandom &r);
    void makeFarmLand(DemoRandom &r);
    void sow(const QStringList &crops, qint64 area, DemoRandom &r);
    void plant(qint64 orchard, DemoRandom &r);
    void computeTotals(Book book);

    QMap<QString, qint64> m_values;
    qint64 m_step = 10; // the smallest area written: 1 m² or 0.1 ha, in tenths
};

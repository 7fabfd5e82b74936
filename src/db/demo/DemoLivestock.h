#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class DemoRandom;

// Livestock of one card in heads. Keys are ZHIV column names; a kind the card
// does not keep has neither total nor groups. Every total is the sum of the
// groups the livestock page sums into it.
class DemoLivestock
{
public:
    enum class Book { Household, Farm };

    // `pigs`: whether the family keeps pigs at all.
    static DemoLivestock make(Book book, bool pigs, DemoRandom &random);

    const QMap<QString, int> &values() const { return m_values; }
    int value(const QString &column) const { return m_values.value(column, 0); }
    bool isEmpty() const { return m_values.isEmpty(); }

    // Makes sure the card keeps poultry of more than one kind (for a fault
    // that needs a poultry total to get wrong).
    void ensureMixedPoultry(DemoRandom &random);
    // Every ZHIV column make() may fill.
    static QStringList columns();

private:
    void add(const QString &group, int heads);
    void computeTotals();

    QMap<QString, int> m_values;
};

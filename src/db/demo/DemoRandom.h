#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <initializer_list>
#include <random>

// The demo's only source of chance. std::mt19937 is specified to the bit, but
// the standard distributions are not (each library maps numbers to ranges its
// own way), so ranges are mapped here: the same seed gives the same okrug with
// any compiler.
//
// Never draw twice within one expression (f(r.between(..), r.between(..))):
// the order in which arguments are evaluated is unspecified.
class DemoRandom
{
public:
    explicit DemoRandom(quint32 seed) : m_engine(seed) {}

    // lo..hi inclusive, lo <= hi.
    int between(int lo, int hi)
    {
        const quint64 span = quint64(qint64(hi) - qint64(lo) + 1);
        return int(qint64(lo) + qint64((quint64(m_engine()) * span) >> 32));
    }

    bool percent(int p) { return between(0, 99) < p; }
    bool permille(int p) { return between(0, 999) < p; }

    // Index 0..n-1 chosen with the given relative weights.
    int weighted(std::initializer_list<int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int x = between(0, total - 1);
        int i = 0;
        for (int w : weights) {
            if (x < w)
                return i;
            x -= w;
            ++i;
        }
        return i - 1;
    }

    template<typename T>
    const T &pick(const QList<T> &items)
    {
        return items.at(between(0, int(items.size()) - 1));
    }

    template<typename T, std::size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[between(0, int(N) - 1)];
    }

    // A digit string of `length` characters.
    QString digits(int length)
    {
        QString s;
        s.reserve(length);
        for (int i = 0; i < length; ++i)
            s.append(QChar(u'0' + between(0, 9)));
        return s;
    }

private:
    std::mt19937 m_engine;
};

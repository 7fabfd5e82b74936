#include "db/demo/DemoLivestock.h"

#include "db/demo/DemoRandom.h"

#include <QList>

namespace {

struct Kind
{
    QString total;
    QStringList groups;
};

const QList<Kind> &kinds()
{
    static const QList<Kind> list = {
        {QStringLiteral("SKOT_MOL_VSEGO"), {QStringLiteral("KOROVY_MOL"), QStringLiteral("BYKI_PROIZV")}},
        {QStringLiteral("SKOT_PROCHIY"),
         {QStringLiteral("KOROVY_PROCH"), QStringLiteral("BYKI_PROCH"), QStringLiteral("VOLY")}},
        {QStringLiteral("SKOT_KR_MO_MYA"), {QStringLiteral("KOROVY_MOL_MYASO"), QStringLiteral("BYKI_PROIZ_MYAS")}},
        {QStringLiteral("OVCY_VSEGO"), {QStringLiteral("BARANY"), QStringLiteral("OVCEMATKI")}},
        {QStringLiteral("KOZY_VSEGO"), {QStringLiteral("KOZLY_PROIZV"), QStringLiteral("KOZOMATKI")}},
        {QStringLiteral("LOSHADI"),
         {QStringLiteral("ZHEREBCY"), QStringLiteral("KOBYLY"), QStringLiteral("MERINY"), QStringLiteral("OSLY"),
          QStringLiteral("MULY_LOSHADI")}},
        {QStringLiteral("VERBLUDY"), {QStringLiteral("VERBLYDOMATKI"), QStringLiteral("VERBL_PROIZV")}},
        {QStringLiteral("SVINJI"), {QStringLiteral("HRYAKI"), QStringLiteral("SVINOMATKI")}},
        {QStringLiteral("PTITSA"),
         {QStringLiteral("KURY"), QStringLiteral("INDEYKI"), QStringLiteral("GUSI"), QStringLiteral("UTKI"),
          QStringLiteral("CESARKI")}},
        {QStringLiteral("ZHIVOTNYE_PROCH"),
         {QStringLiteral("KROLIKI"), QStringLiteral("PEREPELKI"), QStringLiteral("STRAUSY"), QStringLiteral("FAZANY"),
          QStringLiteral("PCHELOSEMYI"), QStringLiteral("OLENI")}},
        {QStringLiteral("ZVERI_PROCH_PUSHNYE"),
         {QStringLiteral("LISICY"), QStringLiteral("PESCY"), QStringLiteral("NORKI")}},
    };
    return list;
}

} // namespace

QStringList DemoLivestock::columns()
{
    QStringList list;
    for (const Kind &k : kinds())
        list << k.total << k.groups;
    list << QStringLiteral("KURY_NESUSHKI");
    return list;
}

void DemoLivestock::add(const QString &group, int heads)
{
    if (heads > 0)
        m_values[group] += heads;
}

DemoLivestock DemoLivestock::make(Book book, bool pigs, DemoRandom &r)
{
    DemoLivestock s;
    if (book == Book::Household) {
        if (r.percent(55)) {
            s.add(QStringLiteral("KOROVY_MOL"), r.between(1, 4));
            if (r.percent(10))
                s.add(QStringLiteral("BYKI_PROIZV"), 1);
        }
        if (r.percent(10)) {
            s.add(QStringLiteral("KOROVY_PROCH"), r.between(1, 3));
            if (r.percent(10))
                s.add(QStringLiteral("VOLY"), 1);
        }
        if (r.percent(35)) {
            s.add(QStringLiteral("OVCEMATKI"), r.between(2, 25));
            s.add(QStringLiteral("BARANY"), r.between(0, 2));
        }
        if (r.percent(15)) {
            s.add(QStringLiteral("KOZOMATKI"), r.between(1, 6));
            s.add(QStringLiteral("KOZLY_PROIZV"), r.between(0, 1));
        }
        if (r.percent(25)) {
            s.add(QStringLiteral("KOBYLY"), r.between(1, 5));
            s.add(QStringLiteral("MERINY"), r.between(0, 2));
            if (r.percent(15))
                s.add(QStringLiteral("ZHEREBCY"), 1);
        }
        if (r.percent(1))
            s.add(QStringLiteral("VERBLYDOMATKI"), r.between(1, 2));
        if (pigs && r.percent(30)) {
            s.add(QStringLiteral("SVINOMATKI"), r.between(1, 2));
            s.add(QStringLiteral("HRYAKI"), r.between(0, 1));
        }
        if (r.percent(70)) {
            s.add(QStringLiteral("KURY"), r.between(5, 40));
            if (r.percent(20))
                s.add(QStringLiteral("KURY_NESUSHKI"), r.between(1, s.value(QStringLiteral("KURY"))));
            if (r.percent(30))
                s.add(QStringLiteral("GUSI"), r.between(2, 12));
            if (r.percent(20))
                s.add(QStringLiteral("UTKI"), r.between(2, 10));
            if (r.percent(10))
                s.add(QStringLiteral("INDEYKI"), r.between(1, 5));
            if (r.percent(2))
                s.add(QStringLiteral("CESARKI"), r.between(2, 8));
        }
        if (r.percent(4))
            s.add(QStringLiteral("KROLIKI"), r.between(2, 20));
        if (r.percent(3))
            s.add(QStringLiteral("PCHELOSEMYI"), r.between(1, 10));
        if (r.permille(3))
            s.add(QStringLiteral("NORKI"), r.between(5, 30));
        if (s.m_values.isEmpty())
            s.add(QStringLiteral("KURY"), r.between(5, 20));
    } else {
        if (r.percent(40)) {
            s.add(QStringLiteral("KOROVY_MOL"), r.between(10, 150));
            s.add(QStringLiteral("BYKI_PROIZV"), r.between(1, 4));
        }
        if (r.percent(50)) {
            s.add(QStringLiteral("KOROVY_PROCH"), r.between(20, 300));
            s.add(QStringLiteral("BYKI_PROCH"), r.between(1, 10));
            if (r.percent(10))
                s.add(QStringLiteral("VOLY"), r.between(1, 6));
        }
        if (r.percent(10)) {
            s.add(QStringLiteral("KOROVY_MOL_MYASO"), r.between(10, 80));
            s.add(QStringLiteral("BYKI_PROIZ_MYAS"), r.between(1, 3));
        }
        if (r.percent(50)) {
            s.add(QStringLiteral("OVCEMATKI"), r.between(100, 1500));
            s.add(QStringLiteral("BARANY"), r.between(3, 40));
        }
        if (r.percent(20)) {
            s.add(QStringLiteral("KOZOMATKI"), r.between(20, 200));
            s.add(QStringLiteral("KOZLY_PROIZV"), r.between(1, 8));
        }
        if (r.percent(50)) {
            s.add(QStringLiteral("KOBYLY"), r.between(20, 300));
            s.add(QStringLiteral("ZHEREBCY"), r.between(1, 10));
            s.add(QStringLiteral("MERINY"), r.between(0, 40));
        }
        if (r.percent(5)) {
            s.add(QStringLiteral("VERBLYDOMATKI"), r.between(5, 40));
            s.add(QStringLiteral("VERBL_PROIZV"), r.between(1, 3));
        }
        if (pigs && r.percent(25)) {
            s.add(QStringLiteral("SVINOMATKI"), r.between(10, 100));
            s.add(QStringLiteral("HRYAKI"), r.between(1, 5));
        }
        if (r.percent(20)) {
            s.add(QStringLiteral("KURY"), r.between(100, 5000));
            s.add(QStringLiteral("KURY_NESUSHKI"), s.value(QStringLiteral("KURY")) * r.between(50, 90) / 100);
            if (r.percent(30))
                s.add(QStringLiteral("GUSI"), r.between(20, 300));
            if (r.percent(20))
                s.add(QStringLiteral("INDEYKI"), r.between(20, 200));
        }
        if (r.percent(5))
            s.add(QStringLiteral("PCHELOSEMYI"), r.between(20, 150));
        if (s.m_values.isEmpty())
            s.add(QStringLiteral("KOROVY_PROCH"), r.between(20, 100));
    }
    s.computeTotals();
    return s;
}

void DemoLivestock::ensureMixedPoultry(DemoRandom &r)
{
    if (value(QStringLiteral("KURY")) == 0)
        add(QStringLiteral("KURY"), r.between(5, 30));
    if (value(QStringLiteral("GUSI")) == 0)
        add(QStringLiteral("GUSI"), r.between(2, 8));
    computeTotals();
}

void DemoLivestock::computeTotals()
{
    for (const Kind &k : kinds()) {
        int total = 0;
        bool kept = false;
        for (const QString &g : k.groups) {
            if (m_values.contains(g)) {
                total += m_values.value(g);
                kept = true;
            }
        }
        if (kept)
            m_values.insert(k.total, total);
    }
}

#include "db/demo/DemoSections.h"

#include "db/demo/DemoLand.h"
#include "db/demo/DemoLivestock.h"
#include "db/demo/DemoRandom.h"
#include "db/demo/DemoTables.h"

using namespace Qt::StringLiterals;

namespace DemoSections {

namespace {

// `count` distinct items of `from`, in the order drawn.
QList<int> distinct(QList<int> from, int count, DemoRandom &r)
{
    QList<int> chosen;
    for (int i = 0; i < count && !from.isEmpty(); ++i)
        chosen << from.takeAt(r.between(0, int(from.size()) - 1));
    return chosen;
}

DemoRow kindRow(const DemoTable &table, const QString &kindColumn, int kind, const QString &countColumn, int count,
                const QDate &actual)
{
    DemoRow row(table);
    row.set(kindColumn, kind).set(countColumn, count).set(u"ACTUAL_DATE"_s, actual);
    return row;
}

DemoRow cropBuilding(int kind, int count, qint64 tonnesTenths, const QDate &actual)
{
    DemoRow row = kindRow(DemoTables::postrRast(), u"SPR_POSTR_RAST_ID"_s, kind, u"PCOUNT"_s, count, actual);
    row.setTenths(u"VMEST"_s, tonnesTenths);
    return row;
}

// A storage total (1 grain, 2 vegetables and potatoes) with the parts it
// includes; the total's count and capacity cover its parts, as the FLK asks.
void addStorage(QList<DemoRow> &rows, int total, const QList<int> &parts, int scale, DemoRandom &r,
                const QDate &actual)
{
    int count = 0;
    qint64 capacity = 0;
    for (int part : parts) {
        const int c = r.between(1, scale);
        const qint64 v = qint64(c) * r.between(5, 20) * 10 * scale;
        rows << cropBuilding(part, c, v, actual);
        count += c;
        capacity += v;
    }
    if (parts.isEmpty()) {
        count = r.between(1, scale);
        capacity = qint64(count) * r.between(5, 20) * 10 * scale;
    }
    rows.prepend(cropBuilding(total, count, capacity, actual));
}

DemoRow livestockBuilding(int kind, int count, int places, const QDate &actual)
{
    DemoRow row = kindRow(DemoTables::postrZhiv(), u"SPR_POSTR_ZHIV_ID"_s, kind, u"PCOUNT"_s, count, actual);
    if (places > 0)
        row.set(u"CHISLO_SKM"_s, places);
    return row;
}

} // namespace

DemoRow land(const DemoLand &land, const QDate &actual)
{
    DemoRow row(DemoTables::zem());
    for (auto it = land.values().cbegin(); it != land.values().cend(); ++it)
        row.setTenths(it.key(), it.value());
    row.set(u"ACTUAL_DATE"_s, actual);
    return row;
}

DemoRow livestock(const DemoLivestock &livestock, const QDate &actual)
{
    DemoRow row(DemoTables::zhiv());
    for (auto it = livestock.values().cbegin(); it != livestock.values().cend(); ++it)
        row.set(it.key(), it.value());
    row.set(u"ACTUAL_DATE"_s, actual);
    return row;
}

QList<DemoRow> machinery(Book book, DemoRandom &r, const QDate &actual)
{
    QList<DemoRow> rows;
    const DemoTable &t = DemoTables::tehnika();
    if (book == Book::Household) {
        const int tractor = r.percent(60) ? 3 : 1;
        rows << kindRow(t, u"SPR_TEHNIKA_ID"_s, tractor, u"TCOUNT"_s, 1, actual);
        for (int kind : distinct({7, 14, 13, 10}, r.between(0, 2), r))
            rows << kindRow(t, u"SPR_TEHNIKA_ID"_s, kind, u"TCOUNT"_s, 1, actual);
    } else {
        rows << kindRow(t, u"SPR_TEHNIKA_ID"_s, 1, u"TCOUNT"_s, r.between(1, 8), actual);
        if (r.percent(70))
            rows << kindRow(t, u"SPR_TEHNIKA_ID"_s, 4, u"TCOUNT"_s, r.between(1, 3), actual);
        for (int kind : distinct({2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 5}, r.between(2, 6), r))
            rows << kindRow(t, u"SPR_TEHNIKA_ID"_s, kind, u"TCOUNT"_s, r.between(1, 4), actual);
    }
    return rows;
}

QList<DemoRow> equipment(Book book, DemoRandom &r, const QDate &actual)
{
    QList<DemoRow> rows;
    const QList<int> kinds = book == Book::Household ? QList<int>{4, 3, 11, 12, 9, 8}
                                                     : QList<int>{1, 12, 8, 11, 5, 10, 2, 6, 7, 13};
    const int n = book == Book::Household ? r.between(1, 2) : r.between(1, 3);
    for (int kind : distinct(kinds, n, r)) {
        const int count = book == Book::Household ? 1 : r.between(1, 3);
        rows << kindRow(DemoTables::obor(), u"SPR_OBOR_ID"_s, kind, u"OCOUNT"_s, count, actual);
    }
    return rows;
}

QList<DemoRow> cropBuildings(Book book, DemoRandom &r, const QDate &actual)
{
    QList<DemoRow> rows;
    if (book == Book::Household) {
        switch (r.weighted({50, 30, 20})) {
        case 0: addStorage(rows, 2, {18070137}, 1, r, actual); break;
        case 1: addStorage(rows, 2, {}, 1, r, actual); break;
        default: rows << cropBuilding(3, 1, r.between(20, 100), actual); break;
        }
        return rows;
    }
    QList<int> grainParts = {455815};
    if (r.percent(20))
        grainParts << 18070143;
    if (r.percent(15))
        grainParts << 18070144;
    addStorage(rows, 1, grainParts, 4, r, actual);
    if (r.percent(50))
        rows << cropBuilding(3, r.between(1, 3), r.between(50, 500) * 10, actual);
    if (r.percent(20))
        rows << cropBuilding(5, 1, r.between(20, 200) * 10, actual);
    if (r.percent(30))
        rows << cropBuilding(7, 1, r.between(10, 50) * 10, actual);
    if (r.percent(10)) {
        QList<DemoRow> vegetables;
        addStorage(vegetables, 2, {18070136}, 2, r, actual);
        rows << vegetables;
    }
    return rows;
}

QList<DemoRow> livestockBuildings(const DemoLivestock &s, DemoRandom &r, const QDate &actual)
{
    QList<DemoRow> rows;
    const int cattle = s.value(u"SKOT_MOL_VSEGO"_s) + s.value(u"SKOT_PROCHIY"_s) + s.value(u"SKOT_KR_MO_MYA"_s);
    const int small = s.value(u"OVCY_VSEGO"_s) + s.value(u"KOZY_VSEGO"_s);
    const int horses = s.value(u"LOSHADI"_s);
    const int camels = s.value(u"VERBLUDY"_s);
    const int pigs = s.value(u"SVINJI"_s);
    const int birds = s.value(u"PTITSA"_s);
    const int rabbits = s.value(u"KROLIKI"_s);
    const bool farm = cattle + small + horses > 60;
    const int perBuilding = farm ? 150 : 1000000;

    // Many households keep all their animals under one roof.
    if (!farm && cattle + small + horses + pigs > 0 && r.percent(35)) {
        rows << livestockBuilding(78, 1, 0, actual);
    } else {
        auto add = [&](int kind, int heads, int spare) {
            if (heads <= 0)
                return;
            const int count = qMax(1, (heads + perBuilding - 1) / perBuilding);
            rows << livestockBuilding(kind, count, heads + r.between(0, spare), actual);
        };
        add(70, cattle, farm ? 30 : 2);
        add(72, small, farm ? 100 : 10);
        if (horses > 0 && r.percent(farm ? 80 : 30))
            add(73, horses, farm ? 20 : 2);
        add(74, pigs, farm ? 20 : 2);
        add(76, camels, 2);
    }
    if (birds > 0 && r.percent(50)) {
        const int count = farm ? r.between(1, 3) : 1;
        rows << livestockBuilding(75, count, birds + r.between(0, 20), actual);
    }
    if (rabbits > 0)
        rows << (r.percent(50) ? livestockBuilding(77, 1, rabbits + r.between(0, 10), actual)
                               : livestockBuilding(79, 1, 0, actual));
    return rows;
}

DemoRow greenhouses(Book book, DemoRandom &r, const QDate &actual)
{
    DemoRow row(DemoTables::teplitsy());
    row.set(u"ACTUAL_DATE"_s, actual);
    if (book == Book::Household) {
        row.setTenths(u"OVOSHEY"_s, 10).set(u"OVOSHEY_V"_s, r.between(10, 60));
        if (r.percent(20))
            row.setTenths(u"CVETOV"_s, 10).set(u"CVETOV_V"_s, r.between(5, 20));
        return row;
    }
    const int units = r.between(1, 5);
    row.setTenths(u"OVOSHEY"_s, units * 10).set(u"OVOSHEY_V"_s, units * r.between(200, 600));
    if (r.percent(20)) {
        const int mushrooms = r.between(1, 2);
        row.setTenths(u"GRIBOV"_s, mushrooms * 10).set(u"GRIBOV_V"_s, mushrooms * r.between(50, 150));
    }
    if (r.percent(10))
        row.setTenths(u"PROCHEE"_s, 10).set(u"PROCHEE_V"_s, r.between(50, 300));
    return row;
}

DemoRow purchases(Book book, DemoRandom &r, const QDateTime &actual)
{
    static const QStringList names = {
        u"ПУНКТ ПРИЕМА МОЛОКА «АК СУТ»"_s, u"ЗАГОТОВИТЕЛЬНЫЙ ПУНКТ «БЕРЕКЕ»"_s,
        u"СЕЛЬСКОХОЗЯЙСТВЕННЫЙ КООПЕРАТИВ «ЖАНА ЖОЛ»"_s, u"ТОО «САРЫАРКА АГРО»"_s,
        u"ПУНКТ ПРИЕМА ШЕРСТИ И ШКУР"_s};
    DemoRow row(DemoTables::kpuZakup());
    row.set(u"NAME"_s, r.pick(names)).set(u"ACTUAL_DATE"_s, actual);
    const int scale = book == Book::Household ? 1 : 20;
    // Tonnes bought, with one decimal.
    switch (r.weighted({40, 25, 20, 15})) {
    case 0: row.setTenths(u"MOLOKO"_s, qint64(r.between(20, 300)) * scale); break;
    case 1:
        row.setTenths(u"ZERNO"_s, qint64(r.between(50, 900)) * scale);
        row.setTenths(u"MASLYA"_s, qint64(r.between(0, 200)) * scale);
        break;
    case 2:
        row.setTenths(u"MYASO"_s, qint64(r.between(10, 150)) * scale);
        row.setTenths(u"SHKURY"_s, qint64(r.between(1, 30)) * scale);
        row.setTenths(u"SHERST"_s, qint64(r.between(1, 40)) * scale);
        break;
    default:
        row.setTenths(u"OVOSHI"_s, qint64(r.between(30, 500)) * scale);
        row.setTenths(u"PLODY"_s, qint64(r.between(0, 100)) * scale);
        row.setTenths(u"PROCHEE"_s, qint64(r.between(0, 50)) * scale);
        break;
    }
    return row;
}

DemoRow additionalInfo(Book book, DemoRandom &r, const QDateTime &actual)
{
    static const QStringList household = {
        u"Многодетная семья"_s, u"Получает адресную социальную помощь"_s, u"Член семьи - лицо с инвалидностью"_s,
        u"Участник программы «Дипломмен ауылға!»"_s, u"Дом газифицирован в 2023 году"_s,
        u"Стоит в очереди на получение жилья"_s};
    static const QStringList farm = {
        u"Получает субсидии на развитие животноводства"_s, u"Член сельскохозяйственного кооператива"_s,
        u"Участник программы льготного кредитования «Кең дала»"_s, u"Земля в аренде на 49 лет"_s,
        u"Сертифицированное семеноводческое хозяйство"_s};
    const QStringList &notes = book == Book::Household ? household : farm;
    DemoRow row(DemoTables::kpuDopol());
    row.set(u"FIELD1"_s, r.pick(notes)).set(u"DATE_ACTUAL"_s, actual);
    if (r.percent(30))
        row.set(u"FIELD2"_s, r.pick(notes));
    return row;
}

} // namespace DemoSections

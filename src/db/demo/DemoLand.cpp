#include "db/demo/DemoLand.h"

#include "db/demo/DemoRandom.h"

#include <QList>

namespace {

struct Group
{
    QString total;
    QStringList parts;
};

// The totals of the sown-area and perennial blocks, each before any total
// that contains it, so one pass computes them all.
const QList<Group> &groups()
{
    static const QList<Group> list = {
        {QStringLiteral("BOBY_ZELENYE"), {QStringLiteral("FASOL_SV"), QStringLiteral("GOROH_SV")}},
        {QStringLiteral("BOBY_SUSHENYE"),
         {QStringLiteral("FASOL_SU"), QStringLiteral("NUT_SU"), QStringLiteral("CHECH"), QStringLiteral("GOROH_SU")}},
        {QStringLiteral("ZERNO"),
         {QStringLiteral("PSH_TOZ"), QStringLiteral("PSH_TIAR"), QStringLiteral("PSH_MOZS"), QStringLiteral("PSH_MOZ"),
          QStringLiteral("PSH_MIAR"), QStringLiteral("PSH_IARS"), QStringLiteral("KUKURUZA"), QStringLiteral("IACHM_OZ"),
          QStringLiteral("IACHM_IAR"), QStringLiteral("ROJ_OZ"), QStringLiteral("ROJ_IAR"), QStringLiteral("OVES"),
          QStringLiteral("SORGO"), QStringLiteral("PROSO"), QStringLiteral("GRECHIKHA"), QStringLiteral("TRIT_OZ"),
          QStringLiteral("TRIT_IAR"), QStringLiteral("SMES_KOLOSOVYKH"), QStringLiteral("BOBY_ZELENYE"),
          QStringLiteral("BOBY_SUSHENYE"), QStringLiteral("ZERNO_PROCHIE")}},
        {QStringLiteral("SEMENA_MASL"),
         {QStringLiteral("SEMENA_LEN_KUDRYASH"), QStringLiteral("SEMENA_GORCHITSA"), QStringLiteral("RAPS_OZ"),
          QStringLiteral("RAPS_KOLZ"), QStringLiteral("CUPER_OZ"), QStringLiteral("CUPER_IAR"),
          QStringLiteral("SEMENA_PODS"), QStringLiteral("SEMENA_SAFLOR"), QStringLiteral("BOBY_SOYA"),
          QStringLiteral("OREKHI_ZEML"), QStringLiteral("MASL_OTHER")}},
        {QStringLiteral("DYNI"), {QStringLiteral("ARBUZ"), QStringLiteral("DYNI_BAX")}},
        {QStringLiteral("OVOSHI"),
         {QStringLiteral("SPARZHA"), QStringLiteral("KAPUSTA"), QStringLiteral("KAPUS_TCV"), QStringLiteral("BROKKOL"),
          QStringLiteral("REVEN"), QStringLiteral("HCAVEL"), QStringLiteral("UKROP_BAX"), QStringLiteral("PETR"),
          QStringLiteral("SALAT"), QStringLiteral("OVOSHI_LIST_CHEREN"), QStringLiteral("DYNI"),
          QStringLiteral("BAKLAZHAN"), QStringLiteral("OGURCY"), QStringLiteral("POMIDOR"), QStringLiteral("PERTSY"),
          QStringLiteral("TYKVA"), QStringLiteral("KABACHKI"), QStringLiteral("PATICON"),
          QStringLiteral("OVOSHI_OTHER"), QStringLiteral("MORKOV"), QStringLiteral("CHESNOK"), QStringLiteral("LUK"),
          QStringLiteral("SEVOK"), QStringLiteral("BATUN"), QStringLiteral("OVOSHI_LUKOV"), QStringLiteral("SELDER"),
          QStringLiteral("REDIS_BAX"), QStringLiteral("SVEKLA_STOL"), QStringLiteral("REDKA_BAX"),
          QStringLiteral("HREN_BAX"), QStringLiteral("OVOSHI_BEZ_KRAHMALA"), QStringLiteral("OVOSHI_FRESH_OTHER"),
          QStringLiteral("SVEKLA"), QStringLiteral("GRIBY"), QStringLiteral("KARTOFEL")}},
        {QStringLiteral("YAR_CEV"), {QStringLiteral("ODNOLET"), QStringLiteral("MNLET")}},
        {QStringLiteral("SOLOMA"),
         {QStringLiteral("KORM_KORNEPLOD"), QStringLiteral("KORM_BAKHCHA"), QStringLiteral("KORM_ZERNO"),
          QStringLiteral("KORM_ZERNOBOB"), QStringLiteral("KORM_SILOS"), QStringLiteral("KORM_KUKURUZA"),
          QStringLiteral("YAR_CEV"), QStringLiteral("UCOS"), QStringLiteral("KORM_OTHER")}},
        {QStringLiteral("POSEV"),
         {QStringLiteral("ZERNO"), QStringLiteral("SEMENA_MASL"), QStringLiteral("RIS"), QStringLiteral("OVOSHI"),
          QStringLiteral("TABAK"), QStringLiteral("HLOPOK"), QStringLiteral("SOLOMA"), QStringLiteral("CVETY")}},
        {QStringLiteral("YAGODY_PROCH"),
         {QStringLiteral("MALINA"), QStringLiteral("KLUBNIKA"), QStringLiteral("SMORODINA"),
          QStringLiteral("KRYZHOVNIK"), QStringLiteral("YAGODY_PLODY_OTHER")}},
        {QStringLiteral("MNOGOLETNIE"),
         {QStringLiteral("VINOGRAD"), QStringLiteral("YABLOKI"), QStringLiteral("GRUSHI"), QStringLiteral("ABRIKOS"),
          QStringLiteral("VISHNYA"), QStringLiteral("PERSIK"), QStringLiteral("SLIVA"), QStringLiteral("PLODY_SEM"),
          QStringLiteral("YAGODY_PROCH"), QStringLiteral("OREKHI")}},
    };
    return list;
}

const QStringList &landBlock()
{
    static const QStringList list = {
        QStringLiteral("VSEGO"), QStringLiteral("POSTROYKI"), QStringLiteral("KFH_SHU"), QStringLiteral("PASHNYA"),
        QStringLiteral("SADY"), QStringLiteral("ZALEZHI"), QStringLiteral("PASTBISHA"), QStringLiteral("SENOKOS"),
        QStringLiteral("ZEM_OTHER"), QStringLiteral("SDANO"), QStringLiteral("VZYATO"),
        QStringLiteral("VZYATO_PASHNYA"), QStringLiteral("VZYATO_PASTBISHA"), QStringLiteral("VZYATO_SENOKOS")};
    return list;
}

// A garden always has potatoes; the rest is a choice among these.
const QStringList &gardenCrops()
{
    static const QStringList list = {
        QStringLiteral("OGURCY"), QStringLiteral("POMIDOR"), QStringLiteral("KAPUSTA"), QStringLiteral("MORKOV"),
        QStringLiteral("LUK"), QStringLiteral("SVEKLA_STOL"), QStringLiteral("CHESNOK"), QStringLiteral("PERTSY"),
        QStringLiteral("KABACHKI"), QStringLiteral("TYKVA"), QStringLiteral("ARBUZ"), QStringLiteral("DYNI_BAX"),
        QStringLiteral("SALAT"), QStringLiteral("UKROP_BAX"), QStringLiteral("BAKLAZHAN"), QStringLiteral("KUKURUZA"),
        QStringLiteral("PSH_MIAR"), QStringLiteral("IACHM_IAR"), QStringLiteral("OVES"),
        QStringLiteral("KORM_KORNEPLOD"), QStringLiteral("ODNOLET"), QStringLiteral("CVETY")};
    return list;
}

// A farm always sows spring wheat; the rest is a choice among these.
const QStringList &fieldCrops()
{
    static const QStringList list = {
        QStringLiteral("PSH_IARS"), QStringLiteral("IACHM_IAR"), QStringLiteral("OVES"), QStringLiteral("PROSO"),
        QStringLiteral("GRECHIKHA"), QStringLiteral("KUKURUZA"), QStringLiteral("GOROH_SU"), QStringLiteral("CHECH"),
        QStringLiteral("NUT_SU"), QStringLiteral("SEMENA_PODS"), QStringLiteral("RAPS_KOLZ"),
        QStringLiteral("SEMENA_LEN_KUDRYASH"), QStringLiteral("SEMENA_GORCHITSA"), QStringLiteral("SEMENA_SAFLOR"),
        QStringLiteral("BOBY_SOYA"), QStringLiteral("KORM_ZERNO"), QStringLiteral("KORM_SILOS"),
        QStringLiteral("KORM_KUKURUZA"), QStringLiteral("ODNOLET"), QStringLiteral("MNLET"),
        QStringLiteral("KARTOFEL")};
    return list;
}

const QStringList &orchardCrops()
{
    static const QStringList list = {
        QStringLiteral("YABLOKI"), QStringLiteral("GRUSHI"), QStringLiteral("VISHNYA"), QStringLiteral("SLIVA"),
        QStringLiteral("ABRIKOS"), QStringLiteral("MALINA"), QStringLiteral("KLUBNIKA"), QStringLiteral("SMORODINA"),
        QStringLiteral("KRYZHOVNIK")};
    return list;
}

// Square metres are whole in the household book; hectares keep one decimal.
qint64 unitOf(DemoLand::Book book)
{
    return book == DemoLand::Book::Household ? 10 : 1;
}

} // namespace

QString DemoLand::outside(const QString &column)
{
    return column == u"KFH_SHU" ? QStringLiteral("KFH_SHU2") : column + QStringLiteral("_2");
}

QStringList DemoLand::columns()
{
    QStringList list;
    for (const QString &c : landBlock())
        list << c << outside(c);
    for (const Group &g : groups())
        list << g.total << outside(g.total);
    for (const QStringList *crops : {&gardenCrops(), &fieldCrops(), &orchardCrops()}) {
        for (const QString &c : *crops) {
            if (!list.contains(c))
                list << c;
        }
    }
    list << QStringLiteral("KARTOFEL") << QStringLiteral("PSH_MIAR") << QStringLiteral("KAPUSTA_K")
         << QStringLiteral("VODO") << QStringLiteral("RYBA");
    list.removeDuplicates();
    return list;
}

DemoLand DemoLand::make(Book book, DemoRandom &random)
{
    DemoLand land;
    land.m_step = unitOf(book);
    if (book == Book::Household)
        land.makeHouseholdLand(random);
    else
        land.makeFarmLand(random);
    land.computeTotals(book);
    return land;
}

void DemoLand::makeHouseholdLand(DemoRandom &r)
{
    const qint64 m2 = unitOf(Book::Household);
    set(QStringLiteral("POSTROYKI"), r.between(80, 350) * m2);
    if (r.percent(85))
        set(QStringLiteral("PASHNYA"), r.between(20, 250) * 10 * m2);
    if (r.percent(35))
        set(QStringLiteral("SADY"), r.between(5, 60) * 10 * m2);
    if (r.percent(12)) {
        set(QStringLiteral("PASTBISHA"), r.between(10, 200) * 100 * m2);
        if (r.percent(30))
            set(outside(QStringLiteral("PASTBISHA")), value(QStringLiteral("PASTBISHA")) * r.between(3, 10) / 10);
    }
    if (r.percent(10)) {
        set(QStringLiteral("SENOKOS"), r.between(10, 150) * 100 * m2);
        if (r.percent(30))
            set(outside(QStringLiteral("SENOKOS")), value(QStringLiteral("SENOKOS")) * r.between(3, 10) / 10);
    }
    if (r.percent(3))
        set(QStringLiteral("ZALEZHI"), r.between(5, 50) * 100 * m2);
    if (r.percent(25))
        set(QStringLiteral("ZEM_OTHER"), r.between(20, 300) * m2);

    // Land taken into use from other owners: its total covers its kinds.
    if (r.percent(8)) {
        qint64 taken = 0;
        const bool arable = r.percent(60);
        const bool pasture = r.percent(40);
        if (arable || !pasture) {
            set(QStringLiteral("VZYATO_PASHNYA"), r.between(20, 300) * 10 * m2);
            taken += value(QStringLiteral("VZYATO_PASHNYA"));
        }
        if (pasture) {
            set(QStringLiteral("VZYATO_PASTBISHA"), r.between(10, 100) * 100 * m2);
            taken += value(QStringLiteral("VZYATO_PASTBISHA"));
        }
        if (r.percent(30)) {
            set(QStringLiteral("VZYATO_SENOKOS"), r.between(10, 100) * 100 * m2);
            taken += value(QStringLiteral("VZYATO_SENOKOS"));
        }
        if (r.percent(20))
            taken += r.between(1, 50) * 10 * m2;
        set(QStringLiteral("VZYATO"), taken);
    }

    // Sown on the own and the taken arable land, never more than there is.
    const qint64 arable = value(QStringLiteral("PASHNYA")) + value(QStringLiteral("VZYATO_PASHNYA"));
    if (arable > 0) {
        const qint64 sown = arable * r.between(60, 100) / 100 / m2 * m2;
        QStringList crops = {QStringLiteral("KARTOFEL")};
        const int more = r.between(1, 5);
        QStringList choice = gardenCrops();
        for (int i = 0; i < more && !choice.isEmpty(); ++i)
            crops << choice.takeAt(r.between(0, int(choice.size()) - 1));
        sow(crops, sown, r);
    }
    if (value(QStringLiteral("SADY")) > 0)
        plant(value(QStringLiteral("SADY")) * r.between(50, 100) / 100 / m2 * m2, r);
}

void DemoLand::makeFarmLand(DemoRandom &r)
{
    set(QStringLiteral("POSTROYKI"), r.between(5, 50));
    set(QStringLiteral("PASHNYA"), r.between(500, 30000));
    if (r.percent(50)) {
        set(QStringLiteral("PASTBISHA"), r.between(1000, 20000));
        if (r.percent(15))
            set(outside(QStringLiteral("PASTBISHA")), value(QStringLiteral("PASTBISHA")) * r.between(2, 8) / 10);
    }
    if (r.percent(40))
        set(QStringLiteral("SENOKOS"), r.between(200, 3000));
    if (r.percent(5))
        set(QStringLiteral("SADY"), r.between(10, 200));
    if (r.percent(10))
        set(QStringLiteral("ZALEZHI"), r.between(50, 2000));
    if (r.percent(30))
        set(QStringLiteral("ZEM_OTHER"), r.between(10, 300));
    if (r.percent(30))
        set(QStringLiteral("VZYATO"), r.between(500, 10000));
    if (r.percent(10))
        set(QStringLiteral("SDANO"), value(QStringLiteral("PASHNYA")) * r.between(5, 20) / 100);
    if (r.percent(3)) {
        set(QStringLiteral("VODO"), r.between(10, 200));
        set(QStringLiteral("RYBA"), r.between(500, 20000));
    }

    // The farm rule: the sown area stays within the own arable land.
    const qint64 sown = value(QStringLiteral("PASHNYA")) * r.between(70, 98) / 100;
    QStringList crops = {QStringLiteral("PSH_MIAR")};
    const int more = r.between(1, 6);
    QStringList choice = fieldCrops();
    for (int i = 0; i < more && !choice.isEmpty(); ++i)
        crops << choice.takeAt(r.between(0, int(choice.size()) - 1));
    sow(crops, sown, r);
    if (value(QStringLiteral("SADY")) > 0)
        plant(value(QStringLiteral("SADY")) * r.between(50, 100) / 100, r);
}

// Splits `area` over `crops` in whole units of the book; the first crop, the
// main one, takes the largest share and whatever rounding leaves over.
void DemoLand::sow(const QStringList &crops, qint64 area, DemoRandom &r)
{
    if (area <= 0 || crops.isEmpty())
        return;
    QList<int> weights;
    int total = 0;
    for (int i = 0; i < crops.size(); ++i) {
        const int w = i == 0 ? r.between(20, 40) : r.between(2, 15);
        weights << w;
        total += w;
    }
    const qint64 step = m_step;
    qint64 left = area;
    for (int i = crops.size() - 1; i >= 1; --i) {
        const qint64 share = area * weights.at(i) / total / step * step;
        if (share <= 0)
            continue;
        set(crops.at(i), share);
        left -= share;
    }
    set(crops.at(0), left);
    if (m_values.contains(QStringLiteral("KAPUSTA")))
        set(QStringLiteral("KAPUSTA_K"), value(QStringLiteral("KAPUSTA")) * r.between(5, 10) / 10 / step * step);
}

// Fruit trees and berries on part of the perennial plantings.
void DemoLand::plant(qint64 orchard, DemoRandom &r)
{
    if (orchard <= 0)
        return;
    QStringList choice = orchardCrops();
    QStringList crops;
    const int kinds = r.between(1, 4);
    for (int i = 0; i < kinds; ++i)
        crops << choice.takeAt(r.between(0, int(choice.size()) - 1));
    const qint64 step = m_step;
    qint64 left = orchard;
    for (int i = int(crops.size()) - 1; i >= 1; --i) {
        const qint64 share = orchard * r.between(10, 40) / 100 / step * step;
        if (share <= 0 || share >= left)
            continue;
        set(crops.at(i), share);
        left -= share;
    }
    set(crops.at(0), left);
}

void DemoLand::computeTotals(Book book)
{
    auto sum = [this](const QStringList &parts, bool outsideOkrug) {
        qint64 s = 0;
        for (const QString &p : parts)
            s += value(outsideOkrug ? outside(p) : p);
        return s;
    };
    for (const Group &g : groups()) {
        set(g.total, sum(g.parts, false));
        set(outside(g.total), sum(g.parts, true));
    }
    QStringList agricultural = {QStringLiteral("PASHNYA"), QStringLiteral("SADY"), QStringLiteral("ZALEZHI"),
                                QStringLiteral("PASTBISHA"), QStringLiteral("SENOKOS")};
    for (bool out : {false, true}) {
        qint64 shu = sum(agricultural, out);
        if (book == Book::Farm)
            shu += value(out ? outside(QStringLiteral("VZYATO")) : QStringLiteral("VZYATO"))
                   - value(out ? outside(QStringLiteral("SDANO")) : QStringLiteral("SDANO"));
        const QString shuColumn = out ? outside(QStringLiteral("KFH_SHU")) : QStringLiteral("KFH_SHU");
        set(shuColumn, shu);
        const qint64 all = value(out ? outside(QStringLiteral("POSTROYKI")) : QStringLiteral("POSTROYKI")) + shu
                           + value(out ? outside(QStringLiteral("ZEM_OTHER")) : QStringLiteral("ZEM_OTHER"));
        set(out ? outside(QStringLiteral("VSEGO")) : QStringLiteral("VSEGO"), all);
    }
}

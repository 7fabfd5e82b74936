#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class DemoRandom;

// The demo okrug: its place in the KATO classifier, its settlements and
// streets, and the houses and flats its households live in.
namespace DemoPlaces {

struct Unit
{
    QString kato; // 9 digits
    QString name;
};

inline constexpr char OkrugPrefix[] = "114235";
Unit region();
Unit district();
Unit okrug();
QString okrugAkim();
// The settlements of the okrug, the okrug's centre first.
QList<Unit> settlements();
// A settlement's name as addresses write it: "село Каражар" -> "С. КАРАЖАР".
QString addressName(int settlement);

} // namespace DemoPlaces

// One dwelling: a house, or a flat in a house of several flats.
struct DemoDwelling
{
    int settlement = 0;      // index into DemoPlaces::settlements()
    QString street;          // as the card stores it, upper case
    QString house;
    QString flat;            // "0" in a one-flat house
    qint64 ikd = 0;          // house identification code, shared by the flats of a house
    qint64 flatId = 0;       // 0 in a one-flat house
    int spvob = 0;           // type of dwelling
    QString ar;              // registration code of the house, empty when not registered
    QString ap;              // registration code of the flat
    int walls = 0;           // material of the outer walls, KPU_SPR_HW
    QDate built;             // put into service
};

// Hands out dwellings settlement by settlement, street by street; a house of
// several flats receives the next households of its settlement until full.
class DemoAddresses
{
public:
    DemoAddresses();

    DemoDwelling next(DemoRandom &random);
    // An address in a settlement without taking a dwelling (a farm's office).
    DemoDwelling somewhere(int settlement, DemoRandom &random) const;
    // A settlement drawn with the okrug's shares of households.
    static int settlement(DemoRandom &random);

    // Address text of a farm or a resident: "С. КАРАЖАР, УЛ. АБАЯ, 12".
    static QString addressText(const DemoDwelling &d);

private:
    struct Settlement
    {
        QStringList streets;
        QList<int> numbers; // last house number per street
        int street = 0;
        int streetLength = 0; // numbers per street before the next street
        int houses = 0;
        DemoDwelling open; // the house being filled
        int flatsLeft = 0;
        int flatsTotal = 0;
    };
    DemoDwelling newHouse(int settlement, DemoRandom &random);

    QList<Settlement> m_settlements;
};

#pragma once

#include <QString>
#include <QStringList>

class DemoRandom;

// Names of people as the okrug's books write them (Russian spelling), by the
// naming customs of a nationality.
namespace DemoNames {

enum class Custom { Kazakh, Slavic, Ukrainian, German, Korean, Tatar, Caucasian };

// KPU_SPR_KN.ID of a person of the okrug, drawn with the okrug's mix of
// nationalities (mostly Kazakh and Russian).
int nationality(DemoRandom &random);
Custom customOf(int nationalityId);
// Whether families of this custom keep pigs.
bool keepsPigs(Custom custom);

// A surname in its male form.
QString surname(Custom custom, DemoRandom &random);
QString firstName(Custom custom, bool male, DemoRandom &random);

// The surname as a woman of the family bears it ("Абенов" -> "Абенова").
QString femaleSurname(const QString &maleSurname);
// The patronymic from the father's first name ("Ержан" -> "Ержанович", "Ержановна").
QString patronymic(const QString &fatherName, bool male);
// Latin letters for a name, as in an e-mail address ("Ержан" -> "erzhan").
QString latin(const QString &name);

} // namespace DemoNames

#pragma once

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

class DemoRandom;

// One member of a household; 0 stands for an empty reference.
struct DemoPerson
{
    int porNom = 0;
    QString fam, im, ot;
    QString iin;
    int srogd = 0; // relation to the head, 1 = head
    int sex = 0;   // 1 male, 2 female
    int kn = 0;    // nationality
    QDate birth;
    QDate arrived;
    bool temporary = false;
    int suodh = 0, sooo = 0, pz = 0, sid = 0, sid2 = 0;
    int numSupr = 0, numRodi = 0;
    QDate firstMarriage;

    bool male() const { return sex == 1; }
};

// Twelve-digit identification numbers with the check digit of the national
// register, each handed out once per okrug.
class DemoIdentity
{
public:
    // The IIN of a person: birth date, century and sex, serial, check digit.
    QString iin(const QDate &birth, bool male, DemoRandom &random);
    // The BIN of an enterprise registered in the month of `registered`.
    QString bin(const QDate &registered, DemoRandom &random);

    // The check digit of the first eleven digits, or -1 when the serial cannot
    // have one and another must be drawn.
    static int checkDigit(const QString &first11);

private:
    QString unique(const QString &head, int serialDigits, DemoRandom &random);

    QSet<QString> m_used;
};

// The members of one household, the head first, at `referenceDate`.
class DemoFamily
{
public:
    static QList<DemoPerson> make(const QDate &referenceDate, DemoIdentity &identity, DemoRandom &random);

    // Age in whole years at `date`.
    static int age(const QDate &birth, const QDate &date);
    // Education, studies, employment and livelihood fitting the age, in the
    // way the FLK expects them together.
    static void occupy(DemoPerson &p, const QDate &referenceDate, DemoRandom &random);
};

#include "db/demo/DemoPeople.h"

#include "db/demo/DemoNames.h"
#include "db/demo/DemoRandom.h"

using DemoNames::Custom;

namespace {

const int Head = 1, Spouse = 2, Child = 3, ChildInLaw = 4, Grandchild = 5, Parent = 6, Sibling = 8,
          NotRelated = 11;

QDate bornAt(int years, const QDate &referenceDate, DemoRandom &r)
{
    return referenceDate.addYears(-years).addDays(-r.between(1, 364));
}

struct Builder
{
    const QDate ref;
    DemoIdentity &identity;
    DemoRandom &r;
    QList<DemoPerson> people;

    DemoPerson &add(int srogd, bool male, int kn, int years, const QString &fam, const QString &fatherName)
    {
        DemoPerson p;
        p.porNom = int(people.size()) + 1;
        p.srogd = srogd;
        p.sex = male ? 1 : 2;
        p.kn = kn;
        p.birth = bornAt(years, ref, r);
        const Custom custom = DemoNames::customOf(kn);
        p.fam = male ? fam : DemoNames::femaleSurname(fam);
        p.im = DemoNames::firstName(custom, male, r);
        const QString father = fatherName.isEmpty() ? DemoNames::firstName(custom, true, r) : fatherName;
        p.ot = DemoNames::patronymic(father, male);
        p.iin = identity.iin(p.birth, male, r);
        DemoFamily::occupy(p, ref, r);
        people.append(p);
        return people.last();
    }

    // The partner of people[partner], of the same nationality mostly, who
    // usually shares the family's surname.
    DemoPerson &addSpouse(int partner, int srogd, int years)
    {
        const DemoPerson other = people.at(partner); // add() may move the list
        const int kn = r.percent(88) ? other.kn : DemoNames::nationality(r);
        const bool sameName = r.percent(85);
        const QString fam = sameName ? maleFormOf(other.fam) : DemoNames::surname(DemoNames::customOf(kn), r);
        return add(srogd, !other.male(), kn, years, fam, QString());
    }

    void marry(int a, int b)
    {
        DemoPerson &x = people[a];
        DemoPerson &y = people[b];
        x.numSupr = y.porNom;
        y.numSupr = x.porNom;
        const DemoPerson &younger = x.birth > y.birth ? x : y;
        QDate wedding = younger.birth.addYears(r.between(19, 27)).addDays(r.between(0, 300));
        if (wedding >= ref)
            wedding = ref.addDays(-r.between(30, 700));
        x.firstMarriage = y.firstMarriage = wedding;
    }

    // Children of `father` (may be -1) and `mother` (may be -1).
    void addChildren(int count, int srogd, int father, int mother, int maxAge)
    {
        const DemoPerson &lead = people.at(father >= 0 ? father : mother);
        const int kn = (father >= 0 && mother >= 0 && r.percent(20)) ? people.at(mother).kn : lead.kn;
        const QString fam = father >= 0 ? people.at(father).fam : lead.fam;
        const QString fatherName = father >= 0 ? people.at(father).im : QString();
        for (int i = 0; i < count; ++i) {
            const bool male = r.percent(51);
            const int years = r.between(0, qMax(0, maxAge));
            const QString maleFam = father >= 0 ? fam : maleFormOf(fam);
            DemoPerson &c = add(srogd, male, kn, years, maleFam, fatherName);
            c.numRodi = people.at(mother >= 0 ? mother : father).porNom;
        }
    }

    static QString maleFormOf(const QString &fam)
    {
        if (fam.endsWith(u"ова") || fam.endsWith(u"ева") || fam.endsWith(u"ёва") || fam.endsWith(u"ина")
            || fam.endsWith(u"ына"))
            return fam.chopped(1);
        if (fam.endsWith(u"ая"))
            return fam.chopped(2) + QStringLiteral("ий");
        return fam;
    }
};

} // namespace

int DemoIdentity::checkDigit(const QString &first11)
{
    auto weighted = [&](int offset) {
        int sum = 0;
        for (int i = 0; i < 11; ++i)
            sum += first11.at(i).digitValue() * ((i + offset) % 11 + 1);
        return sum % 11;
    };
    int k = weighted(0);
    if (k == 10)
        k = weighted(2);
    return k == 10 ? -1 : k;
}

QString DemoIdentity::unique(const QString &head, int serialDigits, DemoRandom &r)
{
    for (;;) {
        const QString first11 = head + r.digits(serialDigits);
        const int k = checkDigit(first11);
        if (k < 0)
            continue;
        const QString number = first11 + QChar(u'0' + k);
        if (m_used.contains(number))
            continue;
        m_used.insert(number);
        return number;
    }
}

QString DemoIdentity::iin(const QDate &birth, bool male, DemoRandom &r)
{
    const int century = birth.year() < 2000 ? (male ? 3 : 4) : (male ? 5 : 6);
    return unique(birth.toString(QStringLiteral("yyMMdd")) + QString::number(century), 4, r);
}

QString DemoIdentity::bin(const QDate &registered, DemoRandom &r)
{
    // 4: a legal entity resident in the country; 0: its head office.
    return unique(registered.toString(QStringLiteral("yyMM")) + QStringLiteral("40"), 5, r);
}

int DemoFamily::age(const QDate &birth, const QDate &date)
{
    int years = date.year() - birth.year();
    if (date.month() < birth.month() || (date.month() == birth.month() && date.day() < birth.day()))
        --years;
    return years;
}

void DemoFamily::occupy(DemoPerson &p, const QDate &ref, DemoRandom &r)
{
    const int years = age(p.birth, ref);
    p.suodh = p.sooo = p.pz = p.sid = p.sid2 = 0;
    auto work = [&] {
        const bool retired = years >= (p.male() ? 63 : 61);
        if (retired) {
            p.pz = 8;
            p.sid = 5;
            if (r.percent(30))
                p.sid2 = 3;
            return;
        }
        p.pz = 1 + r.weighted({55, 2, 6, 14, 5, 2, 6, 10});
        switch (p.pz) {
        case 1: p.sid = 1; if (r.percent(25)) p.sid2 = 3; break;
        case 2: case 3: case 5: p.sid = 2; break;
        case 4: p.sid = 3; break;
        case 6: p.sid = 7; break;
        case 7: p.sid = r.percent(50) ? 8 : 9; break;
        default: p.sid = r.percent(60) ? 7 : 6; break;
        }
    };
    auto study = [&](int kind) {
        p.sooo = kind;
        p.pz = 8;
        p.sid = r.percent(50) ? 4 : 7;
    };

    if (years < 16) {
        p.sid = 7;
        if (years >= 1 && years <= 6 && r.percent(60))
            p.sooo = 1;
        if (years >= 7)
            p.sooo = 2;
        p.suodh = years < 6 ? 0 : years < 10 ? 1 : years < 15 ? 2 : 3;
    } else if (years < 18) {
        p.suodh = 3;
        p.pz = 8;
        p.sooo = r.percent(75) ? 2 : 3;
        p.sid = p.sooo == 3 && r.percent(50) ? 4 : 7;
    } else if (years < 21) {
        p.suodh = 4;
        if (r.percent(50)) {
            const int kind = r.percent(50) ? 3 : 4;
            study(kind);
        } else {
            work();
        }
    } else if (years < 24) {
        const int level = r.weighted({40, 35, 25});
        p.suodh = level == 0 ? 4 : level == 1 ? 6 : 8;
        if (r.percent(25)) {
            const int kind = r.percent(70) ? 4 : 5;
            study(kind);
        } else {
            work();
        }
    } else {
        static const int levels[] = {3, 4, 5, 6, 7, 8, 9};
        p.suodh = levels[r.weighted({6, 32, 6, 28, 4, 22, 2})];
        if (p.suodh == 9 && years < 26)
            p.suodh = 8;
        work();
    }
}

QList<DemoPerson> DemoFamily::make(const QDate &ref, DemoIdentity &identity, DemoRandom &r)
{
    Builder b{ref, identity, r, {}};
    const int kn = DemoNames::nationality(r);
    const Custom custom = DemoNames::customOf(kn);
    const QString fam = DemoNames::surname(custom, r);

    switch (r.weighted({12, 15, 43, 8, 17, 5})) {
    case 0: { // one person living alone
        const int years = r.between(25, 85);
        const bool male = years >= 60 ? r.percent(40) : r.percent(55);
        b.add(Head, male, kn, years, fam, QString());
        break;
    }
    case 1: { // a couple without children at home
        const int years = r.between(30, 85);
        b.add(Head, true, kn, years, fam, QString());
        b.addSpouse(0, Spouse, qMax(22, years - r.between(0, 6)));
        b.marry(0, 1);
        break;
    }
    case 2: { // a couple with children
        const int years = r.between(26, 58);
        const bool husbandHeads = r.percent(90);
        b.add(Head, husbandHeads, kn, years, fam, QString());
        const int partnerYears = husbandHeads ? qMax(22, years - r.between(0, 6)) : years + r.between(0, 6);
        b.addSpouse(0, Spouse, partnerYears);
        b.marry(0, 1);
        const int motherAge = husbandHeads ? partnerYears : years;
        const int kids = 1 + r.weighted({30, 35, 20, 10, 5});
        b.addChildren(kids, Child, husbandHeads ? 0 : 1, husbandHeads ? 1 : 0, qMin(motherAge - 19, 30));
        break;
    }
    case 3: { // a mother with her children
        const int years = r.between(26, 55);
        b.add(Head, false, kn, years, DemoNames::femaleSurname(fam), QString());
        b.addChildren(r.between(1, 3), Child, -1, 0, qMin(years - 19, 30));
        break;
    }
    case 4: { // three generations
        const int years = r.between(50, 78);
        b.add(Head, true, kn, years, fam, QString());
        b.addSpouse(0, Spouse, qMax(45, years - r.between(0, 6)));
        b.marry(0, 1);
        const int sonYears = r.between(24, qMin(45, years - 20));
        const QString father = b.people[0].im;
        const int sonAt = int(b.people.size());
        b.add(Child, true, kn, sonYears, fam, father).numRodi = 2;
        const int wifeYears = qMax(20, sonYears - r.between(0, 5));
        const int wifeAt = int(b.people.size());
        b.addSpouse(sonAt, ChildInLaw, wifeYears);
        if (r.percent(50)) {
            const int yearsAgo = r.between(1, qMax(1, wifeYears - 19));
            b.people[wifeAt].arrived = ref.addYears(-yearsAgo).addDays(-r.between(0, 300));
        }
        b.marry(sonAt, wifeAt);
        b.addChildren(r.between(1, 3), Grandchild, sonAt, wifeAt, qMin(wifeYears - 19, 20));
        break;
    }
    default: { // a household with another relative or a lodger
        const int years = r.between(30, 70);
        b.add(Head, true, kn, years, fam, QString());
        if (r.percent(50)) {
            b.addSpouse(0, Spouse, qMax(22, years - r.between(0, 6)));
            b.marry(0, 1);
        }
        switch (r.weighted({45, 35, 20})) {
        case 0: b.add(Sibling, r.percent(50), kn, qMax(18, years - r.between(-8, 8)), fam, QString()); break;
        case 1: b.add(Parent, false, kn, qMin(95, years + r.between(20, 30)), fam, QString()); break;
        default: {
            const int other = DemoNames::nationality(r);
            const QString otherFam = DemoNames::surname(DemoNames::customOf(other), r);
            b.add(NotRelated, r.percent(60), other, r.between(18, 40), otherFam, QString());
        }
        }
        break;
    }
    }

    // Some moved in from elsewhere; a few live here only for a while.
    for (DemoPerson &p : b.people) {
        if (p.arrived.isNull() && p.srogd != Head && age(p.birth, ref) >= 1 && r.percent(4))
            p.arrived = qMax(p.birth.addDays(r.between(30, 3000)), ref.addYears(-20));
        if (p.srogd != Head && r.percent(2)) {
            p.temporary = true;
            p.arrived = ref.addDays(-r.between(30, 700));
            if (p.arrived < p.birth)
                p.arrived = p.birth.addDays(1);
        }
        if (!p.arrived.isNull() && p.arrived >= ref)
            p.arrived = ref.addDays(-1);
    }
    return b.people;
}

#include "db/demo/DemoNames.h"

#include "db/demo/DemoRandom.h"

#include <QHash>
#include <QList>

using namespace Qt::StringLiterals;

namespace DemoNames {

namespace {

struct Nationality
{
    int id;
    int weight; // per mille of the okrug's people
    Custom custom;
};

const QList<Nationality> &nationalities()
{
    static const QList<Nationality> list = {
        {39365, 640, Custom::Kazakh},   {39361, 180, Custom::Slavic},   {39362, 40, Custom::Ukrainian},
        {39475, 35, Custom::German},    {39399, 20, Custom::Tatar},     {39363, 10, Custom::Slavic},
        {39364, 8, Custom::Kazakh},     {39477, 6, Custom::Slavic},     {39472, 6, Custom::Korean},
        {39367, 5, Custom::Caucasian},  {39402, 4, Custom::Caucasian},  {39390, 4, Custom::Caucasian},
        {39378, 4, Custom::Tatar},      {39482, 4, Custom::Kazakh},     {39369, 3, Custom::Slavic},
        {39397, 3, Custom::Slavic},     {39373, 3, Custom::Slavic},     {39371, 3, Custom::Kazakh},
        {39481, 3, Custom::Caucasian},  {39401, 2, Custom::Slavic},     {39396, 2, Custom::Slavic},
        {39372, 2, Custom::Kazakh},     {39474, 2, Custom::Caucasian},  {39398, 2, Custom::Slavic},
        {39499, 2, Custom::Slavic},     {39476, 1, Custom::Caucasian},  {39479, 1, Custom::Kazakh},
        {39473, 1, Custom::Slavic},     {39368, 1, Custom::Slavic},     {39370, 1, Custom::Slavic},
        {39374, 1, Custom::Kazakh},     {39483, 1, Custom::Slavic},
    };
    return list;
}

const QStringList kazakhSurnames = {
    u"Абенов"_s, u"Ахметов"_s, u"Жумабаев"_s, u"Искаков"_s, u"Касымов"_s, u"Нуркенов"_s,
    u"Омаров"_s, u"Сейткалиев"_s, u"Тулегенов"_s, u"Бекмуханов"_s, u"Сарсенбаев"_s, u"Мусин"_s,
    u"Кенжебаев"_s, u"Абдрахманов"_s, u"Есенов"_s, u"Жакупов"_s, u"Ибраев"_s, u"Калиев"_s,
    u"Мукашев"_s, u"Оспанов"_s, u"Рахимов"_s, u"Сагындыков"_s, u"Токтаров"_s, u"Утегенов"_s,
    u"Шаймерденов"_s, u"Байжанов"_s, u"Ермеков"_s, u"Садыков"_s, u"Темирбеков"_s, u"Айтжанов"_s,
    u"Бейсенов"_s, u"Дюсенов"_s, u"Жунусов"_s, u"Кабдулов"_s, u"Смагулов"_s, u"Нургалиев"_s,
    u"Аубакиров"_s, u"Толеуов"_s, u"Елеусизов"_s, u"Куанышев"_s,
};
const QStringList kazakhMen = {
    u"Ерлан"_s, u"Ержан"_s, u"Нурлан"_s, u"Серик"_s, u"Бауыржан"_s, u"Асхат"_s, u"Даурен"_s,
    u"Канат"_s, u"Марат"_s, u"Болат"_s, u"Жандос"_s, u"Арман"_s, u"Айдос"_s, u"Талгат"_s,
    u"Самат"_s, u"Мурат"_s, u"Берик"_s, u"Еркебулан"_s, u"Дархан"_s, u"Азамат"_s, u"Нуржан"_s,
    u"Алибек"_s, u"Санжар"_s, u"Темирлан"_s, u"Алихан"_s, u"Аслан"_s, u"Амир"_s, u"Рахим"_s,
    u"Тимур"_s, u"Ильяс"_s, u"Мухтар"_s, u"Кайрат"_s, u"Жанат"_s, u"Габит"_s, u"Сакен"_s,
    u"Абай"_s, u"Есен"_s, u"Толеген"_s, u"Нурсултан"_s, u"Ернар"_s,
};
const QStringList kazakhWomen = {
    u"Айгуль"_s, u"Гульнара"_s, u"Динара"_s, u"Жанар"_s, u"Сауле"_s, u"Айжан"_s, u"Асель"_s,
    u"Мадина"_s, u"Карлыгаш"_s, u"Гульмира"_s, u"Назерке"_s, u"Аружан"_s, u"Айым"_s,
    u"Жансая"_s, u"Дана"_s, u"Камила"_s, u"Алия"_s, u"Айсулу"_s, u"Салтанат"_s, u"Эльмира"_s,
    u"Роза"_s, u"Бибигуль"_s, u"Алтынай"_s, u"Ляззат"_s, u"Айнур"_s, u"Меруерт"_s, u"Томирис"_s,
    u"Зарина"_s, u"Акбота"_s, u"Гульжан"_s, u"Балжан"_s, u"Нургуль"_s, u"Жибек"_s, u"Раушан"_s,
};
const QStringList slavicSurnames = {
    u"Иванов"_s, u"Петров"_s, u"Смирнов"_s, u"Кузнецов"_s, u"Попов"_s, u"Васильев"_s,
    u"Соколов"_s, u"Михайлов"_s, u"Новиков"_s, u"Фёдоров"_s, u"Морозов"_s, u"Волков"_s,
    u"Алексеев"_s, u"Лебедев"_s, u"Семёнов"_s, u"Егоров"_s, u"Павлов"_s, u"Козлов"_s,
    u"Степанов"_s, u"Николаев"_s, u"Орлов"_s, u"Андреев"_s, u"Макаров"_s, u"Никитин"_s,
    u"Захаров"_s, u"Зайцев"_s, u"Соловьёв"_s, u"Борисов"_s, u"Яковлев"_s, u"Григорьев"_s,
};
const QStringList ukrainianSurnames = {
    u"Шевченко"_s, u"Бондаренко"_s, u"Ковальчук"_s, u"Ткаченко"_s, u"Кравченко"_s, u"Мельник"_s,
    u"Бойко"_s, u"Коваленко"_s, u"Олейник"_s, u"Савченко"_s, u"Руденко"_s, u"Марченко"_s,
};
const QStringList germanSurnames = {
    u"Шмидт"_s, u"Мюллер"_s, u"Вагнер"_s, u"Беккер"_s, u"Шульц"_s, u"Гофман"_s, u"Майер"_s,
    u"Вебер"_s, u"Кох"_s, u"Фишер"_s, u"Рихтер"_s, u"Келлер"_s,
};
const QStringList koreanSurnames = {
    u"Ким"_s, u"Пак"_s, u"Цой"_s, u"Ли"_s, u"Хан"_s, u"Тен"_s, u"Югай"_s, u"Огай"_s, u"Шин"_s,
};
// Only names whose patronymic follows the regular rule of patronymic().
const QStringList slavicMen = {
    u"Александр"_s, u"Сергей"_s, u"Андрей"_s, u"Алексей"_s, u"Дмитрий"_s, u"Николай"_s,
    u"Владимир"_s, u"Виктор"_s, u"Иван"_s, u"Олег"_s, u"Игорь"_s, u"Роман"_s, u"Максим"_s,
    u"Артём"_s, u"Денис"_s, u"Константин"_s, u"Антон"_s, u"Степан"_s, u"Фёдор"_s, u"Вадим"_s,
    u"Владислав"_s, u"Руслан"_s, u"Станислав"_s, u"Борис"_s,
};
const QStringList slavicWomen = {
    u"Елена"_s, u"Ольга"_s, u"Наталья"_s, u"Татьяна"_s, u"Ирина"_s, u"Светлана"_s, u"Марина"_s,
    u"Анна"_s, u"Галина"_s, u"Людмила"_s, u"Валентина"_s, u"Надежда"_s, u"Юлия"_s,
    u"Екатерина"_s, u"Мария"_s, u"Оксана"_s, u"Алёна"_s, u"Виктория"_s, u"Анастасия"_s,
    u"Дарья"_s, u"Ксения"_s, u"Полина"_s,
};
const QStringList germanMen = {
    u"Вальдемар"_s, u"Эдуард"_s, u"Виктор"_s, u"Александр"_s, u"Андрей"_s, u"Роберт"_s,
    u"Артур"_s, u"Давид"_s, u"Иван"_s, u"Владимир"_s,
};
const QStringList germanWomen = {
    u"Эмма"_s, u"Ирина"_s, u"Ольга"_s, u"Марина"_s, u"Лидия"_s, u"Эльза"_s, u"Елена"_s,
    u"Наталья"_s, u"Виктория"_s,
};
const QStringList tatarSurnames = {
    u"Хабибуллин"_s, u"Сафин"_s, u"Галиев"_s, u"Валиев"_s, u"Закиров"_s, u"Гарипов"_s,
    u"Нуриев"_s, u"Шарипов"_s, u"Ахмадуллин"_s, u"Мингазов"_s,
};
const QStringList tatarMen = {
    u"Ринат"_s, u"Рустам"_s, u"Ильдар"_s, u"Айдар"_s, u"Ильнур"_s, u"Азат"_s, u"Фарид"_s,
    u"Камиль"_s, u"Рафаэль"_s, u"Марат"_s,
};
const QStringList tatarWomen = {
    u"Гульнара"_s, u"Резеда"_s, u"Альфия"_s, u"Лилия"_s, u"Эльвира"_s, u"Гузель"_s, u"Алсу"_s,
    u"Венера"_s, u"Диляра"_s,
};
const QStringList caucasianSurnames = {
    u"Алиев"_s, u"Мамедов"_s, u"Гасанов"_s, u"Исмаилов"_s, u"Магомедов"_s, u"Хасанов"_s,
    u"Юсупов"_s, u"Умаров"_s, u"Джабраилов"_s, u"Арсанукаев"_s,
};
const QStringList caucasianMen = {
    u"Рашид"_s, u"Эльдар"_s, u"Магомед"_s, u"Ислам"_s, u"Ахмед"_s, u"Тимур"_s, u"Рамазан"_s,
    u"Арсен"_s, u"Руслан"_s, u"Заур"_s,
};
const QStringList caucasianWomen = {
    u"Лейла"_s, u"Зарема"_s, u"Фатима"_s, u"Айшат"_s, u"Эльмира"_s, u"Мадина"_s, u"Хава"_s,
    u"Зульфия"_s,
};

} // namespace

int nationality(DemoRandom &r)
{
    int x = r.between(0, 999);
    for (const Nationality &n : nationalities()) {
        if (x < n.weight)
            return n.id;
        x -= n.weight;
    }
    return nationalities().first().id;
}

Custom customOf(int nationalityId)
{
    for (const Nationality &n : nationalities()) {
        if (n.id == nationalityId)
            return n.custom;
    }
    return Custom::Slavic;
}

bool keepsPigs(Custom custom)
{
    return custom == Custom::Slavic || custom == Custom::Ukrainian || custom == Custom::German
           || custom == Custom::Korean;
}

QString surname(Custom custom, DemoRandom &r)
{
    switch (custom) {
    case Custom::Kazakh: return r.pick(kazakhSurnames);
    case Custom::Slavic: return r.pick(slavicSurnames);
    case Custom::Ukrainian: return r.pick(ukrainianSurnames);
    case Custom::German: return r.pick(germanSurnames);
    case Custom::Korean: return r.pick(koreanSurnames);
    case Custom::Tatar: return r.pick(tatarSurnames);
    case Custom::Caucasian: return r.pick(caucasianSurnames);
    }
    return r.pick(slavicSurnames);
}

QString firstName(Custom custom, bool male, DemoRandom &r)
{
    switch (custom) {
    case Custom::Kazakh: return r.pick(male ? kazakhMen : kazakhWomen);
    case Custom::German: return r.pick(male ? germanMen : germanWomen);
    case Custom::Tatar: return r.pick(male ? tatarMen : tatarWomen);
    case Custom::Caucasian: return r.pick(male ? caucasianMen : caucasianWomen);
    case Custom::Slavic:
    case Custom::Ukrainian:
    case Custom::Korean: return r.pick(male ? slavicMen : slavicWomen);
    }
    return r.pick(male ? slavicMen : slavicWomen);
}

QString femaleSurname(const QString &s)
{
    if (s.endsWith(u"ов") || s.endsWith(u"ев") || s.endsWith(u"ёв") || s.endsWith(u"ин") || s.endsWith(u"ын"))
        return s + u'а';
    if (s.endsWith(u"ий"))
        return s.chopped(2) + QStringLiteral("ая");
    return s;
}

QString patronymic(const QString &father, bool male)
{
    if (father.endsWith(u'й') || father.endsWith(u'ь'))
        return father.chopped(1) + (male ? QStringLiteral("евич") : QStringLiteral("евна"));
    return father + (male ? QStringLiteral("ович") : QStringLiteral("овна"));
}

QString latin(const QString &name)
{
    static const QHash<QChar, QString> letters = [] {
        const QString cyrillic = u"абвгдеёжзийклмнопрстуфхцчшщъыьэюяәғқңөұүһі"_s;
        const QStringList roman = {
            u"a"_s, u"b"_s, u"v"_s, u"g"_s, u"d"_s, u"e"_s, u"e"_s, u"zh"_s, u"z"_s, u"i"_s, u"i"_s,
            u"k"_s, u"l"_s, u"m"_s, u"n"_s, u"o"_s, u"p"_s, u"r"_s, u"s"_s, u"t"_s, u"u"_s, u"f"_s,
            u"kh"_s, u"ts"_s, u"ch"_s, u"sh"_s, u"sch"_s, QString(), u"y"_s, QString(), u"e"_s, u"yu"_s,
            u"ya"_s, u"a"_s, u"g"_s, u"k"_s, u"n"_s, u"o"_s, u"u"_s, u"u"_s, u"h"_s, u"i"_s};
        QHash<QChar, QString> map;
        for (int i = 0; i < cyrillic.size(); ++i)
            map.insert(cyrillic.at(i), roman.at(i));
        return map;
    }();
    QString out;
    for (const QChar c : name.toLower())
        out += letters.value(c, QString(c));
    return out;
}

} // namespace DemoNames

#include "app/Catalog.h"

#include <QCoreApplication>
#include <QHash>

#include <stdexcept>

namespace {

struct Entry
{
    const char *key;
    struct
    {
        const char *source;         // the Russian text
        const char *disambiguation; // the key again
    } text;
};

// QT_TRANSLATE_NOOP3 marks each text for the translation tools; the key is the
// disambiguation, which keeps keys with equal Russian texts apart.
// Texts are kept exactly as the program shows them, odd spellings, inner
// quotes and blanks included: labels and composed messages rely on them.
const Entry entries[] = {
    {"a1", QT_TRANSLATE_NOOP3("Catalog", "Срез уже имеется. Дата создания среза:", "a1")},
    {"a2", QT_TRANSLATE_NOOP3("Catalog", "Версия:", "a2")},
    {"a3", QT_TRANSLATE_NOOP3("Catalog", "Создание среза успешно завершено", "a3")},
    {"a4", QT_TRANSLATE_NOOP3("Catalog", "Обязательные поля в карточке домашнего хозяйства.", "a4")},
    {"a5", QT_TRANSLATE_NOOP3("Catalog", "Домохозяйство. Обязательные поля:", "a5")},
    {"a6", QT_TRANSLATE_NOOP3("Catalog", "пор.ном.", "a6")},
    {"a7", QT_TRANSLATE_NOOP3("Catalog", "Отсутствуют данные по домохозяйству.", "a7")},
    {"a8", QT_TRANSLATE_NOOP3("Catalog", "Жилище. Обязательные поля.", "a8")},
    {"a9", QT_TRANSLATE_NOOP3("Catalog", "Отсутствуют данные по жилищу.", "a9")},
    {"a10", QT_TRANSLATE_NOOP3("Catalog", "Земледелие: \"Всего земли\" меньше суммы составляющих.", "a10")},
    {"a16", QT_TRANSLATE_NOOP3("Catalog", "Справочники загружены!", "a16")},
    {"a17", QT_TRANSLATE_NOOP3("Catalog", "Файл не найден", "a17")},
    {"a18", QT_TRANSLATE_NOOP3("Catalog", "Дублирование строк. Сохранение невозможно", "a18")},
    {"a19", QT_TRANSLATE_NOOP3("Catalog", "Неправильный формат поля", "a19")},
    {"a20", QT_TRANSLATE_NOOP3("Catalog", "Имеются дочерние записи. Необходимо прежде удалить их.", "a20")},
    {"a21", QT_TRANSLATE_NOOP3("Catalog", "Таблица открыта в режиме чтения. Изменение и добавление данных невозможно", "a21")},
    {"a22", QT_TRANSLATE_NOOP3("Catalog", "Таблица открыта в режиме чтения. Удаление данных невозможно", "a22")},
    {"a23", QT_TRANSLATE_NOOP3("Catalog", "Обновление данных невозможно", "a23")},
    {"a24", QT_TRANSLATE_NOOP3("Catalog", "Не определен като сельского округа. Работа программы невозможна", "a24")},
    {"a25", QT_TRANSLATE_NOOP3("Catalog", "Ловарник", "a25")},
    {"a26", QT_TRANSLATE_NOOP3("Catalog", "Книга крестьянских хозяйств", "a26")},
    {"a27", QT_TRANSLATE_NOOP3("Catalog", "Закупочные центры", "a27")},
    {"a28", QT_TRANSLATE_NOOP3("Catalog", "Дополнительные сведения", "a28")},
    {"a33", QT_TRANSLATE_NOOP3("Catalog", "Данные по составу не сохранены", "a33")},
    {"a34", QT_TRANSLATE_NOOP3("Catalog", "Данные по проживающим не сохранены", "a34")},
    {"a35", QT_TRANSLATE_NOOP3("Catalog", "Данные по временно проживающим не сохранены", "a35")},
    {"a36", QT_TRANSLATE_NOOP3("Catalog", "Данные по карточке не сохранены", "a36")},
    {"a37", QT_TRANSLATE_NOOP3("Catalog", "Данные по жилищу не сохранены", "a37")},
    {"a38", QT_TRANSLATE_NOOP3("Catalog", "Данные по стоимости не сохранены", "a38")},
    {"a39", QT_TRANSLATE_NOOP3("Catalog", "Данные по земледелию не сохранены", "a39")},
    {"a40", QT_TRANSLATE_NOOP3("Catalog", "Данные по животноводству не сохранены", "a40")},
    {"a41", QT_TRANSLATE_NOOP3("Catalog", "Данные по с/х технике не сохранены", "a41")},
    {"a42", QT_TRANSLATE_NOOP3("Catalog", "Данные по оборудованию не сохранены", "a42")},
    {"a43", QT_TRANSLATE_NOOP3("Catalog", "Данные по постр.для хранения с/х продукции не сохранены", "a43")},
    {"a44", QT_TRANSLATE_NOOP3("Catalog", "Данные по постр.для животных не сохранены", "a44")},
    {"a45", QT_TRANSLATE_NOOP3("Catalog", "Данные по постр.для нефтепродуктов не сохранены", "a45")},
    {"a46", QT_TRANSLATE_NOOP3("Catalog", "Данные по помещениям для техники не сохранены", "a46")},
    {"a47", QT_TRANSLATE_NOOP3("Catalog", "Данные по теплицам не сохранены", "a47")},
    {"a48", QT_TRANSLATE_NOOP3("Catalog", "Данные по торговым точкам не сохранены", "a48")},
    {"a49", QT_TRANSLATE_NOOP3("Catalog", "Данные по закуп.объединениям не сохранены", "a49")},
    {"a50", QT_TRANSLATE_NOOP3("Catalog", "Данные по доп.сведениям не сохранены", "a50")},
    {"a51", QT_TRANSLATE_NOOP3("Catalog", "Сохранение невозможно.Карточка пуста", "a51")},
    {"a52", QT_TRANSLATE_NOOP3("Catalog", "Макс.размер поля - 9 знаков", "a52")},
    {"a57", QT_TRANSLATE_NOOP3("Catalog", "Кол.кур больше или равно кол. кур-несушек", "a57")},
    {"a63", QT_TRANSLATE_NOOP3("Catalog", "Гр.1 должна быть больше гр.2", "a63")},
    {"a64", QT_TRANSLATE_NOOP3("Catalog", "Не заполнены обязательные поля (Порядковый номер,", "a64")},
    {"a65", QT_TRANSLATE_NOOP3("Catalog", "фамилия, имя, дата рождения,отношение к первому члену ДХ, пол, национальность,", "a65")},
    {"a66", QT_TRANSLATE_NOOP3("Catalog", "образование, источники средств к существованию,ИИН)", "a66")},
    {"a67", QT_TRANSLATE_NOOP3("Catalog", "Если заполнено количество, необходимо заполнить торговую площадь", "a67")},
    {"a68", QT_TRANSLATE_NOOP3("Catalog", "Не заполнены обязательные поля (фамилия, имя, дата рождения,пол)", "a68")},
    {"a69", QT_TRANSLATE_NOOP3("Catalog", "Не заполнены обязательные поля (Лицевой счет, Улица, Дом)", "a69")},
    {"a70", QT_TRANSLATE_NOOP3("Catalog", "Необходимо заполнить поле БИН или ИИН", "a70")},
    {"a78", QT_TRANSLATE_NOOP3("Catalog", "Сельхозугодья", "a78")},
    {"a79", QT_TRANSLATE_NOOP3("Catalog", "Животноводство", "a79")},
    {"a80", QT_TRANSLATE_NOOP3("Catalog", "Постройки и сооружения", "a80")},
    {"a81", QT_TRANSLATE_NOOP3("Catalog", "Водоемы", "a81")},
    {"a84", QT_TRANSLATE_NOOP3("Catalog", "Общая площадь должна быть больше жилой", "a84")},
    {"a85", QT_TRANSLATE_NOOP3("Catalog", "Готово к загрузке КФХ", "a85")},
    {"a86", QT_TRANSLATE_NOOP3("Catalog", "Готово к загрузке ДХ", "a86")},
    {"a87", QT_TRANSLATE_NOOP3("Catalog", "Крестьянские хозяйства", "a87")},
    {"a88", QT_TRANSLATE_NOOP3("Catalog", "Домашние хозяйства", "a88")},
    {"a89", QT_TRANSLATE_NOOP3("Catalog", "Несоответствие версий баз данных", "a89")},
    {"a90", QT_TRANSLATE_NOOP3("Catalog", "Импорт данных завершен. Перезапустите программу.", "a90")},
    {"a91", QT_TRANSLATE_NOOP3("Catalog", "БД не обнаружена", "a91")},
    {"a92", QT_TRANSLATE_NOOP3("Catalog", "Загружено ДХ", "a92")},
    {"a93", QT_TRANSLATE_NOOP3("Catalog", "Загружено КФХ", "a93")},
    {"a108", QT_TRANSLATE_NOOP3("Catalog", "Поле Источники средств к существованию должно быть 1", "a108")},
    {"a109", QT_TRANSLATE_NOOP3("Catalog", "Поле Источники средств к существованию должно быть 2", "a109")},
    {"a110", QT_TRANSLATE_NOOP3("Catalog", "Поле Источники средств к существованию должно быть 3", "a110")},
    {"a114", QT_TRANSLATE_NOOP3("Catalog", "Если заполнено оборудование для переработки, то необходимо указать количество", "a114")},
    {"a115", QT_TRANSLATE_NOOP3("Catalog", "Если заполнены Емкости для нефтепродуктов, то необходимо указать их количество и общий объем", "a115")},
    {"a116", QT_TRANSLATE_NOOP3("Catalog", "Если заполнены Помещения для с/х техники , то необходимо указать их количество и общую площадь", "a116")},
    {"bl_gaz", QT_TRANSLATE_NOOP3("Catalog", "Благоустройство: Должен быть указан только один вид \"Газа\"", "bl_gaz")},
    {"bl_gor_voda", QT_TRANSLATE_NOOP3("Catalog", "Благоустройство: Должен быть указан только один вид \"Горячего водоснабжения\"", "bl_gor_voda")},
    {"bl_kanal", QT_TRANSLATE_NOOP3("Catalog", "Благоустройство: Должен быть указан только один вид \"Канализации\"", "bl_kanal")},
    {"bl_otopl", QT_TRANSLATE_NOOP3("Catalog", "Благоустройство: Должен быть указан только один вид \"Отопления\"", "bl_otopl")},
    {"bl_required", QT_TRANSLATE_NOOP3("Catalog", "У жилых домов не заполнены виды обязательных благоустройств: электричество, водоснабжение, отопление", "bl_required")},
    {"bl_voda", QT_TRANSLATE_NOOP3("Catalog", "Благоустройство: Должен быть указан только один вид \"Водоснабжения\"", "bl_voda")},
    {"confirm", QT_TRANSLATE_NOOP3("Catalog", "Вы действительно хотите экспортировать данные?", "confirm")},
    {"confirm_del", QT_TRANSLATE_NOOP3("Catalog", "Внимание! Хозяйство будет удалено полностью со всеми разделами и показателями! Вы действительно хотите удалить Хозяйство?", "confirm_del")},
    {"confirm_spr", QT_TRANSLATE_NOOP3("Catalog", "Вы действительно хотите импортировать справочники?", "confirm_spr")},
    {"done_srez", QT_TRANSLATE_NOOP3("Catalog", "Экспорт среза успешно завершен", "done_srez")},
    {"ExcelNotFound", QT_TRANSLATE_NOOP3("Catalog", "Microsoft Excel не найден. Выполнение невозможно.", "ExcelNotFound")},
    {"flkVsegoZem", QT_TRANSLATE_NOOP3("Catalog", "\"А. Всего земли, находящейся в личной собственности на 1 января\" = \"под постройками\" + \"под сельскохозяйственными угодьями\" + \"прочие земли\"", "flkVsegoZem")},
    {"flkVzyato", QT_TRANSLATE_NOOP3("Catalog", "Земледелие: \"Всего земли, взятой в пользование\" меньше суммы составляющих.", "flkVzyato")},
    {"flkVzyatoZem", QT_TRANSLATE_NOOP3("Catalog", "\"Б. Всего земли, взятой в пользование у других землевладельцев на 1 июля\" < \"пашни\" + \"пастбища\" + \"сенокосы\"", "flkVzyatoZem")},
    {"flkZemPosev", QT_TRANSLATE_NOOP3("Catalog", "Земледелие: \"Посевная площадь всего\" меньше суммы составляющих.", "flkZemPosev")},
    {"gtc_warrning", QT_TRANSLATE_NOOP3("Catalog", "Использование электронных информационных ресурсов, содержащих персональные данные о физических лицах, в целях причинения им имущественного и (или) морального вреда, ограничения реализации прав и свобод, гарантированных законами Республики Казахстан влекут ответственность в соответствии со статьей 641 Кодекса Республики Казахстан об административных правонарушениях." "\r\n" "А также, в соответствии со статьей 27 Закона Республики Казахстан «О государственной статистике» работники органов государственной статистики несут ответственность за утрату, продажу, передачу и иное незаконное разглашение первичных статистических данных, статистической информации и (или) баз данных, позволяющих идентифицировать респондента, в порядке, установленном законами Республики Казахстан.", "gtc_warrning")},
    {"hs_is_null", QT_TRANSLATE_NOOP3("Catalog", "Жилищные условия. Не указана ситуация дома.", "hs_is_null")},
    {"hs_retire_null", QT_TRANSLATE_NOOP3("Catalog", "Жилищные условия. Не указана дата или причина выбытия.", "hs_retire_null")},
    {"iin12", QT_TRANSLATE_NOOP3("Catalog", "ИИН должен быть 12 знаков", "iin12")},
    {"IKD", QT_TRANSLATE_NOOP3("Catalog", "Разные Типы жилого дома у одного Идентификационного кода дома", "IKD")},
    {"lng", QT_TRANSLATE_NOOP3("Catalog", "rus", "lng")},
    {"lock_login", QT_TRANSLATE_NOOP3("Catalog", "Логин временно заблокирован за превышение неверных попыток входа в систему.", "lock_login")},
    {"login_failed", QT_TRANSLATE_NOOP3("Catalog", "Введите правильное имя пользователя и пароль", "login_failed")},
    {"login_success", QT_TRANSLATE_NOOP3("Catalog", "Последний вход в систему", "login_success")},
    {"login_unsuccess", QT_TRANSLATE_NOOP3("Catalog", "Последняя неудачная попытка входа в систему", "login_unsuccess")},
    {"No", QT_TRANSLATE_NOOP3("Catalog", "Нет", "No")},
    {"oked5", QT_TRANSLATE_NOOP3("Catalog", "Выберите ОКЭД 5 знаков", "oked5")},
    {"polu1", QT_TRANSLATE_NOOP3("Catalog", "на 1 января", "polu1")},
    {"polu2", QT_TRANSLATE_NOOP3("Catalog", "на 1 июля", "polu2")},
    {"postr_all", QT_TRANSLATE_NOOP3("Catalog", "Постройки для хранения сельскохозяйственной продукции и содержания скота, другие постройки", "postr_all")},
    {"rzhf_1kom", QT_TRANSLATE_NOOP3("Catalog", "1 комнатная квартира имеет жилую площадь < 5, общую площадь > 150", "rzhf_1kom")},
    {"rzhf_2kom", QT_TRANSLATE_NOOP3("Catalog", "2 комнатная квартира имеет жилую площадь < 11, общую площадь > 250", "rzhf_2kom")},
    {"rzhf_3kom", QT_TRANSLATE_NOOP3("Catalog", "3 комнатная квартира имеет жилую площадь <16, общую площадь > 400", "rzhf_3kom")},
    {"rzhf_4kom", QT_TRANSLATE_NOOP3("Catalog", "4 комнатная квартира имеет жилую площадь < 28, общую площадь > 700", "rzhf_4kom")},
    {"rzhf_5kom", QT_TRANSLATE_NOOP3("Catalog", "5 и более комнатная квартира имеет жилую площадь < 36, общую площадь > 5000", "rzhf_5kom")},
    {"RZHFOBPOL1", QT_TRANSLATE_NOOP3("Catalog", "Не заполнены обязательные поля (ИКД, тип жилого дома, вид собственности", "RZHFOBPOL1")},
    {"RZHFOBPOL2", QT_TRANSLATE_NOOP3("Catalog", "количество комнат, материал стен, общая площадь, жилая площадь)", "RZHFOBPOL2")},
    {"sohranit", QT_TRANSLATE_NOOP3("Catalog", "Сохранить", "sohranit")},
    {"splash", QT_TRANSLATE_NOOP3("Catalog", "Идет обработка данных. Подождите, пожалуйста...", "splash")},
    {"teh_obor", QT_TRANSLATE_NOOP3("Catalog", "Сведения о наличии сельскохозяйственной техники и оборудования для переработки продукции сельского хозяйства", "teh_obor")},
    {"versionpr", QT_TRANSLATE_NOOP3("Catalog", "Версия", "versionpr")},
    {"vnimanie", QT_TRANSLATE_NOOP3("Catalog", "Внимание", "vnimanie")},
    {"Yes", QT_TRANSLATE_NOOP3("Catalog", "Да", "Yes")},
    {"zem_kfh", QT_TRANSLATE_NOOP3("Catalog", "Земля, находящаяся в пользовании крестьянского или фермерского хозяйства, сданная (взятая) в аренду в пределах и вне пределов поселкового, сельского округа", "zem_kfh")},
    {"zem_kpu", QT_TRANSLATE_NOOP3("Catalog", "Земля, находящаяся в личной собственности и пользовании", "zem_kpu")},
    {"zem_mnogo_kfh", QT_TRANSLATE_NOOP3("Catalog", "В. Культуры многолетние", "zem_mnogo_kfh")},
    {"zem_mnogo_kpu", QT_TRANSLATE_NOOP3("Catalog", "Г. Культуры многолетние", "zem_mnogo_kpu")},
    {"zem_posev_kfh", QT_TRANSLATE_NOOP3("Catalog", "Б. Посевная площадь всего на 1 июля, га", "zem_posev_kfh")},
    {"zem_posev_kpu", QT_TRANSLATE_NOOP3("Catalog", "В. Посевная площадь всего на 1 июля, в кв. м.", "zem_posev_kpu")},
    {"zem_vsego_kfh", QT_TRANSLATE_NOOP3("Catalog", "А. Всего земли, находя щейся в личной собствен ности на 1 января, га", "zem_vsego_kfh")},
    {"zem_vsego_kpu", QT_TRANSLATE_NOOP3("Catalog", "А. Всего земли, находя щейся в личной собствен ности на 1 января, в кв. м.", "zem_vsego_kpu")},
    {"zhiv_kfh", QT_TRANSLATE_NOOP3("Catalog", "Скот, являющийся личной собственностью хозяйства (голов)", "zhiv_kfh")},
    {"zhiv_kpu", QT_TRANSLATE_NOOP3("Catalog", "Скот, фактически находящийся в хозяйстве (голов)", "zhiv_kpu")},
};

const QHash<QString, const Entry *> &index()
{
    static const QHash<QString, const Entry *> byKey = [] {
        QHash<QString, const Entry *> h;
        for (const Entry &e : entries)
            h.insert(QString::fromLatin1(e.key), &e);
        return h;
    }();
    return byKey;
}

const Entry &find(const QString &key)
{
    const auto it = index().constFind(key);
    if (it == index().cend())
        throw std::logic_error("unknown catalog key \"" + key.toStdString() + '"');
    return **it;
}

} // namespace

QString catalog(const QString &key)
{
    const Entry &e = find(key);
    return QCoreApplication::translate(Catalog::Context, e.text.source, e.text.disambiguation);
}

namespace Catalog {

bool contains(const QString &key)
{
    return index().contains(key);
}

QStringList keys()
{
    QStringList list;
    for (const Entry &e : entries)
        list << QString::fromLatin1(e.key);
    return list;
}

QString russian(const QString &key)
{
    return QString::fromUtf8(find(key).text.source);
}

} // namespace Catalog

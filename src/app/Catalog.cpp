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
const Entry entries[] = {
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
    {"a78", QT_TRANSLATE_NOOP3("Catalog", "Сельхозугодья", "a78")},
    {"a79", QT_TRANSLATE_NOOP3("Catalog", "Животноводство", "a79")},
    {"a80", QT_TRANSLATE_NOOP3("Catalog", "Постройки и сооружения", "a80")},
    {"a81", QT_TRANSLATE_NOOP3("Catalog", "Водоемы", "a81")},
    {"gtc_warrning", QT_TRANSLATE_NOOP3("Catalog", "Использование электронных информационных ресурсов, содержащих персональные данные о физических лицах, в целях причинения им имущественного и (или) морального вреда, ограничения реализации прав и свобод, гарантированных законами Республики Казахстан влекут ответственность в соответствии со статьей 641 Кодекса Республики Казахстан об административных правонарушениях." "\r\n" "А также, в соответствии со статьей 27 Закона Республики Казахстан «О государственной статистике» работники органов государственной статистики несут ответственность за утрату, продажу, передачу и иное незаконное разглашение первичных статистических данных, статистической информации и (или) баз данных, позволяющих идентифицировать респондента, в порядке, установленном законами Республики Казахстан.", "gtc_warrning")},
    {"lock_login", QT_TRANSLATE_NOOP3("Catalog", "Логин временно заблокирован за превышение неверных попыток входа в систему.", "lock_login")},
    {"login_failed", QT_TRANSLATE_NOOP3("Catalog", "Введите правильное имя пользователя и пароль", "login_failed")},
    {"login_success", QT_TRANSLATE_NOOP3("Catalog", "Последний вход в систему", "login_success")},
    {"login_unsuccess", QT_TRANSLATE_NOOP3("Catalog", "Последняя неудачная попытка входа в систему", "login_unsuccess")},
    {"polu1", QT_TRANSLATE_NOOP3("Catalog", "на 1 января", "polu1")},
    {"polu2", QT_TRANSLATE_NOOP3("Catalog", "на 1 июля", "polu2")},
    {"postr_all", QT_TRANSLATE_NOOP3("Catalog", "Постройки для хранения сельскохозяйственной продукции и содержания скота, другие постройки", "postr_all")},
    {"sohranit", QT_TRANSLATE_NOOP3("Catalog", "Сохранить", "sohranit")},
    {"splash", QT_TRANSLATE_NOOP3("Catalog", "Идет обработка данных. Подождите, пожалуйста...", "splash")},
    {"teh_obor", QT_TRANSLATE_NOOP3("Catalog", "Сведения о наличии сельскохозяйственной техники и оборудования для переработки продукции сельского хозяйства", "teh_obor")},
    {"versionpr", QT_TRANSLATE_NOOP3("Catalog", "Версия", "versionpr")},
    {"vnimanie", QT_TRANSLATE_NOOP3("Catalog", "Внимание", "vnimanie")},
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

#include "app/Catalog.h"

#include <QTranslator>
#include <QtTest>

#include <stdexcept>

// Stands in for the Kazakh language file: translates two keys and lacks the rest.
class FakeKazakh : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int) const override
    {
        Q_UNUSED(sourceText);
        if (qstrcmp(context, Catalog::Context) != 0)
            return {};
        if (qstrcmp(disambiguation, "a25") == 0)
            return QStringLiteral("Ловарник-kk");
        if (qstrcmp(disambiguation, "vnimanie") == 0)
            return QStringLiteral("Назар аударыңыз");
        return {};
    }
    bool isEmpty() const override { return false; }
};

class TestCatalog : public QObject
{
    Q_OBJECT

private slots:
    void russianTexts_data();
    void russianTexts();
    void everyRequiredKeyPresent();
    void fullTableOnceEach();
    void lineBreaksAndInnerBlanksKept();
    void unknownKeyNamesTheKey();
    void activeLanguageFollowsTranslator();
};

void TestCatalog::russianTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("a18") << "a18" << "Дублирование строк. Сохранение невозможно";
    QTest::newRow("a21") << "a21"
                         << "Таблица открыта в режиме чтения. Изменение и добавление данных невозможно";
    QTest::newRow("a24") << "a24" << "Не определен като сельского округа. Работа программы невозможна";
    QTest::newRow("a25") << "a25" << "Ловарник";
    QTest::newRow("a43") << "a43" << "Данные по постр.для хранения с/х продукции не сохранены";
    QTest::newRow("a51") << "a51" << "Сохранение невозможно.Карточка пуста";
    QTest::newRow("splash") << "splash" << "Идет обработка данных. Подождите, пожалуйста...";
    QTest::newRow("polu2") << "polu2" << "на 1 июля";
    QTest::newRow("zem_posev_kpu") << "zem_posev_kpu" << "В. Посевная площадь всего на 1 июля, в кв. м.";
    // period slice
    QTest::newRow("a1") << "a1" << "Срез уже имеется. Дата создания среза:";
    QTest::newRow("a2") << "a2" << "Версия:";
    QTest::newRow("a3") << "a3" << "Создание среза успешно завершено";
    // FLK batch: inner quotes are part of the texts
    QTest::newRow("a5") << "a5" << "Домохозяйство. Обязательные поля:";
    QTest::newRow("a6") << "a6" << "пор.ном.";
    QTest::newRow("a10") << "a10" << "Земледелие: \"Всего земли\" меньше суммы составляющих.";
    QTest::newRow("a84") << "a84" << "Общая площадь должна быть больше жилой";
    QTest::newRow("a116") << "a116"
                          << "Если заполнены Помещения для с/х техники , то необходимо указать их "
                             "количество и общую площадь";
    QTest::newRow("bl_gaz") << "bl_gaz" << "Благоустройство: Должен быть указан только один вид \"Газа\"";
    QTest::newRow("bl_required") << "bl_required"
                                 << "У жилых домов не заполнены виды обязательных благоустройств: "
                                    "электричество, водоснабжение, отопление";
    QTest::newRow("flkVzyato") << "flkVzyato"
                               << "Земледелие: \"Всего земли, взятой в пользование\" меньше суммы составляющих.";
    QTest::newRow("IKD") << "IKD" << "Разные Типы жилого дома у одного Идентификационного кода дома";
    QTest::newRow("hs_retire_null") << "hs_retire_null" << "Жилищные условия. Не указана дата или причина выбытия.";
    // member validation on save: three lines joined by the caller
    QTest::newRow("a64") << "a64" << "Не заполнены обязательные поля (Порядковый номер,";
    QTest::newRow("a65") << "a65"
                         << "фамилия, имя, дата рождения,отношение к первому члену ДХ, пол, национальность,";
    QTest::newRow("a66") << "a66" << "образование, источники средств к существованию,ИИН)";
    QTest::newRow("iin12") << "iin12" << "ИИН должен быть 12 знаков";
    QTest::newRow("a109") << "a109" << "Поле Источники средств к существованию должно быть 2";
    // household and farm record rules
    QTest::newRow("a52") << "a52" << "Макс.размер поля - 9 знаков";
    QTest::newRow("a57") << "a57" << "Кол.кур больше или равно кол. кур-несушек";
    QTest::newRow("a63") << "a63" << "Гр.1 должна быть больше гр.2";
    QTest::newRow("a68") << "a68" << "Не заполнены обязательные поля (фамилия, имя, дата рождения,пол)";
    QTest::newRow("a69") << "a69" << "Не заполнены обязательные поля (Лицевой счет, Улица, Дом)";
    QTest::newRow("a70") << "a70" << "Необходимо заполнить поле БИН или ИИН";
    QTest::newRow("confirm_del") << "confirm_del"
                                 << "Внимание! Хозяйство будет удалено полностью со всеми разделами и "
                                    "показателями! Вы действительно хотите удалить Хозяйство?";
    QTest::newRow("RZHFOBPOL1") << "RZHFOBPOL1"
                                << "Не заполнены обязательные поля (ИКД, тип жилого дома, вид собственности";
    QTest::newRow("RZHFOBPOL2") << "RZHFOBPOL2"
                                << "количество комнат, материал стен, общая площадь, жилая площадь)";
    QTest::newRow("rzhf_3kom") << "rzhf_3kom"
                               << "3 комнатная квартира имеет жилую площадь <16, общую площадь > 400";
    QTest::newRow("rzhf_5kom") << "rzhf_5kom"
                               << "5 и более комнатная квартира имеет жилую площадь < 36, общую площадь > 5000";
    QTest::newRow("flkVsegoZem") << "flkVsegoZem"
                                 << "\"А. Всего земли, находящейся в личной собственности на 1 января\" = "
                                    "\"под постройками\" + \"под сельскохозяйственными угодьями\" + "
                                    "\"прочие земли\"";
    QTest::newRow("flkVzyatoZem") << "flkVzyatoZem"
                                  << "\"Б. Всего земли, взятой в пользование у других землевладельцев на 1 "
                                     "июля\" < \"пашни\" + \"пастбища\" + \"сенокосы\"";
    QTest::newRow("oked5") << "oked5" << "Выберите ОКЭД 5 знаков";
    // imports and export
    QTest::newRow("a16") << "a16" << "Справочники загружены!";
    QTest::newRow("a17") << "a17" << "Файл не найден";
    QTest::newRow("confirm_spr") << "confirm_spr" << "Вы действительно хотите импортировать справочники?";
    QTest::newRow("a89") << "a89" << "Несоответствие версий баз данных";
    QTest::newRow("a90") << "a90" << "Импорт данных завершен. Перезапустите программу.";
    QTest::newRow("a93") << "a93" << "Загружено КФХ";
    QTest::newRow("done_srez") << "done_srez" << "Экспорт среза успешно завершен";
    // spreadsheet export
    QTest::newRow("confirm") << "confirm" << "Вы действительно хотите экспортировать данные?";
    QTest::newRow("ExcelNotFound") << "ExcelNotFound" << "Microsoft Excel не найден. Выполнение невозможно.";
    QTest::newRow("lng") << "lng" << "rus";
    QTest::newRow("Yes") << "Yes" << "Да";
    QTest::newRow("No") << "No" << "Нет";
}

void TestCatalog::russianTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(catalog(key), text);
    QCOMPARE(Catalog::russian(key), text);
}

void TestCatalog::everyRequiredKeyPresent()
{
    QStringList required;
    for (int i = 18; i <= 28; ++i)
        required << QStringLiteral("a%1").arg(i);
    for (int i = 33; i <= 51; ++i)
        required << QStringLiteral("a%1").arg(i);
    for (int i = 78; i <= 81; ++i)
        required << QStringLiteral("a%1").arg(i);
    required << "splash" << "versionpr" << "vnimanie" << "sohranit" << "zem_kpu" << "zem_kfh"
             << "zhiv_kpu" << "zhiv_kfh" << "teh_obor" << "postr_all" << "zem_vsego_kpu"
             << "zem_vsego_kfh" << "zem_posev_kpu" << "zem_posev_kfh" << "zem_mnogo_kpu"
             << "zem_mnogo_kfh" << "polu1" << "polu2" << "gtc_warrning" << "lock_login"
             << "login_failed" << "login_success" << "login_unsuccess";
    for (const QString &key : required) {
        QVERIFY2(Catalog::contains(key), qPrintable(key));
        QVERIFY2(!catalog(key).isEmpty(), qPrintable(key));
    }
}

// Every key the program shows, one of each.
void TestCatalog::fullTableOnceEach()
{
    QStringList required;
    const int numbered[][2] = {{1, 10},  {16, 28}, {33, 52},   {57, 57},   {63, 70},
                               {78, 81}, {84, 93}, {108, 110}, {114, 116}};
    for (const auto &range : numbered)
        for (int i = range[0]; i <= range[1]; ++i)
            required << QStringLiteral("a%1").arg(i);
    required << "bl_gaz" << "bl_gor_voda" << "bl_kanal" << "bl_otopl" << "bl_required" << "bl_voda"
             << "confirm" << "confirm_del" << "confirm_spr" << "done_srez" << "ExcelNotFound"
             << "flkVsegoZem" << "flkVzyato" << "flkVzyatoZem" << "flkZemPosev" << "gtc_warrning"
             << "hs_is_null" << "hs_retire_null" << "iin12" << "IKD" << "lng" << "lock_login"
             << "login_failed" << "login_success" << "login_unsuccess" << "No" << "oked5" << "polu1"
             << "polu2" << "postr_all" << "rzhf_1kom" << "rzhf_2kom" << "rzhf_3kom" << "rzhf_4kom"
             << "rzhf_5kom" << "RZHFOBPOL1" << "RZHFOBPOL2" << "sohranit" << "splash" << "teh_obor"
             << "versionpr" << "vnimanie" << "Yes" << "zem_kfh" << "zem_kpu" << "zem_mnogo_kfh"
             << "zem_mnogo_kpu" << "zem_posev_kfh" << "zem_posev_kpu" << "zem_vsego_kfh"
             << "zem_vsego_kpu" << "zhiv_kfh" << "zhiv_kpu";
    QCOMPARE(required.size(), 125);
    for (const QString &key : required) {
        QVERIFY2(Catalog::contains(key), qPrintable(key));
        QVERIFY2(!catalog(key).isEmpty(), qPrintable(key));
    }
    const QStringList keys = Catalog::keys();
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()); // no key twice
    QVERIFY2(keys.size() >= required.size(), qPrintable(QString::number(keys.size())));
}

void TestCatalog::lineBreaksAndInnerBlanksKept()
{
    QCOMPARE(catalog("zem_vsego_kfh"),
             QStringLiteral("А. Всего земли, находя щейся в личной собствен ности на 1 января, га"));
    const QString warning = catalog("gtc_warrning");
    QVERIFY(warning.contains(QStringLiteral("правонарушениях.\r\nА также, в соответствии")));
    QCOMPARE(warning.count(QStringLiteral("\r\n")), 1);
}

void TestCatalog::unknownKeyNamesTheKey()
{
    QVERIFY(!Catalog::contains("no_such_key"));
    try {
        catalog("no_such_key");
        QFAIL("no error for an unknown key");
    } catch (const std::logic_error &e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains("no_such_key"), e.what());
    }
    QVERIFY_THROWS_EXCEPTION(std::logic_error, Catalog::russian("A25")); // keys are exact
}

void TestCatalog::activeLanguageFollowsTranslator()
{
    FakeKazakh kazakh;
    QVERIFY(QCoreApplication::installTranslator(&kazakh));
    QCOMPARE(catalog("a25"), QStringLiteral("Ловарник-kk"));
    QCOMPARE(catalog("vnimanie"), QStringLiteral("Назар аударыңыз"));
    QCOMPARE(catalog("a26"), QStringLiteral("Книга крестьянских хозяйств")); // not translated
    QCOMPARE(Catalog::russian("a25"), QStringLiteral("Ловарник"));
    QVERIFY(QCoreApplication::removeTranslator(&kazakh));
    QCOMPARE(catalog("a25"), QStringLiteral("Ловарник"));
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"

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
    const QStringList keys = Catalog::keys();
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size()); // no key twice
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

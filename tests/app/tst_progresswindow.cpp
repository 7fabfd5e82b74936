#include "app/ProgressWindow.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

class TestProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsTextAtOnce();
    void windowKind();
    void centredOverOwner();
    void centredOverScreenWithoutOwner();
    void widthRule_data();
    void widthRule();
    void resizedOnSetText();
};

void TestProgressWindow::showsTextAtOnce()
{
    const QString text = QStringLiteral("Идет обработка данных. Подождите, пожалуйста...");
    const auto window = ShowProgressWindow(text, nullptr);
    QVERIFY(window);
    QVERIFY(window->isVisible()); // before any event loop of the caller's
    QCOMPARE(window->text(), text);
    QCOMPARE(window->label()->text(), text);
    QVERIFY(window->label()->wordWrap());
    QVERIFY(window->label()->alignment() & Qt::AlignHCenter);
    QVERIFY(window->label()->alignment() & Qt::AlignVCenter);
    QVERIFY(window->rect().contains(window->label()->geometry()));
}

void TestProgressWindow::windowKind()
{
    const auto window = ShowProgressWindow(QStringLiteral("x"), nullptr);
    QVERIFY(!window->isEnabled());
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->isWindow());
    QCOMPARE(window->label()->font().pixelSize(), 11);
}

void TestProgressWindow::centredOverOwner()
{
    QWidget owner;
    owner.setGeometry(100, 80, 900, 700);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    const auto window = ShowProgressWindow(QStringLiteral("Проверка ФЛК"), &owner);
    const QPoint ownerCentre = owner.frameGeometry().center();
    const QPoint centre = window->frameGeometry().center();
    QVERIFY2(qAbs(centre.x() - ownerCentre.x()) <= 1 && qAbs(centre.y() - ownerCentre.y()) <= 1,
             qPrintable(QStringLiteral("window centre %1,%2; owner centre %3,%4")
                            .arg(centre.x()).arg(centre.y()).arg(ownerCentre.x()).arg(ownerCentre.y())));
    QVERIFY(!window->parentWidget()); // the caller owns it, not the owner
}

void TestProgressWindow::centredOverScreenWithoutOwner()
{
    const auto window = ShowProgressWindow(QStringLiteral("x"), nullptr);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    const QPoint centre = window->frameGeometry().center();
    QVERIFY(qAbs(centre.x() - screenCentre.x()) <= 1);
    QVERIFY(qAbs(centre.y() - screenCentre.y()) <= 1);
}

void TestProgressWindow::widthRule_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("labelWidth");
    QTest::newRow("narrow screen") << 640 << 256;
    QTest::newRow("at the bound") << 604 << 238;
    QTest::newRow("below the bound") << 400 << 238;
    QTest::newRow("full hd") << 1920 << 896;
}

void TestProgressWindow::widthRule()
{
    QFETCH(int, screenWidth);
    QFETCH(int, labelWidth);
    QCOMPARE(ProgressWindow::labelWidth(screenWidth), labelWidth);
}

void TestProgressWindow::resizedOnSetText()
{
    QWidget owner;
    owner.setGeometry(50, 50, 800, 600);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    const auto window = ShowProgressWindow(QStringLiteral("Одна строка"), &owner);
    const int screenWidth = owner.screen()->geometry().width();
    const int expectedWidth = ProgressWindow::labelWidth(screenWidth) + 16;
    QCOMPARE(window->width(), expectedWidth);
    QCOMPARE(window->label()->width(), ProgressWindow::labelWidth(screenWidth));
    const int shortHeight = window->height();
    QCOMPARE(shortHeight, 64); // one line fits the starting size

    QStringList words;
    for (int i = 0; i < 200; ++i)
        words << QStringLiteral("обработка");
    const QString longText = words.join(u' ');
    window->setText(longText);
    QCOMPARE(window->text(), longText);
    QCOMPARE(window->width(), expectedWidth);
    QVERIFY2(window->height() > shortHeight, qPrintable(QString::number(window->height())));
    QCOMPARE(window->label()->y(), 10); // centring would be negative
    QCOMPARE(window->height(), window->label()->height() + 20);
    const QPoint centre = window->frameGeometry().center();
    QVERIFY(qAbs(centre.y() - owner.frameGeometry().center().y()) <= 1);

    window->setText(QStringLiteral("Одна строка"));
    QCOMPARE(window->height(), shortHeight);
}

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"

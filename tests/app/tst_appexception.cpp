#include "app/AppException.h"
#include "app/Catalog.h"
#include "support/ScriptedPromptPort.h"

#include <QtTest>

#include <stdexcept>

class TestAppException : public QObject
{
    Q_OBJECT

private slots:
    void replacement_data();
    void replacement();
    void handlerShowsReplacedTextInErrorBox();
    void guardedIgnoresAbort();
    void guardedShowsDatasetAndOtherErrors();
    void guardedShowsDatabaseError();
    void guardedReportsCompletion();
    void exceptionPtrForm();
};

void TestAppException::replacement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("unique key")
        << "violation of PRIMARY or UNIQUE KEY constraint \"PK_KPU_SRN\" on table \"KPU_SRN\""
        << catalog("a18");
    QTest::newRow("not a number") << "'12,5x' is not a valid floating point value" << catalog("a19");
    QTest::newRow("foreign key")
        << "violation of FOREIGN KEY constraint \"FK_KPU_SRN_1\" on table \"KPU_SRN\""
        << catalog("a20");
    QTest::newRow("read-only change") << "Cannot modify a read-only dataset" << catalog("a21");
    QTest::newRow("read-only delete") << "Cannot delete from a read-only dataset" << catalog("a22");
    QTest::newRow("refresh") << "Cannot refresh row" << catalog("a23");
    QTest::newRow("unknown text kept") << "connection lost to database" << "connection lost to database";
    QTest::newRow("case matters") << "cannot modify" << "cannot modify";
    // Each test runs on the text the previous one left, and no catalog text
    // holds a later fragment, so the earliest fragment of the table wins,
    // wherever it stands in the text.
    QTest::newRow("two fragments, table order")
        << "Cannot modify: violation of FOREIGN KEY constraint" << catalog("a20");
    QTest::newRow("unique before refresh")
        << "Cannot refresh: violation of PRIMARY or UNIQUE KEY" << catalog("a18");
}

void TestAppException::replacement()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(replaceKnownErrorText(text), shown);
}

void TestAppException::handlerShowsReplacedTextInErrorBox()
{
    ScriptedPromptPort port;
    AppExceptionHandler handler(port);
    handler.AppException(std::runtime_error("Cannot modify a read-only dataset"));
    QCOMPARE(port.messages().size(), 1);
    const PromptPort::Message m = port.lastMessage();
    QCOMPARE(m.text,
             QStringLiteral("Таблица открыта в режиме чтения. Изменение и добавление данных невозможно"));
    QCOMPARE(m.title, QStringLiteral("Ловарник"));
    QCOMPARE(m.icon, PromptPort::Icon::Critical);
    QCOMPARE(m.buttons, PromptPort::Buttons(PromptPort::Button::Ok));

    handler.AppException(std::runtime_error("disk full"));
    QCOMPARE(port.lastMessage().text, QStringLiteral("disk full"));
}

void TestAppException::guardedIgnoresAbort()
{
    ScriptedPromptPort port;
    bool after = false;
    QVERIFY(!guarded(port, [&] {
        throw Abort{};
        after = true;
    }));
    QVERIFY(!after);
    QVERIFY(port.messages().isEmpty());
}

void TestAppException::guardedShowsDatasetAndOtherErrors()
{
    ScriptedPromptPort port;
    QVERIFY(!guarded(port, [] { throw DatasetError("Cannot delete from a read-only dataset"); }));
    QVERIFY(!guarded(port, [] { throw std::logic_error("plain failure"); }));
    QCOMPARE(port.texts(),
             (QStringList{QStringLiteral("Таблица открыта в режиме чтения. Удаление данных невозможно"),
                          QStringLiteral("plain failure")}));
}

void TestAppException::guardedShowsDatabaseError()
{
    ScriptedPromptPort port;
    QVERIFY(!guarded(port, [] {
        throw DatabaseError(QStringLiteral("violation of FOREIGN KEY constraint \"FK_KPU_SRN_1\""),
                            QStringLiteral("-530"));
    }));
    QCOMPARE(port.texts(),
             QStringList{QStringLiteral("Имеются дочерние записи. Необходимо прежде удалить их.")});
}

void TestAppException::guardedReportsCompletion()
{
    ScriptedPromptPort port;
    int runs = 0;
    QVERIFY(guarded(port, [&] { ++runs; }));
    QCOMPARE(runs, 1);
    QVERIFY(port.messages().isEmpty());
}

void TestAppException::exceptionPtrForm()
{
    ScriptedPromptPort port;
    AppExceptionHandler handler(port);
    handler.AppException(std::make_exception_ptr(Abort{}));
    QVERIFY(port.messages().isEmpty());
    handler.AppException(std::make_exception_ptr(DatasetError("Cannot refresh")));
    QCOMPARE(port.texts(), QStringList{QStringLiteral("Обновление данных невозможно")});
    QVERIFY_THROWS_EXCEPTION(int, handler.AppException(std::make_exception_ptr(42)));
}

QTEST_MAIN(TestAppException)
#include "tst_appexception.moc"

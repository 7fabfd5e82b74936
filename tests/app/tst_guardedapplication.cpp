#include "app/AppException.h"
#include "app/GuardedApplication.h"
#include "support/ScriptedPromptPort.h"

#include <QTimer>
#include <QtTest>

namespace {

class Thrower : public QObject
{
public:
    std::function<void()> action;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            action();
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

class TestGuardedApplication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void errorInEventHandlerShown();
    void abortInEventHandlerSilent();
    void errorInQueuedSlotShownAndLoopGoesOn();

private:
    GuardedApplication *app() { return static_cast<GuardedApplication *>(qApp); }
    std::unique_ptr<ScriptedPromptPort> m_port;
};

void TestGuardedApplication::init()
{
    m_port = std::make_unique<ScriptedPromptPort>();
    app()->setErrorHandler(
        [port = m_port.get()](std::exception_ptr e) { AppExceptionHandler(*port).AppException(e); });
}

void TestGuardedApplication::cleanup()
{
    app()->setErrorHandler(nullptr);
    m_port.reset();
}

void TestGuardedApplication::errorInEventHandlerShown()
{
    Thrower t;
    t.action = [] { throw DatasetError("Cannot modify a read-only dataset"); };
    QEvent e(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&t, &e));
    QCOMPARE(m_port->texts(),
             QStringList{QStringLiteral(
                 "Таблица открыта в режиме чтения. Изменение и добавление данных невозможно")});
}

void TestGuardedApplication::abortInEventHandlerSilent()
{
    Thrower t;
    t.action = [] { throw Abort{}; };
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&t, &e);
    QVERIFY(m_port->messages().isEmpty());
}

void TestGuardedApplication::errorInQueuedSlotShownAndLoopGoesOn()
{
    bool later = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("Cannot delete row"); });
    QTimer::singleShot(0, [&] { later = true; });
    QTRY_VERIFY(later);
    QCOMPARE(m_port->texts(),
             QStringList{QStringLiteral("Таблица открыта в режиме чтения. Удаление данных невозможно")});
}

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    TestGuardedApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guardedapplication.moc"

#include "app/ProgressWindow.h"
#include "app/QtPromptPort.h"
#include "support/ScriptedPromptPort.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using Button = PromptPort::Button;
using Icon = PromptPort::Icon;

namespace {

// A dialog that refuses OK while its field is empty, as the program's dialogs do.
class NameDialog : public QDialog
{
public:
    NameDialog()
    {
        auto *layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(edit);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    void accept() override
    {
        if (!edit->text().isEmpty())
            QDialog::accept();
    }
    void showEvent(QShowEvent *event) override
    {
        ++shown;
        QDialog::showEvent(event);
    }

    QLineEdit *edit = nullptr;
    QDialogButtonBox *buttons = nullptr;
    int shown = 0;
};

// Presses a button of the next modal box; gives up (closes every modal
// window) after a few seconds so a broken test fails instead of hanging.
void pressWhenShown(QMessageBox::StandardButton button, QString *seenText = nullptr,
                    QString *seenTitle = nullptr, Qt::TextFormat *format = nullptr,
                    QMessageBox::StandardButton *defaultButton = nullptr)
{
    auto *poll = new QTimer(qApp);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (seenText)
                *seenText = box->text();
            if (seenTitle)
                *seenTitle = box->windowTitle();
            if (format)
                *format = box->textFormat();
            if (defaultButton)
                *defaultButton = box->standardButton(box->defaultButton());
            if (button == QMessageBox::NoButton)
                box->reject();
            else
                box->button(button)->click();
            poll->deleteLater();
        } else if (started->elapsed() > 5000) {
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace

class TestPromptPort : public QObject
{
    Q_OBJECT

private slots:
    void convenienceBoxes();
    void scriptedAnswersInOrder();
    void plainBoxNeedsNoAnswer();
    void missingAnswerIsAFailure();
    void answerNotOfferedIsAFailure();
    void scriptedFiles();
    void missingFileIsAFailure();
    void execFillsAndAccepts();
    void execClickThroughDialogsOwnLogic();
    void execRejected();
    void execWithoutScriptIsAFailure();
    void progressWindowsRecorded();

    void qtPortShowsTextsAsGiven();
    void qtPortEscapeAnswersCancel();
};

void TestPromptPort::convenienceBoxes()
{
    ScriptedPromptPort port;
    port.answer({Button::No, Button::Cancel});
    port.showMessage(QStringLiteral("Создание среза успешно завершено"));
    port.warning(QStringLiteral("Система заблокированна на 5 минут."));
    port.error(QStringLiteral("Обновление данных невозможно"));
    port.information(QStringLiteral("Справочники загружены!"));
    QVERIFY(!port.yesNo(QStringLiteral("Вы действительно хотите экспортировать данные?")));
    QCOMPARE(port.yesNoCancel(QStringLiteral("Внимание"), QStringLiteral("Данные по карточке не сохранены. Сохранить?")),
             Button::Cancel);

    const QList<PromptPort::Message> &m = port.messages();
    QCOMPARE(m.size(), 6);
    QCOMPARE(m[0].title, QStringLiteral("Ловарник"));
    QCOMPARE(m[0].icon, Icon::None);
    QCOMPARE(m[0].buttons, PromptPort::Buttons(Button::Ok));
    QCOMPARE(m[1].title, QStringLiteral("Внимание"));
    QCOMPARE(m[1].icon, Icon::Warning);
    QCOMPARE(m[2].icon, Icon::Critical);
    QCOMPARE(m[2].title, QStringLiteral("Ловарник"));
    QCOMPARE(m[3].icon, Icon::Information);
    QCOMPARE(m[4].icon, Icon::Question);
    QCOMPARE(m[4].buttons, Button::Yes | Button::No);
    QCOMPARE(m[4].defaultButton, Button::Yes);
    QCOMPARE(m[5].title, QStringLiteral("Внимание"));
    QCOMPARE(m[5].buttons, Button::Yes | Button::No | Button::Cancel);
    QCOMPARE(m[5].text, QStringLiteral("Данные по карточке не сохранены. Сохранить?"));
    QCOMPARE(describe(m[1]),
             QStringLiteral("Warning | Внимание | Система заблокированна на 5 минут. | Ok"));
    QVERIFY(port.problems().isEmpty());
}

void TestPromptPort::scriptedAnswersInOrder()
{
    ScriptedPromptPort port;
    port.answer(Button::Yes);
    port.answer(Button::No);
    QVERIFY(port.yesNo("1"));
    QVERIFY(!port.yesNo("2"));
    QCOMPARE(port.texts(), (QStringList{"1", "2"}));
    QCOMPARE(port.pendingAnswers(), 0);
}

void TestPromptPort::plainBoxNeedsNoAnswer()
{
    ScriptedPromptPort port;
    port.answer(Button::Yes);
    port.showMessage("plain");
    QCOMPARE(port.ask({"t", "only cancel", Icon::None, Button::Cancel, Button::Cancel}), Button::Cancel);
    QCOMPARE(port.pendingAnswers(), 1); // kept for the next question
    QVERIFY(port.yesNo("question"));
}

void TestPromptPort::missingAnswerIsAFailure()
{
    ScriptedPromptPort port;
    QStringList failures;
    port.setFailureHandler([&](const QString &p) { failures << p; });
    QCOMPARE(port.yesNoCancel("Внимание", "Сохранить?"), Button::Cancel);
    QVERIFY(!port.yesNo("Удалить?"));
    QCOMPARE(failures.size(), 2);
    QVERIFY2(failures[0].contains("Сохранить?"), qPrintable(failures[0]));
    QCOMPARE(port.problems(), failures);
    QCOMPARE(port.messages().size(), 2); // still recorded
}

void TestPromptPort::answerNotOfferedIsAFailure()
{
    ScriptedPromptPort port;
    QStringList failures;
    port.setFailureHandler([&](const QString &p) { failures << p; });
    port.answer(Button::Cancel);
    QCOMPARE(port.yesNo("Удалить?"), false);
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures[0].contains("Cancel"));
}

void TestPromptPort::scriptedFiles()
{
    ScriptedPromptPort port;
    port.chooseOpenFile("/tmp/a.spr");
    port.chooseSaveFile("/tmp/b.xlsx");
    port.chooseOpenFile(QString());
    QCOMPARE(port.openFileName("Открыть", "/home", "*.spr"), QStringLiteral("/tmp/a.spr"));
    QCOMPARE(port.saveFileName("Сохранить", "/home", "*.xlsx"), QStringLiteral("/tmp/b.xlsx"));
    QCOMPARE(port.openFileName("Открыть", "/home", "*.fdb"), QString());
    QCOMPARE(port.fileRequests().size(), 3);
    QVERIFY(!port.fileRequests()[0].save);
    QVERIFY(port.fileRequests()[1].save);
    QCOMPARE(port.fileRequests()[2].filter, QStringLiteral("*.fdb"));
    QCOMPARE(port.pendingFiles(), 0);
}

void TestPromptPort::missingFileIsAFailure()
{
    ScriptedPromptPort port;
    QStringList failures;
    port.setFailureHandler([&](const QString &p) { failures << p; });
    QCOMPARE(port.saveFileName("Экспорт", "", ""), QString());
    QCOMPARE(failures.size(), 1);
}

void TestPromptPort::execFillsAndAccepts()
{
    ScriptedPromptPort port;
    NameDialog dialog;
    port.onExec([](QDialog &d) {
        static_cast<NameDialog &>(d).edit->setText(QStringLiteral("Абай"));
        return int(QDialog::Accepted);
    });
    QSignalSpy finished(&dialog, &QDialog::finished);
    QCOMPARE(port.exec(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.edit->text(), QStringLiteral("Абай"));
    QCOMPARE(dialog.shown, 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(port.execCount(), 1);
}

void TestPromptPort::execClickThroughDialogsOwnLogic()
{
    ScriptedPromptPort port;
    NameDialog dialog;
    port.onExec([](QDialog &d) {
        auto &n = static_cast<NameDialog &>(d);
        n.buttons->button(QDialogButtonBox::Ok)->click(); // refused: the field is empty
        if (!n.isVisible())
            return int(QDialog::Accepted);
        n.edit->setText(QStringLiteral("x"));
        n.buttons->button(QDialogButtonBox::Ok)->click();
        return int(QDialog::Rejected); // ignored: the dialog closed itself
    });
    QCOMPARE(port.exec(dialog), int(QDialog::Accepted));
}

void TestPromptPort::execRejected()
{
    ScriptedPromptPort port;
    NameDialog dialog;
    port.onExec([](QDialog &) { return int(QDialog::Rejected); });
    QCOMPARE(port.exec(dialog), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestPromptPort::execWithoutScriptIsAFailure()
{
    ScriptedPromptPort port;
    QStringList failures;
    port.setFailureHandler([&](const QString &p) { failures << p; });
    NameDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Период для работы"));
    QCOMPARE(port.exec(dialog), int(QDialog::Rejected));
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures[0].contains(QStringLiteral("Период для работы")));
    QCOMPARE(dialog.shown, 0);
}

void TestPromptPort::progressWindowsRecorded()
{
    ScriptedPromptPort port;
    QWidget owner;
    owner.resize(400, 300);
    {
        const auto progress = port.showProgress(QStringLiteral("Идет обработка данных. Подождите, пожалуйста..."), &owner);
        QVERIFY(progress && progress->isVisible());
        QCOMPARE(port.openProgressWindows(), 1);
    }
    QCOMPARE(port.openProgressWindows(), 0);
    QCOMPARE(port.progressTexts(),
             QStringList{QStringLiteral("Идет обработка данных. Подождите, пожалуйста...")});
}

void TestPromptPort::qtPortShowsTextsAsGiven()
{
    QtPromptPort port;
    QString text, title;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    pressWhenShown(QMessageBox::No, &text, &title, &format, &defaultButton);
    const QString given = QStringLiteral("<b>Дом</b> & \"кв.\"\r\nвторая строка");
    QCOMPARE(port.ask({QStringLiteral("Внимание"), given, Icon::Question,
                       Button::Yes | Button::No | Button::Cancel, Button::Yes}),
             Button::No);
    QCOMPARE(text, given);
    QCOMPARE(title, QStringLiteral("Внимание"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(defaultButton, QMessageBox::Yes);

    pressWhenShown(QMessageBox::Ok);
    port.error(QStringLiteral("x"));
}

void TestPromptPort::qtPortEscapeAnswersCancel()
{
    QtPromptPort port;
    pressWhenShown(QMessageBox::NoButton); // closed without a button
    QCOMPARE(port.yesNoCancel(QStringLiteral("t"), QStringLiteral("?")), Button::Cancel);
}

QTEST_MAIN(TestPromptPort)
#include "tst_promptport.moc"

#include "support/ScriptedPromptPort.h"

#include "app/ProgressWindow.h"

#include <QDialog>
#include <QtGlobal>

namespace {

QString describeButtons(PromptPort::Buttons buttons)
{
    QStringList names;
    for (auto b : {PromptPort::Button::Ok, PromptPort::Button::Yes, PromptPort::Button::No,
                   PromptPort::Button::Cancel}) {
        if (buttons.testFlag(b))
            names << buttonName(b);
    }
    return names.join(u'+');
}

} // namespace

QString describe(const PromptPort::Message &message)
{
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(iconName(message.icon), message.title, message.text,
             describeButtons(message.buttons));
}

ScriptedPromptPort::ScriptedPromptPort()
    : m_fail([](const QString &problem) {
          qFatal("ScriptedPromptPort: %s", qPrintable(problem));
      })
{
}

ScriptedPromptPort::~ScriptedPromptPort()
{
    // Left-over script usually means the code under test asked less than the
    // test expected; say so, the test's own checks decide.
    if (!m_answers.isEmpty() || pendingFiles() > 0 || !m_execs.isEmpty())
        qWarning("ScriptedPromptPort: unused script: %d answers, %d files, %d dialogs",
                 int(m_answers.size()), pendingFiles(), int(m_execs.size()));
}

void ScriptedPromptPort::answer(Button button)
{
    m_answers.enqueue(button);
}

void ScriptedPromptPort::answer(std::initializer_list<Button> buttons)
{
    for (Button b : buttons)
        m_answers.enqueue(b);
}

void ScriptedPromptPort::chooseOpenFile(const QString &path)
{
    m_openFiles.enqueue(path);
}

void ScriptedPromptPort::chooseSaveFile(const QString &path)
{
    m_saveFiles.enqueue(path);
}

void ScriptedPromptPort::onExec(ExecScript script)
{
    m_execs.enqueue(std::move(script));
}

QStringList ScriptedPromptPort::texts() const
{
    QStringList list;
    for (const Message &m : m_messages)
        list << m.text;
    return list;
}

PromptPort::Message ScriptedPromptPort::lastMessage() const
{
    return m_messages.isEmpty() ? Message{} : m_messages.constLast();
}

void ScriptedPromptPort::clearRecord()
{
    m_messages.clear();
    m_fileRequests.clear();
    m_problems.clear();
    m_progressTexts.clear();
    m_execCount = 0;
}

void ScriptedPromptPort::fail(const QString &problem)
{
    m_problems << problem;
    if (m_fail)
        m_fail(problem);
}

PromptPort::Button ScriptedPromptPort::ask(const Message &message)
{
    m_messages << message;
    const Buttons buttons = message.buttons ? message.buttons : Buttons(Button::Ok);

    // A plain box has nothing to decide.
    for (auto b : {Button::Ok, Button::Yes, Button::No, Button::Cancel}) {
        if (buttons == Buttons(b))
            return b;
    }

    const Button fallback = buttons.testFlag(Button::Cancel) ? Button::Cancel : Button::No;
    if (m_answers.isEmpty()) {
        fail(QStringLiteral("no scripted answer for: ") + describe(message));
        return fallback;
    }
    const Button answer = m_answers.dequeue();
    if (!buttons.testFlag(answer)) {
        fail(QStringLiteral("scripted %1, but the box offers only: %2")
                 .arg(buttonName(answer), describe(message)));
        return fallback;
    }
    return answer;
}

QString ScriptedPromptPort::openFileName(const QString &caption, const QString &dir,
                                         const QString &filter)
{
    m_fileRequests << FileRequest{false, caption, dir, filter};
    if (m_openFiles.isEmpty()) {
        fail(QStringLiteral("no scripted file for the open dialog \"%1\"").arg(caption));
        return {};
    }
    return m_openFiles.dequeue();
}

QString ScriptedPromptPort::saveFileName(const QString &caption, const QString &dir,
                                         const QString &filter)
{
    m_fileRequests << FileRequest{true, caption, dir, filter};
    if (m_saveFiles.isEmpty()) {
        fail(QStringLiteral("no scripted file for the save dialog \"%1\"").arg(caption));
        return {};
    }
    return m_saveFiles.dequeue();
}

int ScriptedPromptPort::exec(QDialog &dialog)
{
    ++m_execCount;
    if (m_execs.isEmpty()) {
        fail(QStringLiteral("no script for the dialog \"%1\" (%2)")
                 .arg(dialog.windowTitle(), QString::fromLatin1(dialog.metaObject()->className())));
        return QDialog::Rejected;
    }
    const ExecScript script = m_execs.dequeue();

    // Shown as exec() would show it (its showEvent runs), but not modally.
    dialog.setResult(0);
    dialog.show();
    const int scripted = script(dialog);
    if (!dialog.isVisible())
        return dialog.result();
    dialog.done(scripted);
    return scripted;
}

std::unique_ptr<ProgressWindow> ScriptedPromptPort::showProgress(const QString &text,
                                                                 QWidget *owner)
{
    // A real window (offscreen in tests): it neither blocks nor waits for input.
    m_progressTexts << text;
    auto window = PromptPort::showProgress(text, owner);
    m_progressWindows << QPointer<ProgressWindow>(window.get());
    return window;
}

int ScriptedPromptPort::openProgressWindows() const
{
    int open = 0;
    for (const auto &w : m_progressWindows) {
        if (w)
            ++open;
    }
    return open;
}

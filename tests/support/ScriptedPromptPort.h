#pragma once

#include "app/PromptPort.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

// The prompt port of tests. Records every box shown, in order; answers
// questions, file dialogs and modal dialogs from queues the test fills
// beforehand; never blocks.
//
//     ScriptedPromptPort port;
//     port.answer(PromptPort::Button::Yes);
//     port.onExec([](QDialog &d) { fill(d); return int(QDialog::Accepted); });
//     runTheAction(port);
//     QCOMPARE(port.texts(), QStringList{...});
//
// A box with a single button needs no answer (it answers with that button).
// A box with several buttons, a file dialog or an exec() that finds its queue
// empty, or a scripted answer the box does not offer, is a broken script: the
// failure handler runs, by default qFatal, so the test cannot pass unnoticed.
class ScriptedPromptPort : public PromptPort
{
public:
    struct FileRequest
    {
        bool save = false;
        QString caption;
        QString dir;
        QString filter;
    };
    using ExecScript = std::function<int(QDialog &)>;
    using FailureHandler = std::function<void(const QString &problem)>;

    ScriptedPromptPort();
    ~ScriptedPromptPort() override;

    // --- the script
    void answer(Button button);
    void answer(std::initializer_list<Button> buttons);
    void chooseOpenFile(const QString &path); // "" answers as a cancelled dialog
    void chooseSaveFile(const QString &path);
    // Runs when the next exec() comes. The dialog has been shown (not modally);
    // the script may fill its widgets and click its buttons. If the dialog
    // closed itself meanwhile (accept(), reject(), a clicked button), exec()
    // returns the dialog's own result; otherwise it is closed with done() on
    // the script's return value, which exec() returns.
    void onExec(ExecScript script);

    // Replaces the qFatal of a broken script (for tests of this class).
    void setFailureHandler(FailureHandler handler) { m_fail = std::move(handler); }

    // --- what happened
    const QList<Message> &messages() const { return m_messages; }
    QStringList texts() const;
    Message lastMessage() const; // a default Message when none was shown
    const QList<FileRequest> &fileRequests() const { return m_fileRequests; }
    int execCount() const { return m_execCount; }
    // Texts of the progress windows shown, in order, and how many are still open.
    const QStringList &progressTexts() const { return m_progressTexts; }
    int openProgressWindows() const;
    const QStringList &problems() const { return m_problems; }

    int pendingAnswers() const { return m_answers.size(); }
    int pendingFiles() const { return m_openFiles.size() + m_saveFiles.size(); }
    int pendingExecs() const { return m_execs.size(); }

    // Forgets what was shown (the queues stay).
    void clearRecord();

    // --- PromptPort
    Button ask(const Message &message) override;
    QString openFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
    int exec(QDialog &dialog) override;
    std::unique_ptr<ProgressWindow> showProgress(const QString &text, QWidget *owner) override;

private:
    void fail(const QString &problem);

    QQueue<Button> m_answers;
    QQueue<QString> m_openFiles;
    QQueue<QString> m_saveFiles;
    QQueue<ExecScript> m_execs;

    QList<Message> m_messages;
    QList<FileRequest> m_fileRequests;
    QStringList m_problems;
    QStringList m_progressTexts;
    QList<QPointer<ProgressWindow>> m_progressWindows;
    int m_execCount = 0;
    FailureHandler m_fail;
};

// "Warning | Внимание | text | Ok" — for QCOMPARE-friendly failure output.
QString describe(const PromptPort::Message &message);

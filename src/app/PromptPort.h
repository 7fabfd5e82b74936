#pragma once

#include <QFlags>
#include <QObject>
#include <QString>

#include <memory>

class ProgressWindow;
class QDialog;
class QWidget;

// Every message box, question, file dialog and modal exec() of the program
// goes through one PromptPort, so a test can answer them from a script instead
// of blocking on a modal window. The application owns one (QtPromptPort) and
// hands it to whoever needs to ask the user something.
class PromptPort
{
    Q_GADGET

public:
    enum class Icon { None, Information, Warning, Critical, Question };
    Q_ENUM(Icon)

    enum class Button {
        NoButton = 0x0,
        Ok = 0x1,
        Yes = 0x2,
        No = 0x4,
        Cancel = 0x8,
    };
    Q_ENUM(Button)
    Q_DECLARE_FLAGS(Buttons, Button)

    struct Message
    {
        QString title;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Button::Ok;
        Button defaultButton = Button::NoButton; // NoButton: the toolkit's choice
    };

    virtual ~PromptPort() = default;

    // Shows the box and returns the button that closed it. A box closed
    // without a button (Escape, window close) answers Cancel when it has
    // one, otherwise No, otherwise Ok.
    virtual Button ask(const Message &message) = 0;

    // Empty when the user cancels.
    virtual QString openFileName(const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir,
                                 const QString &filter) = 0;

    // Runs the dialog modally; QDialog::Accepted or QDialog::Rejected.
    virtual int exec(QDialog &dialog) = 0;

    // The progress window of batch functions (ShowProgressWindow), reached
    // through the port so that a test sees what was shown and that it closed.
    virtual std::unique_ptr<ProgressWindow> showProgress(const QString &text, QWidget *owner);

    // --- the usual boxes; the texts are shown exactly as given
    void showMessage(const QString &text);  // program title, no icon, OK
    void information(const QString &text);  // program title, information icon, OK
    void warning(const QString &text);      // "Внимание", warning icon, OK
    void error(const QString &text);        // program title, error icon, OK
    bool yesNo(const QString &text);        // program title, question, Yes (default) / No
    Button yesNoCancel(const QString &title, const QString &text); // question, Yes default

    // The title of plain boxes: the catalog's program title, in the active language.
    static QString programTitle();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PromptPort::Buttons)

// "Ok", "Yes", ...; "None", "Warning", ... — for test output.
QString buttonName(PromptPort::Button button);
QString iconName(PromptPort::Icon icon);

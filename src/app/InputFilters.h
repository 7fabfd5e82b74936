#pragma once

#include <QObject>
#include <QString>

#include <optional>

class PromptPort;
class QKeyEvent;
class QLineEdit;

// The typing rules every card and section edit attaches to.
//
// Text rules, applied to whatever the user puts into the edit (typing,
// pasting, undo, dropping), in this order: TAB, "&", "<" and ">" are removed;
// with digitsOnly every other non-digit too; with upperCase the rest is
// upper-cased; with maxLength the text the user added is cut to fit. The
// caret stays where it stood among the characters kept. Text the program sets
// (a bound field showing its value) is left as stored, so the edit never
// shows something other than the field holds.
//
// Key rules, checked before a key reaches the edit: a key that would insert
// a character the rule refuses is swallowed, silently or after a message.
// Keys that insert nothing (Backspace, Delete, arrows, Home/End, Tab, Enter)
// and shortcuts (Ctrl+C, Ctrl+V, ...) always pass; pasted text is left to the
// text rules.
//
//     InputFilter::attach(street, {.upperCase = true});
//     InputFilter::attach(ar, {.keys = InputFilter::Keys::Phone}, &port);
//
// The filter is a child of the edit and goes with it; attaching again
// replaces it. Works alike on edits bound by FieldBinding: the binding writes
// the edit's text when the user leaves it, which is the filtered text.
class InputFilter : public QObject
{
    Q_OBJECT

public:
    enum class Keys {
        Any,   // every key
        Digits, // digits only; other characters swallowed silently
        Phone, // digits ( ) + - . ; others refused with unknownCharactersText()
        Iin,   // digits and "." ; others refused with unknownIinCharactersText()
    };

    struct Options
    {
        bool digitsOnly = false;
        bool upperCase = false;
        int maxLength = 0; // 0: no limit
        Keys keys = Keys::Any;
    };

    // Keys::Phone and Keys::Iin need the port for their message
    // (std::invalid_argument without one).
    static InputFilter *attach(QLineEdit *edit, const Options &options, PromptPort *port = nullptr);
    static InputFilter *attach(QLineEdit *edit); // the forbidden characters only

    // The text rules without the length limit.
    static QString cleaned(const QString &text, const Options &options);
    static bool isForbidden(QChar c);
    static bool keyAccepts(Keys keys, QChar c);

    static QString unknownCharactersText();
    static QString unknownIinCharactersText();

    const Options &options() const { return m_options; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    InputFilter(QLineEdit *edit, const Options &options, PromptPort *port);

    void userEdited();
    bool refuses(const QString &typed) const;
    void refuse();

    QLineEdit *m_edit;
    Options m_options;
    PromptPort *m_port;
    QString m_before; // the text before the user's change, to tell what was added
};

// The year check of date fields: when the user leaves a date field that holds
// a date, a year outside FirstYear..LastYear shows catalog("a19") and puts the
// focus back on the field; the value stays for the user to mend.
//
// Date fields are a QDateEdit (empty when a special value text is shown at
// its minimum date, as FieldBinding::bindDateEdit sets it up) or a QLineEdit
// holding dd.MM.yyyy (empty when blank; the year is read from the seventh
// character on, so text of another form is refused too).
//
// The check runs just after the focus has moved, so the field has committed
// its input (and a binding has written it) by then. Leaving for a popup (the
// calendar, a context menu) or another window is not leaving the field.
class YearCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr int FirstYear = 1890;
    static constexpr int LastYear = 2050;

    // std::invalid_argument for a widget that is neither kind.
    static YearCheck *attach(QWidget *dateField, PromptPort &port);

    // The year the field shows; nullopt when the field is empty, 0 when the
    // text holds no year where one belongs.
    static std::optional<int> shownYear(const QWidget *dateField);
    static bool accepts(const QWidget *dateField);

    // Checks now, as on leaving: false when refused (message shown, focus back).
    bool check();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    YearCheck(QWidget *dateField, PromptPort &port);

    QWidget *m_field;
    PromptPort &m_port;
};

#include "app/InputFilters.h"

#include "app/Catalog.h"
#include "app/PromptPort.h"

#include <QDateTimeEdit>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether the key would put text into the edit, as QLineEdit decides it:
// control characters (Backspace, Tab, Enter, Delete, Escape) and shortcuts
// insert nothing.
bool insertsText(const QKeyEvent &key)
{
    const QString text = key.text();
    if (text.isEmpty() || text.front().category() == QChar::Other_Control)
        return false;
    const Qt::KeyboardModifiers mods = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool shortcut = mods.testFlag(Qt::ControlModifier) || mods.testFlag(Qt::MetaModifier);
    return !shortcut || mods.testFlag(Qt::AltModifier); // Ctrl+Alt is AltGr on some keyboards
}

// Set while the year check puts the focus back, so that the field the user
// went to does not run its own check on the way out (two wrong fields would
// otherwise hand the focus back and forth forever).
bool s_returningFocus = false;

} // namespace

// --- InputFilter

InputFilter::InputFilter(QLineEdit *edit, const Options &options, PromptPort *port)
    : QObject(edit)
    , m_edit(edit)
    , m_options(options)
    , m_port(port)
    , m_before(edit->text())
{
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &InputFilter::userEdited);
    // The signal's text may be stale when another slot reset the edit meanwhile.
    connect(edit, &QLineEdit::textChanged, this, [this] { m_before = m_edit->text(); });
}

InputFilter *InputFilter::attach(QLineEdit *edit, const Options &options, PromptPort *port)
{
    if (!edit)
        throw std::invalid_argument("InputFilter::attach: no edit");
    if (!port && (options.keys == Keys::Phone || options.keys == Keys::Iin))
        throw std::invalid_argument("InputFilter::attach: these keys need a prompt port for their message");
    qDeleteAll(edit->findChildren<InputFilter *>(Qt::FindDirectChildrenOnly));
    return new InputFilter(edit, options, port);
}

InputFilter *InputFilter::attach(QLineEdit *edit)
{
    return attach(edit, Options{});
}

bool InputFilter::isForbidden(QChar c)
{
    return c == u'\t' || c == u'&' || c == u'<' || c == u'>';
}

bool InputFilter::keyAccepts(Keys keys, QChar c)
{
    switch (keys) {
    case Keys::Any:
        return true;
    case Keys::Digits:
        return isAsciiDigit(c);
    case Keys::Phone:
        return isAsciiDigit(c) || QStringView(u"()+-.").contains(c);
    case Keys::Iin:
        return isAsciiDigit(c) || c == u'.';
    }
    return false;
}

QString InputFilter::cleaned(const QString &text, const Options &options)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (!isForbidden(c) && (!options.digitsOnly || isAsciiDigit(c)))
            kept.append(c);
    }
    return options.upperCase ? kept.toUpper() : kept;
}

QString InputFilter::unknownCharactersText()
{
    return tr("Ошибка не понятные буквы, иероглифы и т.д.");
}

QString InputFilter::unknownIinCharactersText()
{
    return tr("Ошибка не понятные буквы, иероглифы и т.д., дубли по коду ИИН не допускаются.");
}

void InputFilter::userEdited()
{
    const QString text = m_edit->text();
    const int caret = m_edit->cursorPosition();
    // Cleaning the parts on either side of the caret apart tells where it goes.
    QString head = cleaned(text.left(caret), m_options);
    const QString tail = cleaned(text.mid(caret), m_options);

    if (m_options.maxLength > 0) {
        // What the user just added ends at the caret; only that is cut, so a
        // longer value stored earlier is not shortened by deleting from it.
        const qsizetype length = head.size() + tail.size();
        const qsizetype cut = std::min({length - m_options.maxLength, length - m_before.size(), head.size()});
        if (cut > 0)
            head.chop(cut);
    }

    const QString result = head + tail;
    if (result != text) {
        m_edit->setText(result);
        m_edit->setCursorPosition(int(head.size()));
    }
    m_before = m_edit->text();
}

bool InputFilter::refuses(const QString &typed) const
{
    return std::any_of(typed.begin(), typed.end(), [this](QChar c) { return !keyAccepts(m_options.keys, c); });
}

void InputFilter::refuse()
{
    if (m_options.keys == Keys::Phone)
        m_port->showMessage(unknownCharactersText());
    else if (m_options.keys == Keys::Iin)
        m_port->showMessage(unknownIinCharactersText());
}

bool InputFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || m_options.keys == Keys::Any)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (insertsText(*key) && refuses(key->text())) {
            refuse();
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        // Text composed by an input method arrives without key presses.
        const auto *input = static_cast<QInputMethodEvent *>(event);
        if (refuses(input->commitString())) {
            refuse();
            return true;
        }
    }
    return false;
}

// --- YearCheck

YearCheck::YearCheck(QWidget *dateField, PromptPort &port)
    : QObject(dateField)
    , m_field(dateField)
    , m_port(port)
{
    dateField->installEventFilter(this);
}

YearCheck *YearCheck::attach(QWidget *dateField, PromptPort &port)
{
    if (!qobject_cast<QDateTimeEdit *>(dateField) && !qobject_cast<QLineEdit *>(dateField))
        throw std::invalid_argument("YearCheck::attach: not a date edit or a line edit");
    qDeleteAll(dateField->findChildren<YearCheck *>(Qt::FindDirectChildrenOnly));
    return new YearCheck(dateField, port);
}

std::optional<int> YearCheck::shownYear(const QWidget *dateField)
{
    if (const auto *edit = qobject_cast<const QDateTimeEdit *>(dateField)) {
        const QDate date = edit->date();
        const bool showsEmpty = !edit->specialValueText().isEmpty() && date == edit->minimumDate();
        if (showsEmpty || !date.isValid())
            return std::nullopt;
        return date.year();
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(dateField)) {
        const QString text = edit->text();
        if (text.trimmed().isEmpty())
            return std::nullopt;
        bool ok = false;
        const int year = text.mid(6, 4).toInt(&ok); // dd.MM.yyyy
        return ok ? year : 0;
    }
    return std::nullopt;
}

bool YearCheck::accepts(const QWidget *dateField)
{
    const std::optional<int> year = shownYear(dateField);
    return !year || (*year >= FirstYear && *year <= LastYear);
}

bool YearCheck::check()
{
    if (accepts(m_field))
        return true;
    m_port.showMessage(catalog(QStringLiteral("a19")));
    const QScopedValueRollback returning(s_returningFocus, true);
    m_field->setFocus(Qt::OtherFocusReason);
    return false;
}

bool YearCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field || event->type() != QEvent::FocusOut || s_returningFocus)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    // After the field has handled its focus-out: a date edit commits its
    // input then, and a binding writes it.
    QTimer::singleShot(0, this, [this] {
        if (m_field->isVisible() && !m_field->hasFocus())
            check();
    });
    return false;
}

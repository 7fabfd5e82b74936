#include "app/QtPromptPort.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(PromptPort::Icon icon)
{
    switch (icon) {
    case PromptPort::Icon::None: return QMessageBox::NoIcon;
    case PromptPort::Icon::Information: return QMessageBox::Information;
    case PromptPort::Icon::Warning: return QMessageBox::Warning;
    case PromptPort::Icon::Critical: return QMessageBox::Critical;
    case PromptPort::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(PromptPort::Button button)
{
    switch (button) {
    case PromptPort::Button::Ok: return QMessageBox::Ok;
    case PromptPort::Button::Yes: return QMessageBox::Yes;
    case PromptPort::Button::No: return QMessageBox::No;
    case PromptPort::Button::Cancel: return QMessageBox::Cancel;
    case PromptPort::Button::NoButton: break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons toQt(PromptPort::Buttons buttons)
{
    QMessageBox::StandardButtons result;
    for (auto b : {PromptPort::Button::Ok, PromptPort::Button::Yes, PromptPort::Button::No,
                   PromptPort::Button::Cancel}) {
        if (buttons.testFlag(b))
            result |= toQt(b);
    }
    return result;
}

} // namespace

QWidget *QtPromptPort::parentWidget() const
{
    return m_parent ? m_parent.data() : QApplication::activeWindow();
}

PromptPort::Button QtPromptPort::ask(const Message &message)
{
    const Buttons buttons = message.buttons ? message.buttons : Buttons(Button::Ok);
    QMessageBox box(toQt(message.icon), message.title, message.text, toQt(buttons),
                    parentWidget());
    // Texts come from the catalog and from users' data; never read them as HTML.
    box.setTextFormat(Qt::PlainText);
    if (message.defaultButton != Button::NoButton && buttons.testFlag(message.defaultButton))
        box.setDefaultButton(toQt(message.defaultButton));
    box.exec();

    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return Button::Ok;
    case QMessageBox::Yes: return Button::Yes;
    case QMessageBox::No: return Button::No;
    case QMessageBox::Cancel: return Button::Cancel;
    default: break;
    }
    if (buttons.testFlag(Button::Cancel))
        return Button::Cancel;
    if (buttons.testFlag(Button::No))
        return Button::No;
    return Button::Ok;
}

QString QtPromptPort::openFileName(const QString &caption, const QString &dir,
                                   const QString &filter)
{
    return QFileDialog::getOpenFileName(parentWidget(), caption, dir, filter);
}

QString QtPromptPort::saveFileName(const QString &caption, const QString &dir,
                                   const QString &filter)
{
    return QFileDialog::getSaveFileName(parentWidget(), caption, dir, filter);
}

int QtPromptPort::exec(QDialog &dialog)
{
    return dialog.exec();
}

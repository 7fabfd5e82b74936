#include "app/PromptPort.h"

#include "app/Catalog.h"
#include "app/ProgressWindow.h"

QString PromptPort::programTitle()
{
    return catalog(QStringLiteral("a25"));
}

std::unique_ptr<ProgressWindow> PromptPort::showProgress(const QString &text, QWidget *owner)
{
    return ShowProgressWindow(text, owner);
}

void PromptPort::showMessage(const QString &text)
{
    ask({programTitle(), text, Icon::None, Button::Ok, Button::Ok});
}

void PromptPort::information(const QString &text)
{
    ask({programTitle(), text, Icon::Information, Button::Ok, Button::Ok});
}

void PromptPort::warning(const QString &text)
{
    ask({catalog(QStringLiteral("vnimanie")), text, Icon::Warning, Button::Ok, Button::Ok});
}

void PromptPort::error(const QString &text)
{
    ask({programTitle(), text, Icon::Critical, Button::Ok, Button::Ok});
}

bool PromptPort::yesNo(const QString &text)
{
    return ask({programTitle(), text, Icon::Question, Button::Yes | Button::No, Button::Yes})
        == Button::Yes;
}

PromptPort::Button PromptPort::yesNoCancel(const QString &title, const QString &text)
{
    return ask({title, text, Icon::Question, Button::Yes | Button::No | Button::Cancel,
                Button::Yes});
}

QString buttonName(PromptPort::Button button)
{
    switch (button) {
    case PromptPort::Button::NoButton: return QStringLiteral("NoButton");
    case PromptPort::Button::Ok: return QStringLiteral("Ok");
    case PromptPort::Button::Yes: return QStringLiteral("Yes");
    case PromptPort::Button::No: return QStringLiteral("No");
    case PromptPort::Button::Cancel: return QStringLiteral("Cancel");
    }
    return QStringLiteral("Button(%1)").arg(int(button));
}

QString iconName(PromptPort::Icon icon)
{
    switch (icon) {
    case PromptPort::Icon::None: return QStringLiteral("None");
    case PromptPort::Icon::Information: return QStringLiteral("Information");
    case PromptPort::Icon::Warning: return QStringLiteral("Warning");
    case PromptPort::Icon::Critical: return QStringLiteral("Critical");
    case PromptPort::Icon::Question: return QStringLiteral("Question");
    }
    return QStringLiteral("Icon(%1)").arg(int(icon));
}

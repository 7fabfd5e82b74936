#pragma once

#include "app/PromptPort.h"

#include <QPointer>
#include <QWidget>

// The prompt port of the running program: real Qt message boxes, file dialogs
// and QDialog::exec(). Boxes are parented to the given window (the main
// window), or to the active window when there is none.
class QtPromptPort : public PromptPort
{
public:
    explicit QtPromptPort(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParentWidget(QWidget *parent) { m_parent = parent; }

    Button ask(const Message &message) override;
    QString openFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir,
                         const QString &filter) override;
    int exec(QDialog &dialog) override;

private:
    QWidget *parentWidget() const;

    QPointer<QWidget> m_parent;
};

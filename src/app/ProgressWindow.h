#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class ProgressWindow;

std::unique_ptr<ProgressWindow> ShowProgressWindow(const QString &text, QWidget *owner);

// The small stay-on-top window with one text that long operations show while
// they work on the interface thread. It is painted once when shown; nothing
// animates it. The caller owns it and drops it when the work ends, in every
// outcome:
//
//     const auto progress = ShowProgressWindow(catalog("splash"), mainWindow);
//     ... long work ...
class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *owner = nullptr);

    QString text() const;
    // Resizes by the same rule and repaints at once when the text changed.
    void setText(const QString &text);

    QLabel *label() const { return m_label; }

    // Width of the label: the larger of 238 pixels and half the screen width less 64.
    static int labelWidth(int screenWidth);

private:
    friend std::unique_ptr<ProgressWindow> ShowProgressWindow(const QString &, QWidget *);

    void layoutFor(const QString &text);
    void centre();

    QPointer<QWidget> m_owner;
    QLabel *m_label = nullptr;
};

// ShowProgressWindow(text, owner): creates the window for text, centres it over
// owner (or the screen), shows it and paints it before returning.

#include "app/ProgressWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int StartSize = 64;  // client area before the text is measured
constexpr int MinLabelWidth = 238;
constexpr int SideMargin = 8;
constexpr int MinTop = 10;

QScreen *screenOf(const QWidget *owner)
{
    if (owner && owner->screen())
        return owner->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

ProgressWindow::ProgressWindow(QWidget *owner)
    // No parent: the caller's unique_ptr owns it, whatever happens to the owner.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_owner(owner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Nothing to click: the window only tells the user to wait.
    setEnabled(false);

    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    m_label->setFont(font);

    resize(StartSize, StartSize);
}

int ProgressWindow::labelWidth(int screenWidth)
{
    return std::max(MinLabelWidth, screenWidth / 2 - 64);
}

QString ProgressWindow::text() const
{
    return m_label->text();
}

void ProgressWindow::setText(const QString &text)
{
    if (text == m_label->text())
        return;
    layoutFor(text);
    centre();
    if (isVisible())
        repaint();
}

void ProgressWindow::layoutFor(const QString &text)
{
    m_label->setText(text);

    const QScreen *screen = screenOf(m_owner);
    const int width = labelWidth(screen ? screen->geometry().width() : 0);
    const QFontMetrics metrics(m_label->font());
    const int height =
        metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::AlignCenter | Qt::TextWordWrap, text)
            .height();

    int top = (StartSize - height) / 2;
    if (top < 0)
        top = MinTop;
    const int windowWidth = std::max(StartSize, width + 2 * SideMargin);
    const int windowHeight = std::max(StartSize, height + 2 * top);
    m_label->setGeometry((windowWidth - width) / 2, top, width, height);
    setFixedSize(windowWidth, windowHeight);
}

void ProgressWindow::centre()
{
    QRect area;
    if (m_owner && m_owner->isWindow())
        area = m_owner->frameGeometry();
    else if (m_owner)
        area = QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
    else if (const QScreen *screen = screenOf(nullptr))
        area = screen->geometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

std::unique_ptr<ProgressWindow> ShowProgressWindow(const QString &text, QWidget *owner)
{
    auto window = std::make_unique<ProgressWindow>(owner);
    window->layoutFor(text);
    window->centre();
    window->show();
    // The caller's work blocks the event loop next, so get the window mapped
    // and painted now; user input waits until the work is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    window->repaint();
    return window;
}

#include "app/TfrmLogs.h"

#include <QEvent>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

TfrmLogs::TfrmLogs(QWidget *parent)
    : QDialog(parent)
    , m_view(new QTextEdit(this))
{
    m_view->setObjectName(QStringLiteral("LogView"));
    m_view->setReadOnly(true);
    m_view->setAcceptRichText(true);
    m_view->setLineWrapMode(QTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    resize(800, 500);
    retranslateUi();
}

QColor TfrmLogs::colorOf(TLogMsgType kind)
{
    switch (kind) {
    case lmtInfo: return QColor(Qt::black);
    case lmtWarning: return QColor(Qt::yellow);
    case lmtError: return QColor(Qt::red);
    }
    return QColor(Qt::black);
}

void TfrmLogs::appendLine(const QString &line, TLogMsgType kind)
{
    // Inserted as plain text with a character format, so "<" or "&" in a
    // line is shown as written and never read as markup.
    QTextCharFormat format;
    format.setForeground(colorOf(kind));
    QTextCursor cursor(m_view->document());
    cursor.movePosition(QTextCursor::End);
    if (m_hasLines)
        cursor.insertBlock();
    cursor.insertText(line, format);
    m_hasLines = true;
    m_view->setTextCursor(cursor); // keeps the newest line in sight
}

void TfrmLogs::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TfrmLogs::retranslateUi()
{
    setWindowTitle(tr("Журнал логирования"));
}

#pragma once

#include "app/LogManager.h"

#include <QColor>
#include <QDialog>

class QTextEdit;

// "Журнал логирования": the event-log lines heard during this run, in order,
// each coloured by its kind. It is fed by the main window's log listener and
// never reads the log files, so lines of earlier runs do not appear.
class TfrmLogs : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmLogs(QWidget *parent = nullptr);

    // Appends one finished line (without CR LF) as a paragraph of its own.
    void appendLine(const QString &line, TLogMsgType kind);

    // Info black, warning yellow, error red.
    static QColor colorOf(TLogMsgType kind);

    QTextEdit *view() const { return m_view; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QTextEdit *m_view;
    bool m_hasLines = false; // an empty first line leaves the document empty
};

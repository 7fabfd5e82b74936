#pragma once

#include "app/PromptPort.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class Dataset;
class QTabWidget;
class TFDM;

// The questions asked before unsaved section data would be left behind: one
// Yes/No/Cancel box per section being edited or inserted, in a fixed order.
// Yes saves the section (its save rules may refuse, and it stays in editing),
// No leaves it in editing, Cancel keeps the user on the page; a Cancel does
// not stop the later questions.
//
// Three rows of pages have a guard: the main page row asks about every
// section, the machinery sub-pages about machinery and equipment, the
// buildings sub-pages about the five kinds of buildings.
class PageGuards : public QObject
{
    Q_OBJECT

public:
    enum class Row { Main, Machinery, Buildings };

    PageGuards(TFDM &fdm, PromptPort &port, QObject *parent = nullptr);

    // Runs the row's questions; true when the user may leave the page.
    bool mayLeave(Row row);

    // The three guards in turn, as the record actions run them before they
    // act: every unsaved section is offered for saving.
    void offerAll();

    // A page change the user makes on `tabs` first runs the row's guard and
    // is undone when the guard keeps the page. Changes made by the program
    // are not guarded.
    void watch(QTabWidget *tabs, Row row);

    // "<message>. Сохранить?" for a section's message key.
    static QString questionText(const QString &messageKey);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Outcome
    {
        bool applied = false; // the section was being edited and was asked about
        PromptPort::Button answer = PromptPort::Button::NoButton;
    };

    Outcome offer(int order);
    Dataset &datasetOf(int order);
    void pageChanged(QTabWidget *tabs);

    TFDM &m_fdm;
    PromptPort &m_port;
    QHash<QTabWidget *, Row> m_rows;
    QHash<QObject *, QTabWidget *> m_inputTargets; // a tab bar or tab widget -> its tab widget
    QHash<QTabWidget *, QPointer<QWidget>> m_previous;
    QSet<QObject *> m_dispatching;
    QTabWidget *m_userInputOn = nullptr; // the row whose user input is being handled
    bool m_reverting = false;
};

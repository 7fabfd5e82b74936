#include "app/PageGuards.h"

#include "app/AppException.h"
#include "app/Catalog.h"
#include "db/TFDM.h"

#include <QEvent>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTabWidget>

#include <iterator>

using namespace Qt::StringLiterals;
using Button = PromptPort::Button;

namespace {

// The sections the guards ask about, by their place in the order of questions.
struct Step
{
    const char *dataset;
    const char *messageKey;
};

constexpr Step Steps[] = {
    {"TSostav", "a33"},     // 1 farm composition
    {"TSRN", "a34"},        // 2 permanent residents
    {"TSRN2", "a35"},       // 3 temporary residents
    {"TKFHCatal", "a36"},   // 4 farm card
    {"TKPUCatal", "a36"},   // 5 household card
    {"TRZHF", "a37"},       // 6 housing
    {"TMoney", "a38"},      // 7 farm money
    {"TZEM", "a39"},        // 8 land
    {"TZHIV", "a40"},       // 9 livestock
    {"TTeh", "a41"},        // 10 machinery
    {"TObor", "a42"},       // 11 equipment
    {"tPostrRast", "a43"},  // 12 crop buildings
    {"TPostrZhiv", "a44"},  // 13 livestock buildings
    {"TPostrOil", "a45"},   // 14 oil tanks
    {"TPostrTeh", "a46"},   // 15 machinery sheds
    {"TTepl", "a47"},       // 16 greenhouses
    {"TVTT", "a48"},        // 17 trade premises
    {"TZakup", "a49"},      // 18 purchase centres
    {"tDopol", "a50"},      // 19 additional information
};
static_assert(std::size(Steps) == 19);

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}

} // namespace

PageGuards::PageGuards(TFDM &fdm, PromptPort &port, QObject *parent)
    : QObject(parent)
    , m_fdm(fdm)
    , m_port(port)
{
}

QString PageGuards::questionText(const QString &messageKey)
{
    return catalog(messageKey) + u". "_s + catalog(u"sohranit"_s) + u"?"_s;
}

Dataset &PageGuards::datasetOf(int order)
{
    const QString name = QLatin1String(Steps[order - 1].dataset);
    if (name == u"TKPUCatal"_s)
        return m_fdm.TKPUCatal;
    if (name == u"TKFHCatal"_s)
        return m_fdm.TKFHCatal;
    return m_fdm.section(name);
}

PageGuards::Outcome PageGuards::offer(int order)
{
    Dataset &dataset = datasetOf(order);
    if (!dataset.isEditing())
        return {};
    const Button answer =
        m_port.yesNoCancel(catalog(u"vnimanie"_s), questionText(QLatin1String(Steps[order - 1].messageKey)));
    // A save its rules refuse leaves the section in editing; the next guard asks again.
    if (answer == Button::Yes)
        guarded(m_port, [&] { dataset.post(); });
    return {true, answer};
}

bool PageGuards::mayLeave(Row row)
{
    bool stay = false;
    auto ask = [&](int order) {
        const Outcome outcome = offer(order);
        if (outcome.answer == Button::Cancel)
            stay = true;
        return outcome;
    };
    // Of a group asked "only when the one before did not apply", the first
    // section being edited is the one asked about.
    auto askFirstOf = [&](std::initializer_list<int> orders) {
        for (int order : orders) {
            if (ask(order).applied)
                return;
        }
    };

    switch (row) {
    case Row::Main: {
        ask(1);
        const Outcome members = ask(2);
        if (members.answer == Button::Yes)
            stay = true; // the saved members stay in view
        if (!members.applied)
            ask(3);
        for (int order : {4, 5, 6, 7})
            ask(order);
        // A refused livestock save keeps the page, whichever question led to it.
        const Dataset &livestock = m_fdm.section(u"TZHIV"_s);
        if (ask(8).answer == Button::Yes && livestock.isEditing())
            stay = true;
        if (ask(9).answer == Button::Yes && livestock.isEditing())
            stay = true;
        askFirstOf({10, 11});
        askFirstOf({12, 13, 14, 15, 16});
        for (int order : {17, 18, 19})
            ask(order);
        break;
    }
    case Row::Machinery:
        for (int order : {10, 11})
            ask(order);
        break;
    case Row::Buildings:
        for (int order : {12, 13, 14, 15, 16})
            ask(order);
        break;
    }
    return !stay;
}

void PageGuards::offerAll()
{
    mayLeave(Row::Main);
    mayLeave(Row::Machinery);
    mayLeave(Row::Buildings);
}

void PageGuards::watch(QTabWidget *tabs, Row row)
{
    m_rows.insert(tabs, row);
    m_previous.insert(tabs, tabs->currentWidget());
    for (QObject *target : {static_cast<QObject *>(tabs), static_cast<QObject *>(tabs->tabBar())}) {
        m_inputTargets.insert(target, tabs);
        target->installEventFilter(this);
    }
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] { pageChanged(tabs); });
}

// QTabWidget has no veto before a page change. The user's input is handled
// here, inside the filter, so that a change it causes is known to be the
// user's; such a change is undone when the guard keeps the page.
bool PageGuards::eventFilter(QObject *watched, QEvent *event)
{
    QTabWidget *tabs = m_inputTargets.value(watched);
    if (!tabs || !isUserInput(event->type()) || m_dispatching.contains(watched))
        return QObject::eventFilter(watched, event);
    m_dispatching.insert(watched);
    const auto done = qScopeGuard([&] { m_dispatching.remove(watched); });
    const QScopedValueRollback input(m_userInputOn, tabs);
    watched->event(event);
    return true; // handled above; the accepted flag still decides propagation
}

void PageGuards::pageChanged(QTabWidget *tabs)
{
    QWidget *left = m_previous.value(tabs);
    QWidget *current = tabs->currentWidget();
    m_previous.insert(tabs, current);
    if (m_reverting || m_userInputOn != tabs || !left || left == current)
        return;
    // Saves made by the answers may move pages themselves: those moves are the program's.
    const QScopedValueRollback<QTabWidget *> input(m_userInputOn, nullptr);
    if (mayLeave(m_rows.value(tabs)) || tabs->indexOf(left) < 0)
        return;
    const QScopedValueRollback reverting(m_reverting, true);
    tabs->setCurrentWidget(left);
}

#include "app/BookNavigation.h"

#include "app/AppException.h"
#include "app/BookPages.h"
#include "app/Catalog.h"
#include "app/PageGuards.h"
#include "app/TForm1.h"
#include "db/TFDM.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabWidget>

using namespace Qt::StringLiterals;

LandPeriodSettings LandPeriodSettings::forPeriod(Book book, const QString &periodHalf)
{
    const bool household = book == Book::Household;
    LandPeriodSettings s;
    s.book = book;
    s.july = periodHalf == u"2"_s;
    s.takenByKindEnabled = s.july;
    if (household)
        s.takenByKindShown = s.july;
    if (s.july)
        s.totalsEnabled = false;
    else
        s.inTotalAndRentEnabled = true;
    s.sownAreaShown = s.july;
    s.actualDatePlace = !household ? DatePlace::UnderTakenLand
                        : s.july   ? DatePlace::UnderTakenByKind
                                   : DatePlace::UnderInTotal;
    if (s.july) {
        s.totalCaption = household
            ? QCoreApplication::translate("LandPeriodSettings", "А. Всего земли, в кв. м.")
            : QCoreApplication::translate("LandPeriodSettings", "А. Всего земли, в га");
    } else {
        s.totalCaption = catalog(household ? u"zem_vsego_kpu"_s : u"zem_vsego_kfh"_s);
    }
    s.sownAreaCaption = catalog(household ? u"zem_posev_kpu"_s : u"zem_posev_kfh"_s);
    s.perennialCaption = catalog(household ? u"zem_mnogo_kpu"_s : u"zem_mnogo_kfh"_s);
    return s;
}

BookNavigation::BookNavigation(TForm1 &form)
    : QObject(&form)
    , m_form(form)
    , m_guards(new PageGuards(form.fdm(), form.port(), this))
{
    BookPages &pages = form.pages();
    m_guards->watch(&pages, PageGuards::Row::Main);
    if (auto *machinery = qobject_cast<QTabWidget *>(pages.page(BookPages::Machinery)))
        m_guards->watch(machinery, PageGuards::Row::Machinery);
    if (QTabWidget *buildings = pages.buildingsTabs())
        m_guards->watch(buildings, PageGuards::Row::Buildings);

    // Every move and state change of either list may change what applies.
    for (Dataset *list : {&form.fdm().TKPUCatal, &form.fdm().TKFHCatal}) {
        connect(list, &Dataset::stateChanged, this, [this] { updateRecordActions(); });
        connect(list, &Dataset::currentRowChanged, this, [this] { updateRecordActions(); });
        connect(list, &Dataset::reset, this, [this] { updateRecordActions(); });
    }
    // The rule reads the card and its housing row, so the pages follow a move
    // through the card list and a reread of the housing as well.
    connect(&form.fdm().TKPUCatal, &Dataset::currentRowChanged, this, [this] { TabSheetsReset(); });
    connect(&form.fdm().section(u"TRZHF"_s), &Dataset::reset, this, [this] { TabSheetsReset(); });
    new EnterMovesFocus(&form);
}

bool BookNavigation::isActiveHousehold(const QVariant &isDeleted, const QVariant &isRetired,
                                       const QVariant &houseSituation)
{
    return isDeleted.toInt() != 1 && isRetired.toInt() == 0 && houseSituation.toInt() != EmptyHouseSituation;
}

void BookNavigation::TabSheetsReset()
{
    if (m_form.openBook() != Book::Household)
        return;
    TFDM &fdm = m_form.fdm();
    const Dataset &card = fdm.TKPUCatal;
    const Dataset &housing = fdm.section(u"TRZHF"_s);
    const QVariant deleted = card.isActive() && !card.isEmpty() ? card.value(u"IS_DELETED"_s) : QVariant();
    const bool hasHousing = housing.isActive() && !housing.isEmpty();
    const bool active = isActiveHousehold(deleted, hasHousing ? housing.value(u"IS_RETIRED"_s) : QVariant(),
                                          hasHousing ? housing.value(u"HS_ID"_s) : QVariant());

    BookPages &pages = m_form.pages();
    for (BookPages::Page page : {BookPages::Members, BookPages::Land, BookPages::Livestock, BookPages::Machinery,
                                 BookPages::Additional, BookPages::Buildings})
        pages.setPageEnabled(page, active);
    pages.setPageEnabled(BookPages::Housing, active || deleted.toInt() != 1);
}

void BookNavigation::disableFLK()
{
    const Book book = m_form.openBook();
    const QString half = m_form.context().PeriodHalf;
    const bool january = half != u"2"_s;
    TFDM &fdm = m_form.fdm();
    for (const QString &section : {u"TTeh"_s, u"TObor"_s, u"tPostrRast"_s, u"TPostrZhiv"_s, u"TTepl"_s, u"TZakup"_s})
        fdm.setSectionEditable(section, true);
    if (book == Book::Household) {
        fdm.setSectionEditable(u"TRZHF"_s, true);
        fdm.setSectionEditable(u"TVTT"_s, january);
    } else {
        for (const QString &section : {u"TPostrOil"_s, u"TPostrTeh"_s, u"TMoney"_s})
            fdm.setSectionEditable(section, january);
    }
    m_land = LandPeriodSettings::forPeriod(book, half);
    emit landSettingsChanged(m_land);
}

void BookNavigation::bookOpened()
{
    if (m_form.openBook() == Book::Farm) {
        // A household card may have left these disabled.
        BookPages &pages = m_form.pages();
        for (BookPages::Page page : {BookPages::Land, BookPages::Livestock, BookPages::Machinery,
                                     BookPages::Additional, BookPages::Buildings})
            pages.setPageEnabled(page, true);
    }
    TabSheetsReset();
    disableFLK();
    updateRecordActions();
}

void BookNavigation::runRecordAction(RecordAction action)
{
    using A = RecordAction;
    switch (action) {
    case A::First:
    case A::Prior:
    case A::Next:
    case A::Last:
    case A::Insert:
    case A::Post:
        m_guards->offerAll();
        break;
    case A::Delete:
    case A::Edit:
    case A::Cancel:
    case A::Refresh:
        break;
    }
    guarded(m_form.port(), [&] {
        Dataset &list = m_form.bookList();
        switch (action) {
        case A::First: list.first(); break;
        case A::Prior: list.prior(); break;
        case A::Next: list.next(); break;
        case A::Last: list.last(); break;
        case A::Insert: list.append(); break;
        case A::Post:
            if (list.isEditing())
                list.post();
            break;
        case A::Delete: list.remove(); break;
        case A::Edit: list.edit(); break;
        case A::Cancel: list.cancel(); break;
        case A::Refresh: list.refresh(); break;
        }
    });
    TabSheetsReset();
    updateRecordActions();
}

void BookNavigation::updateRecordActions()
{
    const Dataset &list = m_form.bookList();
    const MainActions &a = m_form.actions();
    const bool active = list.isActive();
    const bool editing = active && list.isEditing();
    const bool browsing = active && !editing;
    const bool hasRow = active && !list.isEmpty();
    a.AFirst->setEnabled(active && !list.bof());
    a.APrior->setEnabled(active && !list.bof());
    a.ANext->setEnabled(active && !list.eof());
    a.ALast->setEnabled(active && !list.eof());
    a.APost->setEnabled(editing);
    a.ACancel->setEnabled(editing);
    a.AEdit->setEnabled(browsing && hasRow);
    a.ADelete->setEnabled(browsing && hasRow);
    a.AInsert->setEnabled(browsing);
    a.ARefresh->setEnabled(active);
}

EnterMovesFocus::EnterMovesFocus(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // Key presses go to the focused control; only the application sees them all.
    qApp->installEventFilter(this);
}

bool EnterMovesFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QWidget *focused = QApplication::focusWidget();
    // Only once per press (not again as it travels to the parents), only in our window.
    if (!focused || watched != focused || focused->window() != m_window)
        return false;
    for (QWidget *w = focused; w; w = w->parentWidget()) {
        if (qobject_cast<QAbstractItemView *>(w))
            return false;
    }
    for (QWidget *next = focused->nextInFocusChain(); next && next != focused; next = next->nextInFocusChain()) {
        if (next->window() == m_window && (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()
            && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

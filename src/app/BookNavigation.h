#pragma once

#include "books/SectionRegistry.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <optional>

class PageGuards;
class TForm1;

// What the land page does in the chosen half of the year, in the open book.
// The land form applies it; a member left empty means "leave as it is".
struct LandPeriodSettings
{
    // Where "Дата актуализации" of the land page goes.
    enum class DatePlace {
        UnderInTotal,     // under the "в том числе" group (household book, January)
        UnderTakenByKind, // under the "из них:" group (household book, July)
        UnderTakenLand,   // under the taken-land fields (farm book)
    };

    Book book = Book::Household;
    bool july = false;
    bool takenByKindEnabled = false;           // the "из них:" group: VZYATO_PASHNYA, _PASTBISHA, _SENOKOS and _2
    std::optional<bool> takenByKindShown;      // household book: that group, its caption and VZYATO, VZYATO_2
    std::optional<bool> totalsEnabled;         // VSEGO, VSEGO_2
    std::optional<bool> inTotalAndRentEnabled; // "в том числе", SDANO, SDANO_2, VZYATO, VZYATO_2
    bool sownAreaShown = false;
    DatePlace actualDatePlace = DatePlace::UnderInTotal;
    QString totalCaption;     // the land total's caption
    QString sownAreaCaption;  // the sown-area block's caption
    QString perennialCaption; // the perennial crops' caption

    // periodHalf: "1" January, "2" July.
    static LandPeriodSettings forPeriod(Book book, const QString &periodHalf);
};

// The navigation of the main window through the open book: which section
// pages the current household may use, which sections the half of the year
// leaves editable, the record actions with their guards, and the Enter key.
// The main window owns one and calls it where the book, the card, the period
// or the settlement change.
class BookNavigation : public QObject
{
    Q_OBJECT

public:
    enum class RecordAction { First, Prior, Next, Last, Insert, Post, Delete, Edit, Cancel, Refresh };

    explicit BookNavigation(TForm1 &form);

    PageGuards &guards() { return *m_guards; }

    // A household card is active unless it is deleted or its dwelling left
    // the register or stands empty; a missing value counts as 0, so a card
    // without a housing row is active.
    static bool isActiveHousehold(const QVariant &isDeleted, const QVariant &isRetired,
                                  const QVariant &houseSituation);
    static constexpr int EmptyHouseSituation = 18120912;

    // Household book: enables the section pages for an active card; for any
    // other the card page alone stays usable, with the housing page as well
    // unless the card is deleted (so a left or empty dwelling can be put
    // back). Does nothing in the farm book. Also runs by itself whenever the
    // current household or its housing row is reread.
    void TabSheetsReset();

    // The period-half settings: trade premises (household book) and the
    // farm's oil tanks, machinery sheds and money (farm book) are read-only
    // in July periods; announces the land page's settings.
    void disableFLK();
    LandPeriodSettings landSettings() const { return m_land; }

    // After the main window opened a book: its pages enabled, the
    // household's pages for the current card, the period-half settings.
    void bookOpened();

    // One record action on the open book's card list. Moves, add and save
    // first offer every unsaved section for saving (a Cancel does not stop
    // them); in the household book every action ends with TabSheetsReset.
    void runRecordAction(RecordAction action);

    // Enables the record actions for the state of the open book's list.
    void updateRecordActions();

signals:
    // After every disableFLK: the land page follows.
    void landSettingsChanged(const LandPeriodSettings &settings);

private:
    TForm1 &m_form;
    PageGuards *m_guards = nullptr;
    LandPeriodSettings m_land;
};

// In a window, Enter moves the focus to the next control in tab order like
// Tab, except in a grid, which uses Enter itself.
class EnterMovesFocus : public QObject
{
    Q_OBJECT

public:
    // Watches the application's key presses for the widgets of `window`.
    explicit EnterMovesFocus(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

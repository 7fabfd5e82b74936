#pragma once

#include "books/SectionRegistry.h"

#include <QHash>
#include <QTabWidget>

class Dataset;
class HouseholdCard;
class PromptPort;
class TFDM;

// The row of pages under the header strip: the card and its sections. Which
// pages a book shows, and their captions, depend on the open book. Until a
// section's own form is built its page shows the section as a grid.
class BookPages : public QTabWidget
{
    Q_OBJECT

public:
    enum Page {
        HouseholdCard,
        FarmCard,
        Members,
        FarmComposition,
        Housing,
        FarmMoney,
        Land,
        Livestock,
        Machinery,
        Buildings,
        Trade,
        Purchase,
        Additional,
    };

    BookPages(TFDM &fdm, ::HouseholdCard &household, PromptPort &port, QWidget *parent = nullptr);

    // Shows the pages of `book`, moves off a page the book does not show and
    // sets the book's captions.
    void showBook(Book book);

    QWidget *page(Page page) const { return m_pages.value(page); }
    bool isPageShown(Page page) const;
    void setPageEnabled(Page page, bool enabled);

    // The sub-pages of the buildings page that only the farm book could show.
    QTabWidget *buildingsTabs() const { return m_buildings; }

private:
    QWidget *grid(Dataset &dataset);
    QTabWidget *subPages(const QList<std::pair<QString, Dataset *>> &pages);
    void addPage(Page page, QWidget *widget, const QString &caption);

    PromptPort &m_port;
    QHash<Page, QWidget *> m_pages;
    QTabWidget *m_buildings = nullptr;
    QWidget *m_oilTanks = nullptr;
    QWidget *m_machinerySheds = nullptr;
};

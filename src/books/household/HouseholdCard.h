#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class Dataset;
class PromptPort;
class TFDM;
struct WorkContext;

// What the header strip and the card page show of the current household.
struct HouseholdCardState
{
    bool hasCard = false;
    bool deleted = false;      // "Карточка удалена" and the deletion date shown
    QString headOfHousehold;   // "FAM IM OT" or "Нет главы ДХ"
    QString houseStatus;       // empty, "Дом «пустующий или бесхозный»" or "Дом «выбыл»"
};

// The household card's rules: saving (checks in their order, the settlement,
// the deletion date), the reread after a save, deletion with the removal of
// the card's sections, and the handling of a move to another card.
class HouseholdCard : public QObject
{
    Q_OBJECT

public:
    HouseholdCard(TFDM &fdm, WorkContext &context, PromptPort &port, QObject *parent = nullptr);

    // Hooks the rules into the data module's household list.
    void install();

    // The move to another card reopens the household sections only while the
    // household book is open: the farm book shares some of them.
    void setBookOpen(bool open) { m_bookOpen = open; }

    // "Карточка удалена" ticked (true) or cleared (false) on the card page,
    // the card being in editing: the question, then the save or not.
    void markDeleted(bool ticked);

    HouseholdCardState state() const { return m_state; }

    static constexpr int EmptyHouseSituation = 18120912;

signals:
    // After every move to another card, once its sections are reopened.
    void cardShown(const HouseholdCardState &state);
    // The marking changed what the section pages may do.
    void pagesChanged();

private:
    void beforePost(Dataset &card);
    void afterPost(Dataset &card);
    void afterScroll(Dataset &card);

    TFDM &m_fdm;
    WorkContext &m_context;
    PromptPort &m_port;
    HouseholdCardState m_state;
    bool m_bookOpen = false;
};

// The deletion of a card of either book: the question before, the removal of
// the card's section rows after; both in the deletion's one operation.
void installCardDeletion(TFDM &fdm, PromptPort &port);

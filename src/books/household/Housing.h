#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class Dataset;
class HouseholdCard;
class PromptPort;
class TFDM;

// The rules of the housing section (TRZHF): what a save checks and asks, the
// removal of the household's other sections when its dwelling leaves the
// register or stands empty, the flat rule of a one-flat house, and the
// amenity groups of which only one kind may be ticked.
class Housing : public QObject
{
    Q_OBJECT

public:
    Housing(TFDM &fdm, HouseholdCard &card, PromptPort &port, QObject *parent = nullptr);

    // Hooks the rules into the housing dataset, in place of the default save
    // every section has (so call it after SectionLink::installDefaults).
    void install();

    static constexpr int EmptyHouseSituation = 18120912; // KPU_SPR_HS: "пустующий или бесхозный"

    // "Ситуация дома": IS_RETIRED 0 "Дом жилой", 1 "Дом выбыл", NULL none.
    enum class Situation { None, LivedIn, Left };
    static Situation situation(const Dataset &housing);

    // The amenity flags of a group: ticking one clears the others. The
    // heating group has its own rule (BL_OTOPL_IND follows the individual
    // kinds). Empty for a plain flag.
    static QStringList amenityGroupOf(const QString &field);

    static QString removalQuestion(const QString &ls);
    static QString requiredFieldsMessage();
    static QString areasMessage();
    static QString gasAndCookerMessage();

signals:
    // The flat rule set the card's flat to "0": the card page disables its
    // flat edit, until the type of dwelling changes or another card is shown.
    void flatEditLocked();
    void flatEditReleased();
    // The removal left the household inactive: the section pages follow.
    void pagesChanged();

private:
    void beforePost(Dataset &row);
    void afterPost(Dataset &row);
    void fieldChanged(Dataset &row, const QString &field);
    void removeOtherSections(const QVariant &cardId);

    TFDM &m_fdm;
    PromptPort &m_port;
    bool m_removalConfirmed = false; // from the question of a save to its after-save step
    bool m_statusChanged = false;    // the save moves the dwelling in or out of the active state
    QVariant m_shownCard;            // ID of the card last shown
};

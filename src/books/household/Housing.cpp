#include "books/household/Housing.h"

#include "app/Catalog.h"
#include "app/PromptPort.h"
#include "books/SectionLink.h"
#include "books/household/FlatRule.h"
#include "books/household/HouseholdCard.h"
#include "db/Dataset.h"
#include "db/Decimal.h"
#include "db/TFDM.h"

#include <QHash>

#include <array>

using namespace Qt::StringLiterals;

namespace {

const QString HousingDataset = u"TRZHF"_s;

void refuse(PromptPort &port, const QString &message)
{
    port.showMessage(message);
    throw Abort{};
}

Decimal decimalOf(const Dataset &row, const QString &field)
{
    const QVariant value = row.value(field);
    if (value.metaType() == QMetaType::fromType<Decimal>())
        return value.value<Decimal>();
    return Decimal::fromInt(value.toLongLong());
}

bool isZero(const Dataset &row, const QString &field)
{
    return decimalOf(row, field) == Decimal();
}

// Where the dwelling stands for the active-household rule; the header's
// house status and the section pages change with it.
enum class Status { Active, Left, Empty };

Status statusOf(const QVariant &isRetired, const QVariant &houseSituation)
{
    if (houseSituation.toInt() == Housing::EmptyHouseSituation)
        return Status::Empty;
    return isRetired.toInt() != 0 ? Status::Left : Status::Active;
}

// Plausible areas by the number of rooms: below the living area or above
// the total area of its row the user is told, and the save goes on.
struct RoomNotice
{
    int rooms; // this many, the last row: this many or more
    int minLiving;
    int maxTotal;
    const char *key;
};
constexpr std::array<RoomNotice, 5> RoomNotices = {{
    {1, 5, 150, "rzhf_1kom"},
    {2, 11, 250, "rzhf_2kom"},
    {3, 16, 400, "rzhf_3kom"},
    {4, 28, 700, "rzhf_4kom"},
    {5, 36, 5000, "rzhf_5kom"},
}};

const QStringList WaterGroup = {u"BL_VODOPR"_s, u"BL_VODA_OUT_OF_HOUSE"_s, u"BL_VODA_KOLODETC"_s,
                                u"BL_VODA_DELIVERY"_s};
const QStringList SewerageGroup = {u"BL_KANALI"_s, u"BL_KANAL_OTHER"_s};
const QStringList HotWaterGroup = {u"BL_GORVODA"_s, u"BL_GORVODA_IND"_s};
const QStringList GasGroup = {u"BL_GAZ_PRIR"_s, u"BL_GAZ_PRIV"_s};
const QString CentralHeating = u"BL_OTOPL_TETS"_s;
const QString IndividualHeating = u"BL_OTOPL_IND"_s; // not shown: the individual kinds set it
const QStringList IndividualHeatingKinds = {u"BL_OTOPL_HARD"_s, u"BL_OTOPL_LIQUID"_s, u"BL_OTOPL_GAS"_s,
                                            u"BL_OTOPL_PROCH"_s};

} // namespace

Housing::Housing(TFDM &fdm, HouseholdCard &card, PromptPort &port, QObject *parent)
    : QObject(parent)
    , m_fdm(fdm)
    , m_port(port)
{
    // The flat edit was locked for one card; another card is not under it.
    connect(&card, &HouseholdCard::cardShown, this, [this] {
        const Dataset &list = m_fdm.TKPUCatal;
        const QVariant id = list.isActive() && !list.isEmpty() ? list.value(u"ID"_s) : QVariant();
        if (id != m_shownCard)
            emit flatEditReleased();
        m_shownCard = id;
    });
}

void Housing::install()
{
    Dataset &housing = m_fdm.section(HousingDataset);
    housing.beforePost = [this](Dataset &row) { beforePost(row); };
    housing.afterPost = [this](Dataset &row) { afterPost(row); };
    housing.onFieldChange = [this](Dataset &row, const QString &field) { fieldChanged(row, field); };
}

Housing::Situation Housing::situation(const Dataset &housing)
{
    if (!housing.isActive() || housing.isEmpty() || housing.isNull(u"IS_RETIRED"_s))
        return Situation::None;
    return housing.value(u"IS_RETIRED"_s).toInt() == 1 ? Situation::Left : Situation::LivedIn;
}

QStringList Housing::amenityGroupOf(const QString &field)
{
    for (const QStringList *group : {&WaterGroup, &SewerageGroup, &HotWaterGroup, &GasGroup}) {
        if (group->contains(field))
            return *group;
    }
    if (field == CentralHeating || field == IndividualHeating || IndividualHeatingKinds.contains(field))
        return QStringList{CentralHeating, IndividualHeating} + IndividualHeatingKinds;
    return {};
}

QString Housing::removalQuestion(const QString &ls)
{
    return u"Вы действительно хотите удалить все данные домашнего хозяйства с лицевым счетом № "_s + ls
           + u", кроме жилищных условий?"_s;
}

QString Housing::requiredFieldsMessage()
{
    return catalog(u"RZHFOBPOL1"_s) + u"\r\n"_s + catalog(u"RZHFOBPOL2"_s);
}

QString Housing::areasMessage()
{
    return u"Общая площадь должна быть больше или равно жилой площади"_s;
}

QString Housing::gasAndCookerMessage()
{
    return u"Допустимо заполнение только одного поля, если есть газ сетевой (природный) или газ сжиженный"
           " (в баллонах), то не должно быть электроплиты напольной и наоборот!"_s;
}

// The save rules, in their order: a refusal shows its message and stops the
// save with the row still in editing; the room notices only inform.
void Housing::beforePost(Dataset &row)
{
    m_removalConfirmed = false;

    for (const QString &field : {u"SPVOB_ID"_s, u"VSZHP_ID"_s, u"HW_ID"_s, u"IKD"_s}) {
        if (row.isNull(field))
            refuse(m_port, requiredFieldsMessage());
    }
    for (const QString &field : {u"KOL_KOMNAT"_s, u"LIVING_SQ"_s, u"FULL_SQ"_s}) {
        if (row.isNull(field) || isZero(row, field))
            refuse(m_port, requiredFieldsMessage());
    }

    const Decimal living = decimalOf(row, u"LIVING_SQ"_s);
    const Decimal total = decimalOf(row, u"FULL_SQ"_s);
    if (living > total)
        refuse(m_port, areasMessage());

    const QVariant isRetired = row.value(u"IS_RETIRED"_s);
    const QVariant houseSituation = row.value(u"HS_ID"_s);
    const bool left = isRetired.toInt() == 1;
    if (isRetired.toInt() == 0 && row.isNull(u"HS_ID"_s))
        refuse(m_port, catalog(u"hs_is_null"_s));
    if (left && (row.isNull(u"RETIRED_ID"_s) || row.isNull(u"DATE_RETIRE"_s)))
        refuse(m_port, catalog(u"hs_retire_null"_s));

    const int rooms = row.value(u"KOL_KOMNAT"_s).toInt();
    for (const RoomNotice &notice : RoomNotices) {
        const bool lastRow = &notice == &RoomNotices.back();
        if (rooms == notice.rooms || (lastRow && rooms > notice.rooms)) {
            if (living < Decimal::fromInt(notice.minLiving) || total > Decimal::fromInt(notice.maxTotal))
                m_port.showMessage(catalog(QString::fromLatin1(notice.key)));
            break;
        }
    }

    Dataset &card = m_fdm.TKPUCatal;
    if (houseSituation.toInt() == EmptyHouseSituation || left) {
        if (!m_port.yesNo(removalQuestion(card.value(u"LS"_s).toString())))
            throw Abort{};
        // The card in editing carries the removal to the after-save step.
        card.edit();
        m_removalConfirmed = true;
    }

    if (row.value(u"BL_EL_PLITA"_s).toInt() == 1
        && (row.value(u"BL_GAZ_PRIR"_s).toInt() == 1 || row.value(u"BL_GAZ_PRIV"_s).toInt() == 1))
        refuse(m_port, gasAndCookerMessage());

    SectionLink::linkToCard(row, *SectionRegistry::byDataset(HousingDataset), Book::Household, m_fdm, m_port, true);

    if (applyFlatRule(m_fdm))
        emit flatEditLocked();

    const bool inserting = row.state() == DatasetState::Insert;
    m_statusChanged = statusOf(isRetired, houseSituation)
                      != (inserting ? Status::Active
                                    : statusOf(row.oldValue(u"IS_RETIRED"_s), row.oldValue(u"HS_ID"_s)));
}

// Runs inside the operation of the housing save (Dataset::post wraps
// beforePost, the write and afterPost in one Operation): the removal of the
// other sections and the housing row are stored together or not at all.
// The card's own save is a nested operation, so its failure undoes only
// itself.
void Housing::afterPost(Dataset &row)
{
    const int position = row.recNo();
    Dataset &card = m_fdm.TKPUCatal;
    bool cardSaved = false;
    if (card.isEditing()) {
        const bool removal = m_removalConfirmed;
        if (removal)
            removeOtherSections(row.value(u"ID_KPU_CATAL"_s)); // a failure fails the whole save
        try {
            card.post(); // also stores the flat rule's "0"
            cardSaved = true;
        } catch (const Abort &) {
            // The card's own rule has spoken; the card stays in editing.
        } catch (const std::exception &) {
            // Swallowed like every failure after the housing row is written.
        }
        if (removal)
            emit pagesChanged();
    }
    m_removalConfirmed = false;

    try {
        // The card's save shows the card again, which reopens the housing;
        // the same goes for a change of the house status the header shows.
        if (!cardSaved && m_statusChanged && !card.isEditing())
            card.runAfterScroll();
        if (row.isActive() && position >= 0 && position < row.recordCount() && row.recNo() != position)
            row.moveTo(position);
    } catch (const std::exception &) {
        // What the user sees lags behind; the data is stored.
    }
    SectionLink::rereadAfterSave(row);
}

void Housing::removeOtherSections(const QVariant &cardId)
{
    QList<Dataset *> emptied;
    for (const SectionInfo &section : SectionRegistry::all()) {
        if (!section.servesBook(Book::Household) || section.dataset == HousingDataset)
            continue;
        m_fdm.execSql({u"delete from %1 where %2 = ?"_s.arg(section.table, section.linkColumn), {cardId}});
        emptied.append(&m_fdm.section(section.dataset));
    }
    // The open sections must not go on showing the rows just deleted.
    for (Dataset *section : emptied) {
        try {
            if (section->isActive()) {
                section->close();
                section->open();
            }
        } catch (const std::exception &) {
        }
    }
}

// Ticking a flag of a group leaves it the only kind of its group; clearing
// changes nothing else. A new type of dwelling frees the card's flat edit.
void Housing::fieldChanged(Dataset &row, const QString &field)
{
    if (field == u"SPVOB_ID"_s) {
        emit flatEditReleased();
        return;
    }
    if (field == IndividualHeating || row.value(field).toInt() != 1)
        return;
    const QStringList group = amenityGroupOf(field);
    if (group.isEmpty())
        return;
    QHash<QString, int> values;
    for (const QString &other : group)
        values.insert(other, 0);
    values.insert(field, 1);
    if (IndividualHeatingKinds.contains(field))
        values.insert(IndividualHeating, 1);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key() != field && (row.isNull(it.key()) || row.value(it.key()).toInt() != it.value()))
            row.setValue(it.key(), it.value());
    }
}

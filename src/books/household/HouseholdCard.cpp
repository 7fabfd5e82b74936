#include "books/household/HouseholdCard.h"

#include "app/Catalog.h"
#include "app/LogManager.h"
#include "app/PromptPort.h"
#include "app/WorkContext.h"
#include "books/SectionLink.h"
#include "db/Dataset.h"
#include "db/TFDM.h"

#include <QDate>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString text(const Dataset &ds, const QString &field)
{
    return ds.value(field).toString();
}

void refuse(PromptPort &port, const QString &message)
{
    port.showMessage(message);
    throw Abort{};
}

// The sections the household book reopens for a new card, in their order.
const QStringList SectionsAfterHousing = {
    u"TTeh"_s, u"TObor"_s, u"tPostrRast"_s, u"TPostrZhiv"_s, u"TTepl"_s,
    u"TVTT"_s, u"TZakup"_s, u"tDopol"_s, u"TZEM"_s, u"TZHIV"_s,
};

} // namespace

HouseholdCard::HouseholdCard(TFDM &fdm, WorkContext &context, PromptPort &port, QObject *parent)
    : QObject(parent)
    , m_fdm(fdm)
    , m_context(context)
    , m_port(port)
{
}

void HouseholdCard::install()
{
    Dataset &card = m_fdm.TKPUCatal;
    card.beforePost = [this](Dataset &d) { beforePost(d); };
    card.afterPost = [this](Dataset &d) { afterPost(d); };
    card.afterScroll = [this](Dataset &d) { afterScroll(d); };
}

// The save rules, in their order; the first that fails stops the save.
void HouseholdCard::beforePost(Dataset &card)
{
    const QString ar = text(card, u"AR"_s);
    const QString ap = text(card, u"AP"_s);
    if (!ar.isEmpty() && ar.size() < 16)
        refuse(m_port, u"Регистрационный код адреса дома (код РКА) должен быть 16 знаков!"_s);
    if (!ap.isEmpty() && ap.size() < 16)
        refuse(m_port, u"Регистрационный код адреса квартиры (код РКА) должен быть 16 знаков!"_s);
    if (!ar.isEmpty() && !ar.startsWith(u'0'))
        refuse(m_port, u"Регистрационный код адреса дома должен начинаться на 0"_s);
    if (!ap.isEmpty() && !ap.startsWith(u'1'))
        refuse(m_port, u"Регистрационный код адреса квартиры должен начинаться на 1"_s);
    if (text(card, u"LS"_s).isEmpty() || text(card, u"STREET"_s).isEmpty() || text(card, u"HOUSE"_s).isEmpty())
        refuse(m_port, catalog(u"a69"_s));
    if (card.value(u"IS_DELETED"_s).toInt() == 1 && card.isNull(u"DATE_DELETED"_s))
        card.setValue(u"DATE_DELETED"_s, QDate::currentDate());
    // A card belongs to the settlement it was last saved under.
    card.setValue(u"KATO_ID"_s, m_context.SettlementId);
}

// Back to the saved card: the list is reread and searched for its account
// number (with two equal numbers, the first of them in list order).
void HouseholdCard::afterPost(Dataset &card)
{
    const QString ls = text(card, u"LS"_s);
    {
        Dataset::AfterScrollHold hold(card);
        card.close();
        card.open();
        // Found without stepping: every step would show its card in the list
        // and on the card page. No match ends on the last card, as a walk
        // through the list would.
        int row = card.recordCount() - 1;
        for (int i = 0; i < card.recordCount(); ++i) {
            if (card.valueAt(i, u"LS"_s).toString() == ls) {
                row = i;
                break;
            }
        }
        if (row <= 0)
            card.first();
        else
            card.moveTo(row);
    }
    card.runAfterScroll();
    TLogManager::GetInstance().WriteToLog(u"Сохранение данных по ДХ"_s, lmtInfo);
}

void HouseholdCard::afterScroll(Dataset &card)
{
    if (!m_bookOpen)
        return;
    HouseholdCardState state;
    state.hasCard = card.isActive() && !card.isEmpty();
    state.deleted = state.hasCard && card.value(u"IS_DELETED"_s).toInt() == 1;
    const QVariant id = state.hasCard ? card.value(u"ID"_s) : QVariant();

    auto reopen = [&](const QString &datasetName) {
        Dataset &section = m_fdm.section(datasetName);
        const SectionInfo *info = SectionRegistry::byDataset(datasetName);
        section.close();
        section.setParam(SectionRegistry::cardParameter(*info), id);
        section.open();
    };
    reopen(u"TSRN"_s);
    reopen(u"TSRN2"_s);

    state.headOfHousehold = u"Нет главы ДХ"_s;
    if (state.hasCard) {
        Dataset &head = m_fdm.WorkQuery;
        TFDM::compsql(head, u"select s.FAM, s.IM, s.OT from KPU_SRN s where s.SROGD_ID = 1 AND s.DATE_SM IS NULL"
                            " and s.id_kpu_catal = "_s + QString::number(id.toLongLong()));
        if (!head.isEmpty()) {
            state.headOfHousehold = text(head, u"FAM"_s) + u' ' + text(head, u"IM"_s) + u' ' + text(head, u"OT"_s);
        }
    }

    reopen(u"TRZHF"_s);
    const Dataset &housing = m_fdm.section(u"TRZHF"_s);
    const bool hasHousing = !housing.isEmpty();
    if (hasHousing && housing.value(u"HS_ID"_s).toInt() == EmptyHouseSituation)
        state.houseStatus = u"Дом «пустующий или бесхозный»"_s;
    else if (hasHousing && housing.value(u"IS_RETIRED"_s).toInt() != 0)
        state.houseStatus = u"Дом «выбыл»"_s;

    for (const QString &name : SectionsAfterHousing)
        reopen(name);

    m_state = state;
    emit cardShown(state);
}

void HouseholdCard::markDeleted(bool ticked)
{
    Dataset &card = m_fdm.TKPUCatal;
    const QString ls = text(card, u"LS"_s);
    if (ticked) {
        if (m_port.yesNo(u"Вы действительно хотите удалить домашнее хозяйств с лицевым счетом № "_s + ls + u"?"_s)) {
            card.post();
        } else {
            card.setValue(u"IS_DELETED"_s, 0);
            card.post();
        }
    } else {
        const QString date = card.value(u"DATE_DELETED"_s).toDate().toString(u"dd.MM.yyyy"_s);
        if (m_port.yesNo(u"Данное домашнее хозяйство удалено, дата удаления "_s + date
                         + u". Вы действительно хотите восстановить домашнее хозяйств с лицевым счетом № "_s + ls
                         + u"?"_s))
            card.post();
    }
    emit pagesChanged();
}

void installCardDeletion(TFDM &fdm, PromptPort &port)
{
    for (Dataset *card : {&fdm.TKPUCatal, &fdm.TKFHCatal}) {
        const Book book = card == &fdm.TKPUCatal ? Book::Household : Book::Farm;
        auto cardId = std::make_shared<QVariant>(); // from the question to the clean-up
        card->beforeDelete = [&port, cardId](Dataset &d) {
            if (!port.yesNo(catalog(u"confirm_del"_s)))
                throw Abort{};
            *cardId = d.value(u"ID"_s);
        };
        card->afterDelete = [&fdm, book, cardId](Dataset &) { SectionLink::deleteSectionsOfCard(fdm, book, *cardId); };
    }
}

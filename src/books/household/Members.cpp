#include "books/household/Members.h"

#include "app/Catalog.h"
#include "app/PromptPort.h"
#include "books/SectionLink.h"
#include "books/household/FlatRule.h"
#include "books/household/MemberValidation.h"
#include "db/Dataset.h"
#include "db/TFDM.h"

using namespace Qt::StringLiterals;

Members::Members(TFDM &fdm, PromptPort &port, QObject *parent)
    : QObject(parent)
    , m_fdm(fdm)
    , m_port(port)
    , m_now([] { return QDateTime::currentDateTime(); })
{
}

void Members::install()
{
    Dataset &members = m_fdm.section(u"TSRN"_s);
    members.beforePost = [this](Dataset &d) { memberBeforePost(d); };
    members.afterPost = [](Dataset &d) { SectionLink::rereadAfterSave(d); };
    members.onFieldChange = [this](Dataset &d, const QString &field) { memberFieldChanged(d, field); };

    Dataset &residents = m_fdm.section(u"TSRN2"_s);
    residents.beforePost = [this](Dataset &d) { residentBeforePost(d); };
    residents.afterPost = [](Dataset &d) { SectionLink::rereadAfterSave(d); };
}

QString Members::leavingQuestion()
{
    return u"Если ставится «дата смерти» или выбыл,\rто этот член д/х должен автоматически удалиться.\r"
           "Вы желаете удалить? После «Выберите главу ДХ и заполните \r«Отношение к главе домашнего хозяйства» "
           "всех членов домашнего хозяйства"_s;
}

void Members::memberBeforePost(Dataset &member)
{
    // The first member of a household is stored as entered; the rules start
    // with the second.
    const int stored = member.recordCount() - (member.state() == DatasetState::Insert ? 1 : 0);
    if (stored > 0) {
        if (!member.isNull(u"DATE_SM"_s) || !member.isNull(u"DATE_OUT"_s)) {
            // A member who died or left is removed, never stored with the date.
            if (!m_port.yesNo(leavingQuestion()))
                throw Abort{};
            // remove() drops a new row and deletes a stored one, input and
            // all. The save then finds nothing left to write and ends; an
            // Abort here would roll the deletion back with the save.
            member.remove();
            return;
        }
        MemberValidation::SRNvalidate(member, m_port, m_now());
    }
    link(member, u"TSRN"_s);
    if (applyFlatRule(m_fdm))
        emit flatEditLocked();
}

void Members::memberFieldChanged(Dataset &member, const QString &field)
{
    // An employee (status 1) lives on wages (source 1).
    if (field == u"PZ_ID"_s && member.value(field).toInt() == 1)
        member.setValue(u"SID_ID"_s, 1);
}

void Members::residentBeforePost(Dataset &resident)
{
    if (resident.value(u"FAM"_s).toString().isEmpty() || resident.value(u"IM"_s).toString().isEmpty()
        || resident.isNull(u"POL_SPP_ID"_s) || resident.isNull(u"DATE_R"_s)) {
        m_port.showMessage(catalog(u"a68"_s));
        throw Abort{};
    }
    link(resident, u"TSRN2"_s);
}

// Members and temporary residents always belong to the current household.
void Members::link(Dataset &row, const QString &datasetName)
{
    SectionLink::linkToCard(row, *SectionRegistry::byDataset(datasetName), Book::Household, m_fdm, m_port, true);
}

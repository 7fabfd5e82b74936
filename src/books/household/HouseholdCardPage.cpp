#include "books/household/HouseholdCardPage.h"

#include "app/AppException.h"
#include "app/InputFilters.h"
#include "db/FieldBinding.h"
#include "db/TFDM.h"

#include <QCheckBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

HouseholdCardPage::HouseholdCardPage(TFDM &fdm, HouseholdCard &card, PromptPort &port, QWidget *parent)
    : QWidget(parent)
    , m_fdm(fdm)
{
    Dataset &list = fdm.TKPUCatal;
    m_binding = new FieldBinding(
        list, [&port](const std::exception &e) { AppExceptionHandler(port).AppException(e); }, this);

    auto *form = new QFormLayout;
    const QList<std::pair<QString, QString>> fields = {
        {u"LS"_s, tr("Лицевой счет")},
        {u"LSKN"_s, tr("(по земельно-кадастровой книге)")},
        {u"AR"_s, tr("Регистрационный код адреса дома")},
        {u"AP"_s, tr("Регистрационный код адреса квартиры")},
        {u"STREET"_s, tr("Улица")},
        {u"HOUSE"_s, tr("Дом")},
        {u"FLAT"_s, tr("Квартира")},
        {u"PHONE"_s, tr("Телефон")},
        {u"EMAIL"_s, tr("E-mail")},
        {u"DATE_ACTUAL"_s, tr("Дата актуализации")},
    };
    for (const auto &[field, caption] : fields) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(field);
        m_binding->bindLineEdit(edit, field);
        m_edits.insert(field, edit);
        form->addRow(caption, edit);
    }
    m_edits.value(u"DATE_ACTUAL"_s)->setReadOnly(true); // kept by the database

    using Keys = InputFilter::Keys;
    InputFilter::attach(m_edits.value(u"LS"_s), {.upperCase = true, .keys = Keys::Digits});
    for (const QString &field : {u"LSKN"_s, u"STREET"_s, u"HOUSE"_s, u"FLAT"_s, u"EMAIL"_s})
        InputFilter::attach(m_edits.value(field), {.upperCase = true});
    for (const QString &field : {u"AR"_s, u"AP"_s, u"PHONE"_s})
        InputFilter::attach(m_edits.value(field), {.keys = Keys::Phone}, &port);
    YearCheck::attach(m_edits.value(u"DATE_ACTUAL"_s), port);

    m_deleted = new QCheckBox(tr("Карточка удалена"), this);
    m_binding->bindCheckBox(m_deleted, u"IS_DELETED"_s);
    // After the binding has put the tick into the card: ask and save.
    connect(m_deleted, &QCheckBox::clicked, this, [this, &card, &port](bool ticked) {
        if (m_fdm.TKPUCatal.isEditing())
            guarded(port, [&] { card.markDeleted(ticked); });
    });
    m_deletionDate = new QLabel(this);
    auto *deletion = new QHBoxLayout;
    deletion->addWidget(m_deleted);
    deletion->addWidget(m_deletionDate);
    deletion->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(deletion);
    layout->addStretch();

    connect(&card, &HouseholdCard::cardShown, this, &HouseholdCardPage::showState);
}

QLineEdit *HouseholdCardPage::edit(const QString &field) const
{
    return m_edits.value(field);
}

void HouseholdCardPage::showState(const HouseholdCardState &state)
{
    const QDate date = state.deleted ? m_fdm.TKPUCatal.value(u"DATE_DELETED"_s).toDate() : QDate();
    m_deletionDate->setText(date.isValid() ? date.toString(u"dd.MM.yyyy"_s) : QString());
    m_deletionDate->setVisible(state.deleted);
}

#include "app/HeaderStrip.h"

#include "db/Dataset.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QWidget *fieldRow(QWidget *parent, const QList<std::pair<QString, QString>> &fields,
                  QHash<QString, QLineEdit *> &edits)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto &[field, caption] : fields) {
        layout->addWidget(new QLabel(caption, row));
        auto *edit = new QLineEdit(row);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(edit, field == u"ID"_s ? 0 : 1);
        edits.insert(field, edit);
    }
    return row;
}

} // namespace

HeaderStrip::HeaderStrip(QWidget *parent)
    : QWidget(parent)
{
    m_household = fieldRow(this,
                           {{u"ID"_s, u"ID"_s},
                            {u"LS"_s, tr("Лицевой счет")},
                            {u"STREET"_s, tr("Улица")},
                            {u"HOUSE"_s, tr("Дом")},
                            {u"FLAT"_s, tr("Квартира")}},
                           m_householdFields);
    m_farm = fieldRow(this,
                      {{u"ID"_s, u"ID"_s},
                       {u"FIO"_s, tr("ФИО главы хозяйства")},
                       {u"RNN"_s, tr("РНН")},
                       {u"IIN"_s, tr("ИИН")},
                       {u"BIN"_s, tr("БИН")},
                       {u"NAME"_s, tr("Наименование")}},
                      m_farmFields);
    m_head = new QLabel(this);
    m_head->setObjectName(u"headOfHousehold"_s);
    m_deleted = new QLabel(tr("Карточка удалена"), this);
    m_deleted->setStyleSheet(u"color: red; font-weight: bold"_s);
    m_houseStatus = new QLabel(this);
    m_houseStatus->setStyleSheet(u"color: red"_s);

    auto *labels = new QHBoxLayout;
    labels->addWidget(new QLabel(tr("ФИО главы"), this));
    labels->addWidget(m_head, 1);
    labels->addWidget(m_houseStatus);
    labels->addWidget(m_deleted);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_household);
    layout->addWidget(m_farm);
    layout->addLayout(labels);

    m_deleted->hide();
    m_houseStatus->hide();
    showBook(Book::Farm);
}

void HeaderStrip::showBook(Book book)
{
    m_book = book;
    m_household->setVisible(book == Book::Household);
    m_farm->setVisible(book == Book::Farm);
}

void HeaderStrip::showCard(const Dataset &list)
{
    const auto &fields = m_book == Book::Household ? m_householdFields : m_farmFields;
    const bool hasRow = list.isActive() && !list.isEmpty();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        it.value()->setText(hasRow ? list.value(it.key()).toString() : QString());
}

void HeaderStrip::setHeadOfHousehold(const QString &text)
{
    m_head->setText(text);
}

void HeaderStrip::setHeadVisible(bool visible)
{
    m_head->setVisible(visible);
}

void HeaderStrip::setDeletedVisible(bool visible)
{
    m_deleted->setVisible(visible);
}

void HeaderStrip::setHouseStatus(const QString &text)
{
    m_houseStatus->setText(text);
    m_houseStatus->setVisible(!text.isEmpty());
}

QString HeaderStrip::householdText(const QString &field) const
{
    return m_householdFields.value(field)->text();
}

QString HeaderStrip::farmText(const QString &field) const
{
    return m_farmFields.value(field)->text();
}

QString HeaderStrip::headOfHousehold() const
{
    return m_head->text();
}

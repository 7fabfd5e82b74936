#include "app/TFselkato.h"

#include "db/Dataset.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Positions of the 9-digit code: 1-2 region, 3-4 district, 5-6 okrug,
// 7-9 settlement; a higher level has zeros in all lower positions.
const QString RegionSql = u"select * from KNIGA_KATO where substring(kato from 3 for 6) = '000000' order by kato"_s;
const QString DistrictSql = u"select * from KNIGA_KATO where substring(kato from 5 for 5) = '00000'"
                            " and substring(kato from 3 for 2) <> '00'"
                            " and substring(kato from 1 for 2) = :AB order by kato"_s;
const QString OkrugSql = u"select * from KNIGA_KATO where substring(kato from 7 for 3) = '000'"
                         " and substring(kato from 5 for 2) <> '00'"
                         " and substring(kato from 1 for 4) = :AB order by kato"_s;
const QString SettlementSql = u"select * from KNIGA_KATO where substring(kato from 1 for 6) = :AB"
                              " and substring(kato from 7 for 3) <> '000' order by kato"_s;

QComboBox *levelBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setMaxVisibleItems(9);
    box->setMinimumContentsLength(40);
    return box;
}

QString chosenCode(const QComboBox *box)
{
    return box->currentIndex() < 0 ? QString() : box->currentData().toString();
}

} // namespace

TFselkato::TFselkato(DbSession &session, QWidget *parent)
    : QDialog(parent)
    , m_regions(std::make_unique<Dataset>(session, u"KatoRegions"_s))
    , m_districts(std::make_unique<Dataset>(session, u"KatoDistricts"_s))
    , m_okrugs(std::make_unique<Dataset>(session, u"KatoOkrugs"_s))
    , m_settlements(std::make_unique<Dataset>(session, u"KatoSettlements"_s))
{
    setWindowTitle(tr("Выберите като"));
    m_regions->setSelectSql(RegionSql);
    m_districts->setSelectSql(DistrictSql);
    m_okrugs->setSelectSql(OkrugSql);
    m_settlements->setSelectSql(SettlementSql);

    m_region = levelBox(this);
    m_district = levelBox(this);
    m_okrug = levelBox(this);
    m_settlement = levelBox(this);
    m_settlementLabel = new QLabel(tr("Нас. пункт"), this);

    auto *form = new QFormLayout;
    form->addRow(tr("Область"), m_region);
    form->addRow(tr("Район"), m_district);
    form->addRow(tr("Сельский округ"), m_okrug);
    form->addRow(m_settlementLabel, m_settlement);

    auto *ok = new QPushButton(tr("Ok"), this);
    auto *cancel = new QPushButton(tr("Отмена"), this);
    cancel->setDefault(true);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_region, &QComboBox::activated, this, &TFselkato::regionChanged);
    connect(m_district, &QComboBox::activated, this, &TFselkato::districtChanged);
    connect(m_okrug, &QComboBox::activated, this, &TFselkato::okrugChanged);
}

TFselkato::~TFselkato() = default;

void TFselkato::setSettlementLevelVisible(bool visible)
{
    m_settlement->setVisible(visible);
    m_settlementLabel->setVisible(visible);
}

void TFselkato::load(Dataset &list, QComboBox *box, const QVariant &ab, const QString &valueField)
{
    list.close();
    if (list.selectSql().contains(u":AB"_s))
        list.setParam(u"AB"_s, ab);
    list.open();
    box->clear();
    for (int row = 0; row < list.recordCount(); ++row)
        box->addItem(list.valueAt(row, u"NAME"_s).toString(), list.valueAt(row, valueField));
    box->setCurrentIndex(-1);
}

void TFselkato::prepare(const QString &okrugKatoPrefix)
{
    load(*m_regions, m_region, {}, u"KATO"_s);
    load(*m_districts, m_district, {}, u"KATO"_s);
    load(*m_okrugs, m_okrug, {}, u"KATO"_s);
    load(*m_settlements, m_settlement, {}, u"ID"_s);
    if (okrugKatoPrefix.isEmpty())
        return;
    load(*m_districts, m_district, okrugKatoPrefix.left(2), u"KATO"_s);
    load(*m_okrugs, m_okrug, okrugKatoPrefix.left(4), u"KATO"_s);
    m_region->setCurrentIndex(m_region->findData(okrugKatoPrefix.left(2) + u"0000000"_s));
    m_district->setCurrentIndex(m_district->findData(okrugKatoPrefix.left(4) + u"00000"_s));
    m_okrug->setCurrentIndex(m_okrug->findData(okrugKatoPrefix + u"000"_s));
}

void TFselkato::regionChanged()
{
    const QString region = chosenCode(m_region);
    if (!region.isEmpty()) {
        load(*m_districts, m_district, region.left(2), u"KATO"_s);
    } else {
        load(*m_districts, m_district, {}, u"KATO"_s);
        load(*m_okrugs, m_okrug, {}, u"KATO"_s);
    }
}

void TFselkato::districtChanged()
{
    const QString district = chosenCode(m_district);
    load(*m_okrugs, m_okrug, district.isEmpty() ? QVariant() : QVariant(district.left(4)), u"KATO"_s);
}

void TFselkato::okrugChanged()
{
    const QString okrug = chosenCode(m_okrug);
    const bool districtChosen = !chosenCode(m_district).isEmpty();
    load(*m_settlements, m_settlement,
         districtChosen && !okrug.isEmpty() ? QVariant(okrug.left(6)) : QVariant(), u"ID"_s);
}

QString TFselkato::okrugKato() const
{
    return chosenCode(m_okrug);
}

QString TFselkato::okrugName() const
{
    return m_okrug->currentIndex() < 0 ? QString() : m_okrug->currentText();
}

QVariant TFselkato::settlementId() const
{
    return m_settlement->currentIndex() < 0 ? QVariant() : m_settlement->currentData();
}

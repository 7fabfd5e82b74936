#include "app/TFSelPeriod.h"

#include "app/PeriodList.h"
#include "db/Dataset.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFSelPeriod::TFSelPeriod(Dataset &settlements, QWidget *parent)
    : QDialog(parent)
    , m_settlements(settlements)
{
    setWindowTitle(tr("Период для работы"));
    m_periods = new QListWidget(this);
    m_settlement = new QComboBox(this);
    m_settlement->setMinimumContentsLength(30);

    auto *ok = new QPushButton(tr("OK"), this);
    auto *cancel = new QPushButton(tr("Отмена"), this);
    auto *settings = new QPushButton(tr("Настройки"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(settings, &QPushButton::clicked, this, [this] {
        if (onSettings)
            onSettings();
        fillSettlements();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(settings);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Выберите период"), this));
    layout->addWidget(m_periods);
    layout->addWidget(new QLabel(tr("Выберите нас.пункт"), this));
    layout->addWidget(m_settlement);
    layout->addLayout(buttons);
}

void TFSelPeriod::prepare(int periodIndex)
{
    m_periods->clear();
    m_periods->addItems(PeriodList::names());
    m_periods->setCurrentRow(periodIndex >= 0 && periodIndex < m_periods->count() ? periodIndex : 0);
    fillSettlements();
}

void TFSelPeriod::fillSettlements()
{
    if (!m_settlements.isActive())
        m_settlements.open();
    m_settlement->clear();
    for (int row = 0; row < m_settlements.recordCount(); ++row) {
        m_settlement->addItem(m_settlements.valueAt(row, u"NAME"_s).toString(),
                              m_settlements.valueAt(row, u"KATO"_s));
    }
    m_settlement->setCurrentIndex(-1);
}

int TFSelPeriod::periodIndex() const
{
    return m_periods->currentRow();
}

QString TFSelPeriod::periodName() const
{
    const QListWidgetItem *item = m_periods->currentItem();
    return item ? item->text() : QString();
}

bool TFSelPeriod::hasSettlement() const
{
    return m_settlement->currentIndex() >= 0;
}

SettlementChoice TFSelPeriod::settlement() const
{
    const int row = m_settlement->currentIndex();
    if (row < 0)
        return {};
    return {m_settlements.valueAt(row, u"KATO"_s).toString(),
            m_settlements.valueAt(row, u"NAME"_s).toString(),
            m_settlements.valueAt(row, u"ID"_s).toInt()};
}

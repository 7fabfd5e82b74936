#include "app/TFproper.h"

#include "app/AppException.h"
#include "app/PromptPort.h"
#include "app/TFselkato.h"
#include "app/WorkContext.h"
#include "db/DatasetTableModel.h"
#include "db/TFDM.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFproper::TFproper(TFDM &fdm, WorkContext &context, TFselkato &selkato, PromptPort &port,
                   QWidget *parent)
    : QDialog(parent)
    , m_fdm(fdm)
    , m_context(context)
    , m_selkato(selkato)
    , m_port(port)
{
    setWindowTitle(tr("Персональные настройки"));

    m_kato = new QLineEdit(this);
    m_name = new QLineEdit(this);
    m_akim = new QLineEdit(this);
    m_kato->setReadOnly(true);
    m_name->setReadOnly(true);
    auto *form = new QFormLayout;
    form->addRow(tr("КАТО с.о."), m_kato);
    form->addRow(tr("Наименование с.о."), m_name);
    form->addRow(tr("ФИО акима"), m_akim);

    auto *saveRow = new QPushButton(tr("Сохранить"), this);
    auto *cancelRow = new QPushButton(tr("Отменить"), this);
    auto *refreshRow = new QPushButton(tr("Обновить"), this);
    connect(saveRow, &QPushButton::clicked, this, [this] { guarded(m_port, [this] { saveAkim(); }); });
    connect(cancelRow, &QPushButton::clicked, this, [this] { showRow(); });
    connect(refreshRow, &QPushButton::clicked, this, [this] {
        guarded(m_port, [this] {
            m_fdm.TKnigaProperty.refresh();
            showRow();
        });
    });
    auto *rowCommands = new QHBoxLayout;
    rowCommands->addWidget(saveRow);
    rowCommands->addWidget(cancelRow);
    rowCommands->addWidget(refreshRow);
    rowCommands->addStretch();

    m_settlements = new QTableView(this);
    auto *model = new DatasetTableModel(m_fdm.TKnigaKato,
                                        {{u"KATO"_s, u"KATO"_s}, {u"NAME"_s, u"NAME"_s}, {u"ID"_s, u"ID"_s}},
                                        m_settlements);
    model->attach(m_settlements);
    m_settlements->horizontalHeader()->setStretchLastSection(true);
    auto *nav = new QHBoxLayout;
    const QList<std::pair<QString, std::function<void()>>> moves = {
        {tr("Первая"), [this] { m_fdm.TKnigaKato.first(); }},
        {tr("Предыдущая"), [this] { m_fdm.TKnigaKato.prior(); }},
        {tr("Следующая"), [this] { m_fdm.TKnigaKato.next(); }},
        {tr("Последняя"), [this] { m_fdm.TKnigaKato.last(); }},
        {tr("Обновить"), [this] { m_fdm.TKnigaKato.refresh(); }},
    };
    for (const auto &[text, move] : moves) {
        auto *button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, [this, move] { guarded(m_port, move); });
        nav->addWidget(button);
    }
    nav->addStretch();
    auto *settlementsBox = new QGroupBox(tr("Перечень населенных пунктов округа"), this);
    auto *settlementsLayout = new QVBoxLayout(settlementsBox);
    settlementsLayout->addWidget(m_settlements);
    settlementsLayout->addLayout(nav);

    auto *choose = new QPushButton(tr("Выбрать"), this);
    auto *import = new QPushButton(tr("Импорт"), this);
    auto *journal = new QPushButton(tr("Журнал"), this);
    m_close = new QPushButton(tr("Закрыть"), this);
    connect(choose, &QPushButton::clicked, this, [this] { guarded(m_port, [this] { chooseOkrug(); }); });
    connect(import, &QPushButton::clicked, this, [this] {
        if (onImport)
            onImport();
    });
    connect(journal, &QPushButton::clicked, this, [this] {
        if (onJournal)
            onJournal();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(choose);
    buttons->addWidget(import);
    buttons->addWidget(journal);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(rowCommands);
    layout->addWidget(settlementsBox);
    layout->addLayout(buttons);
}

void TFproper::prepare()
{
    if (!m_fdm.TKnigaProperty.isActive())
        m_fdm.TKnigaProperty.open();
    if (!m_fdm.TKnigaKato.isActive())
        m_fdm.TKnigaKato.open();
    showRow();
}

void TFproper::showRow()
{
    Dataset &row = m_fdm.TKnigaProperty;
    if (row.isEditing())
        row.cancel();
    m_kato->setText(row.value(u"KATO"_s).toString());
    m_name->setText(row.value(u"NAME_SO"_s).toString());
    m_akim->setText(row.value(u"AKIM"_s).toString());
}

void TFproper::saveAkim()
{
    Dataset &row = m_fdm.TKnigaProperty;
    if (row.isEmpty())
        return; // the okrug is chosen first, with "Выбрать"
    if (!row.isEditing())
        row.edit();
    row.setValue(u"AKIM"_s, m_akim->text());
    row.post();
}

void TFproper::savePendingEdit()
{
    if (m_fdm.TKnigaProperty.isEditing())
        m_fdm.TKnigaProperty.post();
}

void TFproper::chooseOkrug()
{
    Dataset &row = m_fdm.TKnigaProperty;
    m_selkato.setSettlementLevelVisible(false);
    if (!row.isActive())
        row.open();
    m_selkato.prepare(m_context.OkrugKatoPrefix);
    if (m_port.exec(m_selkato) != QDialog::Accepted)
        return;

    const QString okrug = m_selkato.okrugKato();
    m_fdm.RefreshKato(okrug.left(6));
    m_context.OkrugName = m_selkato.okrugName();

    if (row.isEditing()) {
        row.post();
        row.edit();
    } else if (row.isEmpty()) {
        row.append();
    } else {
        row.edit();
    }
    row.setValue(u"KATO"_s, m_context.OkrugKatoPrefix + u"000"_s);
    row.setValue(u"NAME_SO"_s, m_context.OkrugName);
    row.post();
    showRow();
}

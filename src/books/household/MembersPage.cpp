#include "books/household/MembersPage.h"

#include "app/AppException.h"
#include "app/InputFilters.h"
#include "db/DatasetTableModel.h"
#include "db/FieldBinding.h"
#include "db/TFDM.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

using Keys = InputFilter::Keys;

// Puts the widgets of one dataset's fields on a form and binds them.
class FormBuilder
{
public:
    FormBuilder(Dataset &dataset, TFDM &fdm, PromptPort &port, QWidget *owner, QHash<QString, QWidget *> &fields)
        : m_fdm(fdm)
        , m_port(port)
        , m_owner(owner)
        , m_fields(fields)
    {
        m_binding = new FieldBinding(
            dataset, [&port](const std::exception &e) { AppExceptionHandler(port).AppException(e); }, owner);
    }

    // Text without TAB, "&", "<" and ">"; further rules as given.
    QLineEdit *text(const QString &field, const InputFilter::Options &options = {}, PromptPort *port = nullptr)
    {
        auto *edit = named<QLineEdit>(field);
        m_binding->bindLineEdit(edit, field);
        InputFilter::attach(edit, options, port);
        return edit;
    }

    // dd.MM.yyyy; clearing the text clears the date.
    QLineEdit *date(const QString &field)
    {
        auto *edit = named<QLineEdit>(field);
        edit->setPlaceholderText(MembersPage::tr("дд.мм.гггг"));
        m_binding->bindLineEdit(edit, field);
        YearCheck::attach(edit, m_port);
        return edit;
    }

    QComboBox *lookup(const QString &field, const QString &referenceTable)
    {
        auto *combo = named<QComboBox>(field);
        m_binding->bindLookup(combo, field, m_fdm.reference(referenceTable), u"ID"_s, u"NAME_RUS"_s);
        return combo;
    }

    QCheckBox *check(const QString &field, const QString &caption)
    {
        auto *box = named<QCheckBox>(field);
        box->setText(caption);
        m_binding->bindCheckBox(box, field);
        return box;
    }

    // Kept by the database, shown only.
    QLineEdit *shown(const QString &field)
    {
        auto *edit = named<QLineEdit>(field);
        edit->setReadOnly(true);
        m_binding->bindLineEdit(edit, field);
        return edit;
    }

private:
    template<typename W>
    W *named(const QString &field)
    {
        auto *w = new W(m_owner);
        w->setObjectName(field);
        m_fields.insert(field, w);
        return w;
    }

    TFDM &m_fdm;
    PromptPort &m_port;
    QWidget *m_owner;
    QHash<QString, QWidget *> &m_fields;
    FieldBinding *m_binding;
};

QTableView *narrowList(Dataset &dataset, const QList<DatasetTableModel::Column> &columns, PromptPort &port,
                       QWidget *parent)
{
    auto *view = new QTableView(parent);
    auto *model = new DatasetTableModel(dataset, columns, view);
    model->setErrorHandler([&port](const std::exception &e) { AppExceptionHandler(port).AppException(e); });
    model->attach(view);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setMaximumWidth(280);
    return view;
}

// Add, delete, save and cancel of the section's rows, each enabled when it applies.
QWidget *rowActions(Dataset &dataset, PromptPort &port, QWidget *parent)
{
    auto *bar = new QWidget(parent);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const QString &name, const QString &caption, std::function<void()> action) {
        auto *b = new QPushButton(caption, bar);
        b->setObjectName(name);
        QObject::connect(b, &QPushButton::clicked, bar, [&port, action] { guarded(port, action); });
        layout->addWidget(b);
        return b;
    };
    QPushButton *add = button(u"add"_s, MembersPage::tr("Добавить"), [&dataset] { dataset.append(); });
    QPushButton *remove = button(u"remove"_s, MembersPage::tr("Удалить"), [&dataset] { dataset.remove(); });
    QPushButton *save = button(u"save"_s, MembersPage::tr("Сохранить"), [&dataset] { dataset.post(); });
    QPushButton *cancel = button(u"cancel"_s, MembersPage::tr("Отменить"), [&dataset] { dataset.cancel(); });
    layout->addStretch();

    auto update = [&dataset, add, remove, save, cancel] {
        const bool active = dataset.isActive();
        const bool editing = active && dataset.isEditing();
        add->setEnabled(active && !editing);
        remove->setEnabled(active && !editing && !dataset.isEmpty());
        save->setEnabled(editing);
        cancel->setEnabled(editing);
    };
    QObject::connect(&dataset, &Dataset::stateChanged, bar, update);
    QObject::connect(&dataset, &Dataset::reset, bar, update);
    QObject::connect(&dataset, &Dataset::rowRemoved, bar, update);
    update();
    return bar;
}

QScrollArea *scrolled(QWidget *content, QWidget *parent)
{
    auto *area = new QScrollArea(parent);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

} // namespace

MembersPage::MembersPage(TFDM &fdm, PromptPort &port, QWidget *parent)
    : QTabWidget(parent)
{
    addTab(buildMembers(fdm, port), tr("Постоянно проживающие"));
    addTab(buildResidents(fdm, port), tr("Временно проживающие"));
}

QWidget *MembersPage::buildMembers(TFDM &fdm, PromptPort &port)
{
    Dataset &members = fdm.section(u"TSRN"_s);
    auto *page = new QWidget(this);
    auto *formWidget = new QWidget(page);
    FormBuilder f(members, fdm, port, formWidget, m_memberFields);

    auto *form = new QFormLayout;
    form->addRow(tr("Порядковый номер*"), f.text(u"POR_NOM"_s, {.digitsOnly = true}));
    form->addRow(tr("Фамилия*"), f.text(u"FAM"_s, {.maxLength = 100}));
    form->addRow(tr("Имя*"), f.text(u"IM"_s, {.maxLength = 100}));
    form->addRow(tr("Отчество"), f.text(u"OT"_s, {.maxLength = 100}));
    form->addRow(tr("ИИН*"), f.text(u"IIN"_s, {.maxLength = 12, .keys = Keys::Iin}, &port));
    form->addRow(tr("Отношение к члену ДХ, записанному первым*"), f.lookup(u"SROGD_ID"_s, u"KPU_SPR_SROGD"_s));
    form->addRow(tr("Пол*"), f.lookup(u"POL_SPP_ID"_s, u"KPU_SPR_SPP"_s));
    form->addRow(tr("Национальность*"), f.lookup(u"KN_ID"_s, u"KPU_SPR_KN"_s));

    auto *dates = new QGroupBox(tr("Дата"), formWidget);
    auto *dateForm = new QFormLayout(dates);
    dateForm->addRow(tr("рождения*"), f.date(u"DATE_R"_s));
    dateForm->addRow(tr("смерти"), f.date(u"DATE_SM"_s));
    dateForm->addRow(tr("прибытия"), f.date(u"DATE_IN"_s));
    dateForm->addRow(tr("выбытия"), f.date(u"DATE_OUT"_s));
    form->addRow(dates);

    form->addRow(tr("Уровень образование"), f.lookup(u"SUODH_ID"_s, u"KPU_SPR_SUODH"_s));
    form->addRow(tr("Положение в занятости"), f.lookup(u"PZ_ID"_s, u"KPU_SPR_PZ"_s));
    auto *sources = new QVBoxLayout;
    for (const QString &field : {u"SID_ID"_s, u"SID2_ID"_s, u"SID3_ID"_s})
        sources->addWidget(f.lookup(field, u"KPU_SPR_SID"_s));
    form->addRow(tr("Источники средств к существованию*"), sources);
    form->addRow(f.check(u"IS_TEMP"_s, tr("Временно проживает в данном населенном пункте")));
    form->addRow(f.check(u"IS_TEMP_OUT"_s,
                         tr("Отметка о выбытии временно проживающих за пределы поселка, села, сельского округа")));
    form->addRow(tr("Дата актуализации"), f.shown(u"DATE_ACTUAL"_s));

    auto *formLayout = new QVBoxLayout(formWidget);
    formLayout->addWidget(rowActions(members, port, formWidget));
    formLayout->addLayout(form);
    formLayout->addStretch();

    m_memberList = narrowList(members, {{u"POR_NOM"_s, tr("№")}, {u"FAM"_s, tr("Фамилия")}, {u"IM"_s, tr("Имя")}},
                              port, page);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_memberList);
    layout->addWidget(scrolled(formWidget, page), 1);
    return page;
}

// Temporary residents are shown, never edited here: the form is disabled and
// the list only moves between them.
QWidget *MembersPage::buildResidents(TFDM &fdm, PromptPort &port)
{
    Dataset &residents = fdm.section(u"TSRN2"_s);
    auto *page = new QWidget(this);
    auto *formWidget = new QWidget(page);
    FormBuilder f(residents, fdm, port, formWidget, m_residentFields);

    auto *form = new QFormLayout(formWidget);
    form->addRow(tr("Фамилия*"), f.text(u"FAM"_s, {.maxLength = 100}));
    form->addRow(tr("Имя*"), f.text(u"IM"_s, {.maxLength = 100}));
    form->addRow(tr("Отчество"), f.text(u"OT"_s, {.maxLength = 100}));
    form->addRow(tr("ИИН"), f.text(u"IIN"_s, {.digitsOnly = true, .maxLength = 12}));
    form->addRow(tr("Состояние в браке"), f.lookup(u"SOSTBR_ID"_s, u"KPU_SPR_SOSTBR"_s));
    form->addRow(tr("Пол*"), f.lookup(u"POL_SPP_ID"_s, u"KPU_SPR_SPP"_s));
    form->addRow(tr("Дата рождения*"), f.date(u"DATE_R"_s));
    form->addRow(tr("Образование"), f.lookup(u"SUODH_ID"_s, u"KPU_SPR_SUODH"_s));
    form->addRow(tr("Обучающиеся в орга- низациях образования"), f.lookup(u"SOOO_ID"_s, u"KPU_SPR_SOOO"_s));
    form->addRow(tr("Положение в занятости"), f.lookup(u"PZ_ID"_s, u"KPU_SPR_PZ"_s));
    form->addRow(tr("Место пост.проживания"), f.text(u"ADDRESS"_s, {.maxLength = 500}));
    form->addRow(tr("Дата прибытия"), f.date(u"DATE_IN"_s));
    form->addRow(tr("Откуда прибыл"), f.text(u"ADDRESS_FROM"_s, {.maxLength = 500}));
    form->addRow(tr("Виды и группы скота"), f.text(u"VSK"_s, {.maxLength = 100}));
    form->addRow(tr("Всего голов"), f.text(u"KOL_SK"_s, {.digitsOnly = true}));
    form->addRow(tr("в т.ч. молодняк до года"), f.text(u"KOL_SK_DOGODA"_s, {.digitsOnly = true}));
    form->addRow(tr("Отметка о выбытии"), f.text(u"OTMETKA"_s, {.maxLength = 500}));
    formWidget->setEnabled(false);

    m_residentList = narrowList(residents, {{u"FAM"_s, tr("Фамилия")}, {u"IM"_s, tr("Имя")}}, port, page);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_residentList);
    layout->addWidget(scrolled(formWidget, page), 1);
    return page;
}

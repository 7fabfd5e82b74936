#include "books/household/HousingPage.h"

#include "app/AppException.h"
#include "app/InputFilters.h"
#include "books/household/Housing.h"
#include "db/Decimal.h"
#include "db/FieldBinding.h"
#include "db/TFDM.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Areas are stored with two places and shown with one.
QString oneDecimal(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<Decimal>())
        return Dataset::displayText(value);
    return value.value<Decimal>().withScale(1).toString();
}

// The year put into service is entered as a date; its time means nothing.
QString dateOnly(const QVariant &value)
{
    const QDate date = value.toDate();
    return date.isValid() ? date.toString(u"dd.MM.yyyy"_s) : QString();
}

struct Amenity
{
    const char *field;
    const char *caption;
};

// In the order of the page; the renewable sources follow their heading.
constexpr Amenity Amenities[] = {
    {"BL_EL", QT_TRANSLATE_NOOP("HousingPage", "электричество")},
    {"BL_VODOPR", QT_TRANSLATE_NOOP("HousingPage", "водопровод в доме (здании или квартире)")},
    {"BL_VODA_OUT_OF_HOUSE", QT_TRANSLATE_NOOP("HousingPage", "водопровод вне дома (здания или квартиры)")},
    {"BL_VODA_KOLODETC",
     QT_TRANSLATE_NOOP("HousingPage", "колодец, колонка или идентичный источник водоснабжения")},
    {"BL_VODA_DELIVERY", QT_TRANSLATE_NOOP("HousingPage", "Доставка питьевой воды")},
    {"BL_KANALI", QT_TRANSLATE_NOOP("HousingPage", "центральная канализация")},
    {"BL_KANAL_OTHER", QT_TRANSLATE_NOOP("HousingPage", "прочая канализация")},
    {"BL_OTOPL_TETS", QT_TRANSLATE_NOOP("HousingPage", "центральное отопление")},
    {"BL_OTOPL_HARD", QT_TRANSLATE_NOOP("HousingPage", "на твердом топливе")},
    {"BL_OTOPL_LIQUID", QT_TRANSLATE_NOOP("HousingPage", "на жидком топливе")},
    {"BL_OTOPL_GAS", QT_TRANSLATE_NOOP("HousingPage", "на газу")},
    {"BL_OTOPL_PROCH", QT_TRANSLATE_NOOP("HousingPage", "прочее отопление")},
    {"BL_OTOPL_AVTO", QT_TRANSLATE_NOOP("HousingPage", "автономная отопление (от индивидуальных установок)")},
    {"BL_OTOP_ELEC", QT_TRANSLATE_NOOP("HousingPage", "от электричества")},
    {"BL_OTOPL_PROCH_SUN", QT_TRANSLATE_NOOP("HousingPage", "энергия солнечного излучения  ")},
    {"BL_OTOPL_PROCH_WIND", QT_TRANSLATE_NOOP("HousingPage", "энергия ветра ")},
    {"BL_OTOPL_PROCH_OTH", QT_TRANSLATE_NOOP("HousingPage", "топливо из органических отходов ")},
    {"BL_GORVODA", QT_TRANSLATE_NOOP("HousingPage", "Центральное горячее водоснабжение")},
    {"BL_GORVODA_IND", QT_TRANSLATE_NOOP("HousingPage", "Горячее водоснабжение от индивидуальных водонагревателей")},
    {"BL_VANNA", QT_TRANSLATE_NOOP("HousingPage", "стационарная ванна или душ")},
    {"BL_EL_PLITA", QT_TRANSLATE_NOOP("HousingPage", "Электроплита (напольная)")},
    {"BL_GAZ_PRIR", QT_TRANSLATE_NOOP("HousingPage", "газ сетевой (природный)")},
    {"BL_GAZ_PRIV", QT_TRANSLATE_NOOP("HousingPage", "газ сжиженный (в балонах, газгольдерах)")},
};
constexpr const char *FirstRenewable = "BL_OTOPL_PROCH_SUN";

} // namespace

HousingPage::HousingPage(TFDM &fdm, PromptPort &port, QWidget *parent)
    : QWidget(parent)
    , m_housing(fdm.section(u"TRZHF"_s))
    , m_port(port)
{
    m_binding = new FieldBinding(
        m_housing, [&port](const std::exception &e) { AppExceptionHandler(port).AppException(e); }, this);
    auto *content = new QWidget(this);

    auto named = [&]<typename W>(W *widget, const QString &column) {
        widget->setObjectName(column);
        m_fields.insert(column, widget);
        return widget;
    };
    auto text = [&](const QString &column, const InputFilter::Options &options = {},
                    FieldBinding::Format shownAs = {}) {
        auto *edit = named(new QLineEdit(content), column);
        m_binding->bindLineEdit(edit, column, std::move(shownAs));
        InputFilter::attach(edit, options);
        return edit;
    };
    auto date = [&](const QString &column, FieldBinding::Format shownAs = {}) {
        auto *edit = named(new QLineEdit(content), column);
        edit->setPlaceholderText(tr("дд.мм.гггг"));
        m_binding->bindLineEdit(edit, column, std::move(shownAs));
        YearCheck::attach(edit, port);
        return edit;
    };
    auto lookup = [&](const QString &column, const QString &referenceTable) {
        auto *combo = named(new QComboBox(content), column);
        // Long reference names would widen the form past the amenities.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(24);
        m_binding->bindLookup(combo, column, fdm.reference(referenceTable), u"ID"_s, u"NAME_RUS"_s);
        return combo;
    };

    auto *form = new QFormLayout;
    form->addRow(tr("Идентификационный код дома*"), text(u"IKD"_s, {.digitsOnly = true, .maxLength = 16}));
    form->addRow(tr("Идентификационный код квартиры"), text(u"FLAT_ID"_s, {.maxLength = 16}));
    // Kept with the row, not shown.
    text(u"AR"_s, {.digitsOnly = true, .maxLength = 16})->hide();
    form->addRow(tr("Тип жилого дома (квартиры):"), lookup(u"SPVOB_ID"_s, u"KPU_SPR_SPVOB"_s));

    auto *situation = new QGroupBox(tr("Ситуация дома*"), content);
    auto *situationGrid = new QGridLayout(situation);
    m_situation = new QButtonGroup(this);
    auto *livedIn = new QRadioButton(tr("Дом жилой"), situation);
    auto *left = new QRadioButton(tr("Дом выбыл"), situation);
    livedIn->setObjectName(u"IS_RETIRED_0"_s);
    left->setObjectName(u"IS_RETIRED_1"_s);
    m_situation->addButton(livedIn, 0);
    m_situation->addButton(left, 1);
    m_retireDateCaption = new QLabel(tr("дата выбытия"), situation);
    m_retireReasonCaption = new QLabel(tr("причина выбытия"), situation);
    situationGrid->addWidget(livedIn, 0, 0);
    situationGrid->addWidget(lookup(u"HS_ID"_s, u"KPU_SPR_HS"_s), 0, 1, 1, 3);
    situationGrid->addWidget(left, 1, 0);
    situationGrid->addWidget(m_retireDateCaption, 1, 1);
    situationGrid->addWidget(date(u"DATE_RETIRE"_s), 1, 2);
    situationGrid->addWidget(m_retireReasonCaption, 2, 1);
    situationGrid->addWidget(lookup(u"RETIRED_ID"_s, u"KPU_SPR_HR"_s), 2, 2, 1, 2);
    situationGrid->setColumnStretch(3, 1);
    form->addRow(situation);

    form->addRow(tr("Вид собственности жилого помещения (квартиры)*"), lookup(u"VSZHP_ID"_s, u"KPU_SPR_VSZHP"_s));
    form->addRow(tr("общая площадь*"), text(u"FULL_SQ"_s, {.maxLength = 11}, oneDecimal));
    form->addRow(tr("жилая площадь*"), text(u"LIVING_SQ"_s, {.maxLength = 11}, oneDecimal));
    form->addRow(tr("Количество комнат*"), text(u"KOL_KOMNAT"_s, {.digitsOnly = true, .maxLength = 9}));
    form->addRow(tr("Материал наружных стен*"), lookup(u"HW_ID"_s, u"KPU_SPR_HW"_s));
    form->addRow(tr("Год ввода в эксплуатацию"), date(u"DATE_ENTER"_s, dateOnly));
    QLineEdit *actual = date(u"DATE_ACTUAL"_s);
    actual->setReadOnly(true); // kept by the database
    actual->setPlaceholderText(QString());
    form->addRow(tr("Дата актуализации"), actual);

    auto *amenities = new QGroupBox(tr("Благоустройство (да/нет)"), content);
    auto *amenityList = new QVBoxLayout(amenities);
    for (const Amenity &amenity : Amenities) {
        const QString column = QString::fromLatin1(amenity.field);
        if (column == QLatin1String(FirstRenewable))
            amenityList->addWidget(new QLabel(tr("от возобновляемых источников энергии:"), amenities));
        auto *box = named(new QCheckBox(tr(amenity.caption), amenities), column);
        m_binding->bindCheckBox(box, column);
        amenityList->addWidget(box);
    }
    amenityList->addStretch();

    auto *columns = new QHBoxLayout(content);
    columns->addLayout(form);
    columns->addWidget(amenities, 1); // the long captions get the room
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    // The housing row's own actions; the card's are those of the main window.
    auto *bar = new QHBoxLayout;
    auto button = [&](const QString &name, const QString &caption, std::function<void()> action) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [&port, action] { guarded(port, action); });
        bar->addWidget(b);
        return b;
    };
    Dataset &housing = m_housing;
    QPushButton *add = button(u"add"_s, tr("Добавить"), [&housing] { housing.append(); });
    QPushButton *remove = button(u"remove"_s, tr("Удалить"), [&housing] { housing.remove(); });
    QPushButton *save = button(u"save"_s, tr("Сохранить"), [&housing] { housing.post(); });
    QPushButton *cancel = button(u"cancel"_s, tr("Отменить"), [&housing] { housing.cancel(); });
    bar->addStretch();
    auto updateActions = [&housing, add, remove, save, cancel] {
        const bool active = housing.isActive();
        const bool editing = active && housing.isEditing();
        add->setEnabled(active && !editing);
        remove->setEnabled(active && !editing && !housing.isEmpty());
        save->setEnabled(editing);
        cancel->setEnabled(editing);
    };

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll, 1);

    connect(m_situation, &QButtonGroup::idClicked, this, &HousingPage::situationClicked);
    auto rowShown = [this, updateActions] {
        showSituation();
        situationChanged();
        updateActions();
    };
    connect(&m_housing, &Dataset::reset, this, rowShown);
    connect(&m_housing, &Dataset::currentRowChanged, this, rowShown);
    connect(&m_housing, &Dataset::stateChanged, this, rowShown);
    connect(&m_housing, &Dataset::rowRemoved, this, rowShown);
    connect(&m_housing, &Dataset::valueChanged, this, [this](const QString &column) {
        if (column == u"IS_RETIRED"_s) {
            showSituation();
            situationChanged();
        }
    });
    rowShown();
}

QRadioButton *HousingPage::situationButton(int isRetired) const
{
    return qobject_cast<QRadioButton *>(m_situation->button(isRetired));
}

void HousingPage::situationChanged()
{
    const Housing::Situation situation = Housing::situation(m_housing);
    const bool livedIn = situation == Housing::Situation::LivedIn;
    const bool left = situation == Housing::Situation::Left;
    m_fields.value(u"HS_ID"_s)->setEnabled(livedIn);
    for (QWidget *w : {m_fields.value(u"DATE_RETIRE"_s), m_fields.value(u"RETIRED_ID"_s),
                       static_cast<QWidget *>(m_retireDateCaption), static_cast<QWidget *>(m_retireReasonCaption)})
        w->setEnabled(left);
}

// The radio group shows IS_RETIRED of the current row; NULL ticks neither.
void HousingPage::showSituation()
{
    const Housing::Situation situation = Housing::situation(m_housing);
    if (situation == Housing::Situation::None) {
        m_situation->setExclusive(false);
        for (QAbstractButton *b : m_situation->buttons())
            b->setChecked(false);
        m_situation->setExclusive(true);
        return;
    }
    situationButton(situation == Housing::Situation::Left ? 1 : 0)->setChecked(true);
}

// As a bound widget does: the user's choice starts editing the row.
void HousingPage::situationClicked(int isRetired)
{
    Dataset &housing = m_housing;
    guarded(m_port, [&] {
        if (!housing.isActive() || housing.isEmpty())
            return;
        if (!housing.isEditing())
            housing.edit();
        housing.setValue(u"IS_RETIRED"_s, isRetired);
    });
    showSituation();
    situationChanged();
}

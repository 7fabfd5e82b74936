#include "db/FieldBinding.h"

#include "db/Dataset.h"
#include "db/ErrorGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace {

// Keys of a lookup may come as int from one table and as qlonglong from another.
bool sameKey(const QVariant &a, const QVariant &b)
{
    if (!a.isValid() || !b.isValid())
        return false;
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.toLongLong(&okA);
    const qlonglong y = b.toLongLong(&okB);
    if (okA && okB)
        return x == y;
    return a == b;
}

} // namespace

template<typename F>
bool FieldBinding::guarded(F &&action)
{
    return runReporting(std::forward<F>(action), [this](const std::exception &e) { report(e); });
}

FieldBinding::FieldBinding(Dataset &dataset, ErrorHandler onError, QObject *parent)
    : QObject(parent)
    , m_dataset(&dataset)
    , m_onError(std::move(onError))
{
    connect(&dataset, &Dataset::reset, this, &FieldBinding::refresh);
    connect(&dataset, &Dataset::currentRowChanged, this, &FieldBinding::refresh);
    connect(&dataset, &Dataset::stateChanged, this, [this](DatasetState state) {
        // Posted, cancelled or closed: what the widgets hold is no longer input.
        if (state == DatasetState::Browse || state == DatasetState::Inactive)
            refresh();
    });
    connect(&dataset, &Dataset::rowChanged, this, [this](int row) {
        if (!m_dataset || row != m_dataset->recNo())
            return;
        for (Binding &b : m_bindings) {
            if (!b.pending)
                show(b);
        }
    });
    dataset.addInputWriter(this, [this] {
        for (Binding &b : m_bindings)
            writePending(b); // throws on invalid input, which stops the post
    });
}

FieldBinding::~FieldBinding() = default;

void FieldBinding::add(const Binding &binding)
{
    m_bindings.append(binding);
    show(m_bindings.last());
}

FieldBinding::Binding *FieldBinding::find(const QWidget *widget)
{
    for (Binding &b : m_bindings) {
        if (b.widget == widget)
            return &b;
    }
    return nullptr;
}

void FieldBinding::bindLineEdit(QLineEdit *edit, const QString &field)
{
    bindLineEdit(edit, field, Format());
}

void FieldBinding::bindLineEdit(QLineEdit *edit, const QString &field, Format shownAs)
{
    Binding binding{Kind::LineEdit, edit, field.toUpper(), {}, {}, {}};
    binding.shownAs = std::move(shownAs);
    add(binding);
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { userChanged(edit); });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
        if (Binding *b = find(edit))
            guarded([&] { writePending(*b); });
    });
}

void FieldBinding::bindCheckBox(QCheckBox *box, const QString &field)
{
    add({Kind::CheckBox, box, field.toUpper(), {}, {}, {}});
    connect(box, &QCheckBox::clicked, this, [this, box](bool checked) {
        Binding *b = find(box);
        if (!b || !beginEdit(*b))
            return;
        if (!guarded([&] { m_dataset->setValue(b->field, checked ? 1 : 0); }))
            show(*b);
    });
}

void FieldBinding::bindLookup(QComboBox *combo, const QString &field, Dataset &lookup, const QString &keyField,
                              const QString &displayField)
{
    Binding binding{Kind::Lookup, combo, field.toUpper(), &lookup, keyField, displayField};
    fillLookup(binding);
    add(binding);
    auto refill = [this, combo] {
        if (Binding *b = find(combo)) {
            fillLookup(*b);
            show(*b);
        }
    };
    connect(&lookup, &Dataset::reset, this, refill);
    connect(&lookup, &Dataset::rowInserted, this, refill);
    connect(&lookup, &Dataset::rowRemoved, this, refill);
    connect(&lookup, &Dataset::rowChanged, this, refill);
    connect(combo, &QComboBox::activated, this, [this, combo](int index) {
        Binding *b = find(combo);
        if (!b || !beginEdit(*b))
            return;
        if (!guarded([&] { m_dataset->setValue(b->field, combo->itemData(index)); }))
            show(*b);
    });
}

void FieldBinding::bindDateEdit(QDateEdit *edit, const QString &field)
{
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setSpecialValueText(QStringLiteral(" ")); // shown at the minimum date: no date
    add({Kind::DateEdit, edit, field.toUpper(), {}, {}, {}});
    connect(edit, &QDateEdit::dateChanged, this, [this, edit] { userChanged(edit); });
    connect(edit, &QDateEdit::editingFinished, this, [this, edit] {
        if (Binding *b = find(edit))
            guarded([&] { writePending(*b); });
    });
}

void FieldBinding::refresh()
{
    for (Binding &b : m_bindings)
        show(b);
}

void FieldBinding::show(Binding &b)
{
    b.pending = false;
    if (!b.widget)
        return;
    QVariant value;
    if (m_dataset && m_dataset->recNo() >= 0 && m_dataset->hasField(b.field))
        value = m_dataset->value(b.field);

    m_showing = true;
    switch (b.kind) {
    case Kind::LineEdit: {
        auto *edit = static_cast<QLineEdit *>(b.widget.data());
        const QString text = b.shownAs ? b.shownAs(value) : Dataset::displayText(value);
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case Kind::CheckBox:
        static_cast<QCheckBox *>(b.widget.data())->setChecked(value.isValid() && value.toInt() == 1);
        break;
    case Kind::Lookup: {
        auto *combo = static_cast<QComboBox *>(b.widget.data());
        int index = -1;
        for (int i = 0; i < combo->count() && index < 0; ++i) {
            if (sameKey(combo->itemData(i), value))
                index = i;
        }
        combo->setCurrentIndex(index);
        break;
    }
    case Kind::DateEdit: {
        auto *edit = static_cast<QDateEdit *>(b.widget.data());
        const QDate date = value.toDate();
        edit->setDate(date.isValid() ? date : edit->minimumDate());
        break;
    }
    }
    m_showing = false;
}

void FieldBinding::fillLookup(Binding &b)
{
    auto *combo = static_cast<QComboBox *>(b.widget.data());
    if (!combo)
        return;
    m_showing = true;
    combo->clear();
    Dataset *lookup = b.lookup;
    if (lookup && lookup->hasField(b.keyField) && lookup->hasField(b.displayField)) {
        for (int row = 0; row < lookup->recordCount(); ++row)
            combo->addItem(lookup->valueAt(row, b.displayField).toString(), lookup->valueAt(row, b.keyField));
    }
    m_showing = false;
}

// The user's first change while the dataset browses starts editing; where
// that is impossible the widget shows the field again.
bool FieldBinding::beginEdit(Binding &b)
{
    Dataset *ds = m_dataset;
    if (!ds || !ds->isActive() || ds->isEmpty()) {
        show(b);
        return false;
    }
    if (ds->isEditing())
        return true;
    if (!guarded([&] { ds->edit(); }) || !ds->isEditing()) {
        show(b);
        return false;
    }
    return true;
}

void FieldBinding::userChanged(QWidget *widget)
{
    if (m_showing)
        return;
    Binding *b = find(widget);
    if (b && beginEdit(*b))
        b->pending = true;
}

void FieldBinding::writePending(Binding &b)
{
    if (!b.pending || !b.widget || !m_dataset)
        return;
    if (!m_dataset->isEditing()) { // the input went with a cancel
        show(b);
        return;
    }
    QVariant value;
    if (b.kind == Kind::LineEdit) {
        value = static_cast<QLineEdit *>(b.widget.data())->text();
    } else if (b.kind == Kind::DateEdit) {
        auto *edit = static_cast<QDateEdit *>(b.widget.data());
        if (edit->date() != edit->minimumDate())
            value = edit->date();
    }
    m_dataset->setValue(b.field, value); // stays pending when the text does not convert
    show(b);                              // in the field's own form ("12,5" -> "12.5000")
}

void FieldBinding::report(const std::exception &e)
{
    if (m_onError)
        m_onError(e);
    else
        qWarning("%s", e.what());
}

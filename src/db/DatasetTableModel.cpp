#include "db/DatasetTableModel.h"

#include "db/Dataset.h"
#include "db/ErrorGuard.h"

#include <QItemSelectionModel>
#include <QTableView>

DatasetTableModel::DatasetTableModel(Dataset &dataset, const QList<Column> &columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dataset(&dataset)
    , m_columns(columns)
    , m_rows(dataset.recordCount())
{
    // The dataset reports changes after making them; the model's own row count
    // lets the views see the old shape between begin and end.
    connect(&dataset, &Dataset::reset, this, [this] {
        beginResetModel();
        m_rows = m_dataset ? m_dataset->recordCount() : 0;
        if (m_allFields && m_dataset && m_dataset->isActive()) {
            m_columns.clear();
            for (const FieldInfo &f : m_dataset->fields())
                m_columns.append({f.name, f.name});
        }
        endResetModel();
    });
    connect(&dataset, &Dataset::rowInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        ++m_rows;
        endInsertRows();
    });
    connect(&dataset, &Dataset::rowRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        --m_rows;
        endRemoveRows();
    });
    connect(&dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < m_rows && !m_columns.isEmpty())
            emit dataChanged(index(row, 0), index(row, m_columns.size() - 1));
    });
}

DatasetTableModel *DatasetTableModel::allFields(Dataset &dataset, QObject *parent)
{
    auto *model = new DatasetTableModel(dataset, {}, parent);
    model->m_allFields = true;
    for (const FieldInfo &f : dataset.fields())
        model->m_columns.append({f.name, f.name});
    return model;
}

int DatasetTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DatasetTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

bool DatasetTableModel::isShown(int column) const
{
    return m_dataset && column >= 0 && column < m_columns.size() && m_dataset->hasField(m_columns[column].field);
}

QVariant DatasetTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || !isShown(index.column()))
        return {};
    const Column &column = m_columns[index.column()];
    QVariant value;
    try {
        value = m_dataset->valueAt(index.row(), column.field);
    } catch (const std::exception &) {
        return {}; // a calculated field whose function failed shows empty
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return column.checkBox ? QVariant() : QVariant(Dataset::displayText(value));
    case Qt::CheckStateRole:
        if (column.checkBox)
            return value.toInt() == 1 ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole: {
        const FieldInfo info = m_dataset->field(column.field);
        const int id = info.type.id();
        if (info.type == QMetaType::fromType<Decimal>() || id == QMetaType::Int || id == QMetaType::LongLong
            || id == QMetaType::Double)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    default:
        return {};
    }
}

QVariant DatasetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DatasetTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!index.isValid() || !isShown(index.column()) || m_dataset->isReadOnly())
        return f;
    const Column &column = m_columns[index.column()];
    if (m_dataset->field(column.field).calculated)
        return f;
    return f | (column.checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

template<typename F>
bool DatasetTableModel::guarded(F &&action)
{
    return runReporting(std::forward<F>(action), [this](const std::exception &e) {
        if (m_onError)
            m_onError(e);
        else
            qWarning("%s", e.what());
    });
}

bool DatasetTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows || !isShown(index.column()))
        return false;
    const Column &column = m_columns[index.column()];
    QVariant input;
    if (column.checkBox && role == Qt::CheckStateRole)
        input = value.toInt() == Qt::Checked ? 1 : 0;
    else if (!column.checkBox && role == Qt::EditRole)
        input = value;
    else
        return false;
    // A delegate hands the text back even when nothing was typed; that starts no editing.
    if (!column.checkBox && value.toString() == data(index, Qt::EditRole).toString())
        return true;
    return guarded([&] {
        Dataset &ds = *m_dataset;
        if (ds.recNo() != index.row())
            ds.moveTo(index.row());
        if (!ds.isEditing())
            ds.edit();
        ds.setValue(column.field, input);
    });
}

void DatasetTableModel::attach(QTableView *view)
{
    view->setModel(this);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, view](const QModelIndex &current) {
                if (m_syncing || !m_dataset || !current.isValid() || current.row() == m_dataset->recNo())
                    return;
                m_syncing = true;
                guarded([&] { m_dataset->moveTo(current.row()); });
                m_syncing = false;
                showCurrentRow(view); // back to the dataset's row when the move was refused
            });
    connect(m_dataset, &Dataset::currentRowChanged, view, [this, view] {
        if (!m_syncing)
            showCurrentRow(view);
    });
    connect(this, &QAbstractItemModel::modelReset, view, [this, view] { showCurrentRow(view); });
    showCurrentRow(view);
}

void DatasetTableModel::showCurrentRow(QTableView *view)
{
    if (!m_dataset)
        return;
    const int row = m_dataset->recNo();
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    const QModelIndex target = row >= 0 && row < m_rows ? index(row, qMax(0, current.column())) : QModelIndex();
    m_syncing = true;
    // The view scrolls to its new current row itself (autoScroll): at once
    // when visible, otherwise when shown. Scrolling a hidden view here would
    // lay it out at once, after a reopen measuring every header title again.
    view->setCurrentIndex(target);
    m_syncing = false;
}

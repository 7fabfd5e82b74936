#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QString>

#include <exception>
#include <functional>

class Dataset;
class QTableView;

// A grid's view of a Dataset: one row per dataset row, one column per listed
// field. Decimals show their places, dates dd.MM.yyyy, timestamps
// dd.MM.yyyy HH:mm:ss; a check-box column shows a 0/1 flag. When the dataset
// is editable, an edited cell moves the dataset to its row, starts editing and
// sets the value; errors (a read-only section, a value that does not convert,
// a refused post) go to the error handler, since Qt's slots must not throw.
class DatasetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString field;
        QString title;
        bool checkBox = false; // 1 ticked, 0 or NULL cleared
    };
    using ErrorHandler = std::function<void(const std::exception &)>;

    DatasetTableModel(Dataset &dataset, const QList<Column> &columns, QObject *parent = nullptr);
    // Every field of the dataset, titled with its name; the columns follow the
    // fields each time the dataset opens (a plain grid of a whole section).
    static DatasetTableModel *allFields(Dataset &dataset, QObject *parent = nullptr);

    void setErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

    // Shows the model in `view` and keeps the view's current row and the
    // dataset's current row the same, whichever of the two moves.
    void attach(QTableView *view);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    bool isShown(int column) const;
    template<typename F>
    bool guarded(F &&action);
    void showCurrentRow(QTableView *view);

    QPointer<Dataset> m_dataset;
    QList<Column> m_columns;
    int m_rows = 0; // as the views know it, between the dataset's signals
    ErrorHandler m_onError;
    bool m_syncing = false;
    bool m_allFields = false;
};

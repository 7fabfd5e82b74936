#pragma once

#include "db/Decimal.h"

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

class DbSession;

// Thrown by a record rule that refuses an operation after showing its own
// message: the operation stops, the row stays in editing with its input kept,
// and nobody reports anything further (the application error handler ignores it).
struct Abort
{
};

// Raised by the dataset layer itself; the texts begin with the fragments the
// application error handler replaces ("Cannot modify", "Cannot delete",
// "Cannot ref"), so a section made read-only reports the catalog message.
// A value that does not convert to its field's type says "'abc' is not a
// valid floating point value" (or "integer value", "date", ...).
class DatasetError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class DatasetState { Inactive, Browse, Edit, Insert };

// The four statements that make a dataset editable. Values are named
// parameters: ":NAME" is the row's current value of field NAME, ":OLD_NAME"
// its value as read (so modify and delete address the row by ":OLD_ID").
// An insert that ends in "returning ..." stores the returned columns into the
// new row (the database assigns ID). Refresh rereads one row by ":ID" after
// every post, so values the database fills (dates of actuality) show at once;
// when it finds no row the post fails with "Cannot refresh ...". A name that
// is no field is taken from the dataset's parameters (setParam).
struct StatementSet
{
    QString insertSql;
    QString modifySql;
    QString deleteSql;
    QString refreshSql;
};

struct FieldInfo
{
    QString name;       // upper case, as the database names the column
    QMetaType type;     // int, qlonglong, QString, QDate, QDateTime, Decimal
    int scale = 0;      // places of a Decimal field
    int length = 0;     // characters of a text field
    bool calculated = false;
};

// One row of a dataset, for calculated-field functions and grid models.
class RowView
{
public:
    RowView(const class Dataset &dataset, int row) : m_dataset(dataset), m_row(row) {}
    QVariant value(const QString &field) const;
    bool isNull(const QString &field) const;
    int row() const { return m_row; }

private:
    const class Dataset &m_dataset;
    int m_row;
};

// A query whose rows are read whole when it opens, with a current row, states
// and, when it has a StatementSet, editing. Record rules hook into it through
// the event members below, which run synchronously in the order the record
// layer needs them. Every post and delete is one Operation of the session
// (committed at its end, rolled back on failure), together with whatever its
// before/after handlers do.
//
// Values: NULL is an invalid QVariant; NUMERIC columns are Decimal with the
// column's scale; INTEGER and SMALLINT int; BIGINT qlonglong; texts QString
// (an empty text is stored as NULL); DATE QDate; TIMESTAMP QDateTime.
//
// Moving to another row (navigation, refresh, append) while a row is being
// edited first posts it when a value was set, or cancels it otherwise; a
// failed post stops the move. close() and a new open() discard the editing.
class Dataset : public QObject
{
    Q_OBJECT

public:
    Dataset(DbSession &session, const QString &name, QObject *parent = nullptr);
    ~Dataset() override;

    QString name() const { return m_name; }

    // --- statement and parameters
    void setSelectSql(const QString &sql); // closes the dataset
    QString selectSql() const;
    void setParam(const QString &name, const QVariant &value); // ":NAME" in the select
    QVariant param(const QString &name) const;
    void setStatements(const std::optional<StatementSet> &statements); // nullopt: read-only
    bool isReadOnly() const;

    // --- opening (DatabaseError on a server error; the dataset stays closed)
    void open();
    void close();
    bool isActive() const;
    // Rereads the rows with the same parameters and returns to the row with the
    // same ID (or the same position when there is no ID field).
    void refresh();

    // --- navigation; first, prior, next, last, moveTo and a successful locate
    // run the after-scroll handler unless it is held (also when the row stays
    // the same); so do open(), append(), remove() and the cancel of a new row
    int recordCount() const;
    int recNo() const; // current row from 0; -1 when empty
    bool isEmpty() const { return recordCount() == 0; }
    // The classic loop "first(); while (!eof()) { ...; next(); }" visits every row:
    bool bof() const;  // empty, or after open()/first(), or a prior() found no row before
    bool eof() const;  // empty, or after last(), or a next() found no row after
    void first();
    void prior();
    void next();
    void last();
    void moveTo(int row);
    bool locate(const QString &field, const QVariant &value);

    // --- states
    DatasetState state() const;
    bool isEditing() const; // Edit or Insert
    void append();          // a new empty row at the end, state Insert
    void edit();            // state Edit (nothing on an empty dataset); "Cannot modify ..." when read-only
    void post();            // writes the row; Abort or DatabaseError leave it in editing
    void cancel();          // discards the input; a new row disappears
    void remove();          // deletes the current row; "Cannot delete ..." when read-only

    // --- fields of the current row (a name that is no field throws DatasetError)
    QList<FieldInfo> fields() const;
    bool hasField(const QString &name) const;
    FieldInfo field(const QString &name) const;
    QVariant value(const QString &field) const;
    bool isNull(const QString &field) const;
    QVariant oldValue(const QString &field) const; // as read; invalid for a new row
    // Only while editing ("Dataset not in edit or insert mode" otherwise).
    // Converts text, numbers and dates to the field's type; runs onFieldChange.
    void setValue(const QString &field, const QVariant &value);
    void clearValue(const QString &field) { setValue(field, QVariant()); }

    // Any row, for grids; does not move the current row.
    QVariant valueAt(int row, const QString &field) const;

    // A value as grids and edits show it: Decimal with its places, dates
    // dd.MM.yyyy, timestamps dd.MM.yyyy HH:mm:ss, NULL as empty text.
    static QString displayText(const QVariant &value);

    // A widget that keeps typed text until the user leaves it registers a
    // writer here; every writer runs before a post (and before a move decides
    // between post and cancel), so a save by shortcut keeps the text. A writer
    // may throw (invalid input stops the post). It is dropped with `owner`.
    void addInputWriter(QObject *owner, std::function<void()> write);

    // Calculated fields: computed from the row whenever they are read.
    using CalcFunction = std::function<QVariant(const RowView &row)>;
    void addCalculatedField(const QString &name, QMetaType type, CalcFunction function);

    // --- events (any may throw Abort to stop the operation silently)
    std::function<void(Dataset &)> beforeOpen;
    std::function<void(Dataset &)> afterOpen;
    std::function<void(Dataset &)> beforePost;
    std::function<void(Dataset &)> afterPost;
    std::function<void(Dataset &)> beforeDelete;
    std::function<void(Dataset &)> afterDelete;
    std::function<void(Dataset &)> afterScroll;
    std::function<void(Dataset &, const QString &field)> onFieldChange;

    // The after-scroll handler is held while any AfterScrollHold lives.
    class AfterScrollHold
    {
    public:
        explicit AfterScrollHold(Dataset &dataset);
        ~AfterScrollHold();
        AfterScrollHold(const AfterScrollHold &) = delete;
        AfterScrollHold &operator=(const AfterScrollHold &) = delete;

    private:
        Dataset &m_dataset;
    };
    void runAfterScroll(); // runs the handler now (unless held)

signals:
    void reset();                        // opened, closed, reread: views rebuild
    void currentRowChanged(int row);
    void rowChanged(int row);            // values of a row changed
    void rowInserted(int row);
    void rowRemoved(int row);
    void stateChanged(DatasetState state);
    void valueChanged(const QString &field);

private:
    struct Private;
    Private *d;
    QString m_name;
};

Q_DECLARE_METATYPE(DatasetState)

#include "db/Dataset.h"

#include "db/DatasetSql.h"
#include "db/DbSession.h"
#include "db/FieldValues.h"

#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

using namespace DatasetSql;
using FieldValues::isDecimal;

DatasetError fieldNotFound(const QString &dataset, const QString &field)
{
    return DatasetError(QStringLiteral("%1: field '%2' not found").arg(dataset, field).toStdString());
}

} // namespace

// ==================================================================== Private

struct Dataset::Private
{
    Private(Dataset *owner, DbSession &s) : q(owner), session(s) {}

    Dataset *q;
    DbSession &session;

    QString selectSql;
    QHash<QString, QVariant> params; // names upper case
    std::optional<StatementSet> statements;

    bool active = false;
    DatasetState state = DatasetState::Inactive;

    QList<FieldInfo> dataFields; // the select's columns, in order
    struct Calculated
    {
        FieldInfo info;
        CalcFunction function;
    };
    QList<Calculated> calculated;
    QHash<QString, int> index; // name -> position in fields(), calculated ones after the columns

    QList<QList<QVariant>> rows;
    int current = -1;
    bool bof = true;
    bool eof = true;

    QList<QVariant> original; // the current row as read, while it is edited
    bool modified = false;    // a value was set since editing began
    int rowBeforeInsert = -1;
    quint64 generation = 0; // counts rereads, so a post can tell its row was replaced
    int scrollHolds = 0;

    struct InputWriter
    {
        QPointer<QObject> owner;
        std::function<void()> write;
    };
    QList<InputWriter> inputWriters;

    // ------------------------------------------------------------ helpers

    void rebuildIndex()
    {
        index.clear();
        for (int i = 0; i < dataFields.size(); ++i) {
            if (!index.contains(dataFields[i].name))
                index.insert(dataFields[i].name, i);
        }
        for (int i = 0; i < calculated.size(); ++i)
            index.insert(calculated[i].info.name, dataFields.size() + i);
    }

    int position(const QString &field) const
    {
        const auto it = index.constFind(field.toUpper());
        if (it == index.constEnd())
            throw fieldNotFound(q->name(), field);
        return *it;
    }

    void checkActive() const
    {
        if (!active) {
            throw DatasetError(
                QStringLiteral("Cannot perform this operation on a closed dataset (%1)").arg(q->name()).toStdString());
        }
    }

    void setState(DatasetState s)
    {
        if (state == s)
            return;
        state = s;
        emit q->stateChanged(s);
    }

    bool editing() const { return state == DatasetState::Edit || state == DatasetState::Insert; }

    void writePendingInput()
    {
        const QList<InputWriter> writers = inputWriters; // a writer may add or drop others
        for (const InputWriter &w : writers) {
            if (w.owner)
                w.write();
        }
    }

    // Leaves editing before a move: posts what was typed, drops an untouched row.
    void checkBrowseMode()
    {
        checkActive();
        writePendingInput();
        if (!editing())
            return;
        if (modified)
            q->post();
        else
            cancelEditing(false);
    }

    void cancelEditing(bool scroll)
    {
        if (state == DatasetState::Insert) {
            const int row = current;
            rows.removeAt(row);
            ++generation;
            original.clear();
            modified = false;
            current = rows.isEmpty() ? -1 : qBound(0, rowBeforeInsert, int(rows.size()) - 1);
            bof = eof = rows.isEmpty();
            setState(DatasetState::Browse);
            emit q->rowRemoved(row);
            emit q->currentRowChanged(current);
            if (scroll)
                q->runAfterScroll();
        } else if (state == DatasetState::Edit) {
            rows[current] = original;
            original.clear();
            modified = false;
            setState(DatasetState::Browse);
            emit q->rowChanged(current);
        }
    }

    // Places the current row after a move and runs the after-scroll handler.
    void moveTo(int row, bool atBof, bool atEof)
    {
        const int before = current;
        current = rows.isEmpty() ? -1 : qBound(0, row, int(rows.size()) - 1);
        bof = atBof || rows.isEmpty();
        eof = atEof || rows.isEmpty();
        if (current != before)
            emit q->currentRowChanged(current);
        q->runAfterScroll();
    }

    // The value a statement's ":NAME" stands for.
    QVariant statementValue(const QString &name) const
    {
        if (index.contains(name))
            return q->valueAt(current, name);
        if (name.startsWith(u"OLD_"_s) && index.contains(name.mid(4)))
            return q->oldValue(name.mid(4));
        if (params.contains(name))
            return params.value(name);
        throw DatasetError(
            QStringLiteral("%1: no field or parameter :%2 for a statement").arg(q->name(), name).toStdString());
    }

    struct Result
    {
        QList<FieldInfo> columns;
        QList<QList<QVariant>> rows;
    };

    // Runs `sql` with its named values; reads every row (at most one unless
    // `allRows`) and lets the query go at once: a cursor left open would die
    // at the next commit and could hold an old snapshot.
    Result execute(const QString &sql, const std::function<QVariant(const QString &)> &valueOf, bool allRows) const
    {
        const PositionalSql positional = toPositional(sql);
        const QSqlDatabase db = session.database();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.prepare(positional.sql))
            throw DatabaseError(query.lastError());
        for (const QString &name : positional.names)
            query.addBindValue(toDriver(valueOf(name)));
        if (!query.exec())
            throw DatabaseError(query.lastError());
        Result result;
        if (!query.isSelect())
            return result;
        result.columns = describeColumns(query, db.driver() && db.driver()->dbmsType() == QSqlDriver::Interbase);
        const int count = result.columns.size();
        while (query.next()) {
            QList<QVariant> row;
            row.reserve(count);
            for (int i = 0; i < count; ++i)
                row.append(fromDriver(query.value(i), result.columns[i]));
            result.rows.append(std::move(row));
            if (!allRows)
                break;
        }
        if (query.lastError().isValid())
            throw DatabaseError(query.lastError());
        return result;
    }

    Result select() const
    {
        return execute(
            selectSql, [this](const QString &name) { return params.value(name); }, true);
    }

    // Stores returned or reread columns of the same names into the current row.
    void store(const Result &result)
    {
        if (result.rows.isEmpty())
            return;
        const QList<QVariant> &values = result.rows.first();
        QList<QVariant> &row = rows[current];
        for (int i = 0; i < result.columns.size(); ++i) {
            const int pos = index.value(result.columns[i].name, -1);
            if (pos < 0 || pos >= dataFields.size())
                continue;
            const FieldInfo &f = dataFields[pos];
            const bool sameType = values[i].metaType() == f.type
                                  && (!isDecimal(f) || values[i].value<Decimal>().scale() == f.scale);
            row[pos] = !values[i].isValid() || sameType ? values[i] : FieldValues::convert(values[i], f);
        }
    }

    void load(Result &&result)
    {
        dataFields = std::move(result.columns);
        rows = std::move(result.rows);
        rebuildIndex();
        ++generation;
        original.clear();
        modified = false;
    }

    void clear()
    {
        rows.clear();
        original.clear();
        modified = false;
        current = -1;
        bof = eof = true;
        active = false;
        ++generation;
    }
};

// ==================================================================== RowView

QVariant RowView::value(const QString &field) const
{
    return m_dataset.valueAt(m_row, field);
}

bool RowView::isNull(const QString &field) const
{
    return !value(field).isValid();
}

// ==================================================================== Dataset

Dataset::Dataset(DbSession &session, const QString &name, QObject *parent)
    : QObject(parent)
    , d(new Private(this, session))
    , m_name(name)
{
    qRegisterMetaType<DatasetState>();
    qRegisterMetaType<Decimal>();
}

Dataset::~Dataset()
{
    delete d;
}

void Dataset::setSelectSql(const QString &sql)
{
    close();
    d->selectSql = sql;
}

QString Dataset::selectSql() const
{
    return d->selectSql;
}

void Dataset::setParam(const QString &name, const QVariant &value)
{
    QString key = name.toUpper();
    if (key.startsWith(u':'))
        key.remove(0, 1);
    d->params.insert(key, value);
}

QVariant Dataset::param(const QString &name) const
{
    QString key = name.toUpper();
    if (key.startsWith(u':'))
        key.remove(0, 1);
    return d->params.value(key);
}

void Dataset::setStatements(const std::optional<StatementSet> &statements)
{
    d->statements = statements;
}

bool Dataset::isReadOnly() const
{
    return !d->statements.has_value();
}

// ------------------------------------------------------------ opening

void Dataset::open()
{
    ReadScope reads(d->session); // the select and what the handlers read
    if (beforeOpen)
        beforeOpen(*this);
    Private::Result result;
    try {
        result = d->select();
    } catch (...) {
        close(); // a server error leaves the dataset closed
        throw;
    }
    // Reopening an open dataset drops its rows and any editing; the views
    // hear of it once, by the reset below.
    d->clear();
    d->load(std::move(result));
    d->active = true;
    d->current = d->rows.isEmpty() ? -1 : 0;
    d->bof = true;
    d->eof = d->rows.isEmpty();
    d->setState(DatasetState::Browse);
    emit reset();
    emit currentRowChanged(d->current);
    if (afterOpen)
        afterOpen(*this);
    runAfterScroll();
}

void Dataset::close()
{
    if (!d->active)
        return;
    d->clear();
    d->setState(DatasetState::Inactive);
    emit reset();
    emit currentRowChanged(-1);
}

bool Dataset::isActive() const
{
    return d->active;
}

void Dataset::refresh()
{
    d->checkBrowseMode();
    const bool byId = d->index.contains(u"ID"_s) && d->current >= 0;
    const QVariant id = byId ? value(u"ID"_s) : QVariant();
    const int position = d->current;

    d->load(d->select()); // on a server error the old rows stay
    int row = -1;
    if (byId) {
        const int pos = d->index.value(u"ID"_s);
        for (int i = 0; i < d->rows.size() && row < 0; ++i) {
            if (d->rows[i][pos] == id)
                row = i;
        }
    }
    if (row < 0)
        row = position;
    d->current = d->rows.isEmpty() ? -1 : qBound(0, row, int(d->rows.size()) - 1);
    d->bof = d->eof = d->rows.isEmpty();
    emit reset();
    emit currentRowChanged(d->current);
}

// ------------------------------------------------------------ navigation

int Dataset::recordCount() const
{
    return d->rows.size();
}

int Dataset::recNo() const
{
    return d->current;
}

bool Dataset::bof() const
{
    return d->bof || d->rows.isEmpty();
}

bool Dataset::eof() const
{
    return d->eof || d->rows.isEmpty();
}

void Dataset::first()
{
    d->checkBrowseMode();
    d->moveTo(0, true, false);
}

void Dataset::prior()
{
    d->checkBrowseMode();
    if (d->current <= 0)
        d->moveTo(d->current, true, false);
    else
        d->moveTo(d->current - 1, false, false);
}

void Dataset::next()
{
    d->checkBrowseMode();
    if (d->current >= d->rows.size() - 1)
        d->moveTo(d->current, false, true);
    else
        d->moveTo(d->current + 1, false, false);
}

void Dataset::last()
{
    d->checkBrowseMode();
    d->moveTo(d->rows.size() - 1, false, true);
}

void Dataset::moveTo(int row)
{
    d->checkBrowseMode();
    d->moveTo(row, false, false);
}

bool Dataset::locate(const QString &field, const QVariant &value)
{
    d->checkBrowseMode();
    const FieldInfo info = this->field(field);
    QVariant wanted;
    try {
        wanted = info.calculated ? value : FieldValues::convert(value, info);
    } catch (const DatasetError &) {
        return false; // a value the field cannot hold is in no row
    }
    for (int row = 0; row < d->rows.size(); ++row) {
        if (valueAt(row, info.name) == wanted) {
            d->moveTo(row, false, false);
            return true;
        }
    }
    return false;
}

// ------------------------------------------------------------ states

DatasetState Dataset::state() const
{
    return d->state;
}

bool Dataset::isEditing() const
{
    return d->editing();
}

void Dataset::append()
{
    d->checkActive();
    if (isReadOnly())
        throw DatasetError("Cannot modify a read-only dataset");
    if (d->statements->insertSql.isEmpty())
        throw DatasetError(QStringLiteral("Cannot modify: %1 has no insert statement").arg(m_name).toStdString());
    d->checkBrowseMode();
    d->rowBeforeInsert = d->current;
    d->rows.append(QList<QVariant>(d->dataFields.size()));
    ++d->generation;
    d->current = d->rows.size() - 1;
    d->bof = d->eof = false;
    d->original.clear();
    d->modified = false;
    emit rowInserted(d->current);
    d->setState(DatasetState::Insert);
    emit currentRowChanged(d->current);
    runAfterScroll();
}

void Dataset::edit()
{
    d->checkActive();
    if (isReadOnly())
        throw DatasetError("Cannot modify a read-only dataset");
    if (d->statements->modifySql.isEmpty())
        throw DatasetError(QStringLiteral("Cannot modify: %1 has no modify statement").arg(m_name).toStdString());
    if (d->editing() || d->rows.isEmpty())
        return;
    d->original = d->rows[d->current];
    d->modified = false;
    d->setState(DatasetState::Edit);
}

void Dataset::post()
{
    d->checkActive();
    d->writePendingInput();
    if (!d->editing())
        throw DatasetError("Dataset not in edit or insert mode");

    // Restored when the write or anything after it fails: the row stays in
    // editing with the input as it was handed to the database.
    struct Snapshot
    {
        int row = -1;
        QList<QVariant> values;
        QList<QVariant> original;
        DatasetState state = DatasetState::Edit;
        bool modified = false;
        quint64 generation = 0;
    } snapshot;
    try {
        Operation operation(d->session);
        if (beforePost)
            beforePost(*this);
        if (!d->editing()) { // the rule cancelled the input itself
            operation.commit();
            return;
        }
        snapshot = {d->current, d->rows[d->current], d->original, d->state, d->modified, d->generation};
        const bool inserting = d->state == DatasetState::Insert;
        const QString sql = inserting ? d->statements->insertSql : d->statements->modifySql;
        auto valueOf = [this](const QString &name) { return d->statementValue(name); };
        d->store(d->execute(sql, valueOf, false)); // "returning" columns
        if (!d->statements->refreshSql.isEmpty()) {
            const Private::Result fresh = d->execute(d->statements->refreshSql, valueOf, false);
            if (fresh.rows.isEmpty()) {
                throw DatasetError(
                    QStringLiteral("Cannot refresh the row of %1: the refresh statement found none").arg(m_name)
                        .toStdString());
            }
            d->store(fresh);
        }
        d->original.clear();
        d->modified = false;
        d->setState(DatasetState::Browse);
        emit rowChanged(d->current);
        if (afterPost)
            afterPost(*this);
        operation.commit();
    } catch (...) {
        // A handler that reread the dataset left rows that are no longer ours to mend.
        if (snapshot.row >= 0 && snapshot.generation == d->generation && d->active) {
            d->rows[snapshot.row] = snapshot.values;
            d->original = snapshot.original;
            d->modified = snapshot.modified;
            if (d->current != snapshot.row) {
                d->current = snapshot.row;
                emit currentRowChanged(d->current);
            }
            d->setState(snapshot.state);
            emit rowChanged(d->current);
        }
        throw;
    }
}

void Dataset::cancel()
{
    if (!d->editing())
        return;
    d->cancelEditing(true);
}

void Dataset::remove()
{
    d->checkActive();
    if (isReadOnly())
        throw DatasetError("Cannot delete from a read-only dataset");
    if (d->statements->deleteSql.isEmpty())
        throw DatasetError(QStringLiteral("Cannot delete: %1 has no delete statement").arg(m_name).toStdString());
    if (d->state == DatasetState::Insert) { // a row never written just goes
        d->cancelEditing(true);
        return;
    }
    if (d->state == DatasetState::Edit)
        d->cancelEditing(false);
    if (d->rows.isEmpty())
        throw DatasetError(QStringLiteral("Cannot delete from an empty dataset (%1)").arg(m_name).toStdString());

    const int row = d->current;
    const quint64 generation = d->generation;
    QList<QVariant> removed;
    bool taken = false;
    try {
        Operation operation(d->session);
        if (beforeDelete)
            beforeDelete(*this);
        d->execute(d->statements->deleteSql, [this](const QString &name) { return d->statementValue(name); }, false);
        removed = d->rows.takeAt(row);
        taken = true;
        ++d->generation;
        d->current = d->rows.isEmpty() ? -1 : qMin(row, int(d->rows.size()) - 1);
        d->bof = d->eof = d->rows.isEmpty();
        emit rowRemoved(row);
        emit currentRowChanged(d->current);
        if (afterDelete)
            afterDelete(*this);
        operation.commit();
    } catch (...) {
        if (taken && d->generation == generation + 1 && d->active) {
            d->rows.insert(row, removed);
            d->current = row;
            d->bof = d->eof = false;
            emit rowInserted(row);
            emit currentRowChanged(row);
        }
        throw;
    }
    runAfterScroll();
}

// ------------------------------------------------------------ fields

QList<FieldInfo> Dataset::fields() const
{
    QList<FieldInfo> all = d->dataFields;
    for (const Private::Calculated &c : d->calculated)
        all.append(c.info);
    return all;
}

bool Dataset::hasField(const QString &name) const
{
    return d->index.contains(name.toUpper());
}

FieldInfo Dataset::field(const QString &name) const
{
    const int pos = d->position(name);
    return pos < d->dataFields.size() ? d->dataFields[pos] : d->calculated[pos - d->dataFields.size()].info;
}

QVariant Dataset::value(const QString &field) const
{
    return valueAt(d->current, field);
}

bool Dataset::isNull(const QString &field) const
{
    return !value(field).isValid();
}

QVariant Dataset::oldValue(const QString &field) const
{
    const int pos = d->position(field);
    if (pos >= d->dataFields.size() || d->state == DatasetState::Insert)
        return {};
    if (d->state == DatasetState::Edit)
        return d->original.value(pos);
    return d->current >= 0 ? d->rows[d->current][pos] : QVariant();
}

void Dataset::setValue(const QString &field, const QVariant &value)
{
    const int pos = d->position(field);
    if (!d->editing())
        throw DatasetError("Dataset not in edit or insert mode");
    if (pos >= d->dataFields.size()) {
        throw DatasetError(
            QStringLiteral("Field '%1' cannot be modified").arg(d->calculated[pos - d->dataFields.size()].info.name)
                .toStdString());
    }
    const FieldInfo &info = d->dataFields[pos];
    d->rows[d->current][pos] = FieldValues::convert(value, info);
    d->modified = true;
    emit rowChanged(d->current);
    emit valueChanged(info.name);
    if (onFieldChange)
        onFieldChange(*this, info.name);
}

QVariant Dataset::valueAt(int row, const QString &field) const
{
    const int pos = d->position(field);
    if (row < 0 || row >= d->rows.size())
        return {};
    if (pos < d->dataFields.size())
        return d->rows[row][pos];
    return d->calculated[pos - d->dataFields.size()].function(RowView(*this, row));
}

QString Dataset::displayText(const QVariant &value)
{
    return FieldValues::displayText(value);
}

void Dataset::addInputWriter(QObject *owner, std::function<void()> write)
{
    d->inputWriters.removeIf([](const Private::InputWriter &w) { return !w.owner; });
    d->inputWriters.append({owner, std::move(write)});
}

void Dataset::addCalculatedField(const QString &name, QMetaType type, CalcFunction function)
{
    FieldInfo info;
    info.name = name.toUpper();
    info.type = type;
    info.calculated = true;
    d->calculated.append({info, std::move(function)});
    d->rebuildIndex();
}

// ------------------------------------------------------------ after scroll

Dataset::AfterScrollHold::AfterScrollHold(Dataset &dataset)
    : m_dataset(dataset)
{
    ++m_dataset.d->scrollHolds;
}

Dataset::AfterScrollHold::~AfterScrollHold()
{
    --m_dataset.d->scrollHolds;
}

void Dataset::runAfterScroll()
{
    if (d->scrollHolds == 0 && afterScroll) {
        ReadScope reads(d->session); // a card switch reopens many datasets
        afterScroll(*this);
    }
}

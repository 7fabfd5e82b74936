#include "db/Dataset.h"

#include "db/DbSession.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QTime>

#include <ibase.h>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------- statements

// The driver's own named-placeholder emulation does not know Firebird's
// comments and quoted names, so ":NAME" is turned into "?" here, with the
// names in order of appearance (a name may appear several times).
struct PositionalSql
{
    QString sql;
    QStringList names; // upper case
};

PositionalSql toPositional(const QString &sql)
{
    PositionalSql out;
    out.sql.reserve(sql.size());
    const qsizetype n = sql.size();
    auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') { // literal or quoted name, doubled quote inside
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out.sql += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            out.sql += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const qsizetype end = sql.indexOf(u"*/"_s, i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out.sql += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
        } else if (c == u':' && i + 1 < n && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')) {
            qsizetype end = i + 1;
            while (end < n && isNameChar(sql.at(end)))
                ++end;
            out.names.append(sql.mid(i + 1, end - i - 1).toUpper());
            out.sql += u'?';
            i = end - 1;
        } else {
            out.sql += c;
        }
    }
    return out;
}

// ---------------------------------------------------------------- columns

int decimalTypeId()
{
    static const int id = QMetaType::fromType<Decimal>().id();
    return id;
}

bool isDecimal(const FieldInfo &f)
{
    return f.type.id() == decimalTypeId();
}

int bytesPerCharacter(int charsetId)
{
    switch (charsetId) {
    case 3: // UNICODE_FSS
        return 3;
    case 4: // UTF8
        return 4;
    default:
        return 1;
    }
}

// Asks the engine to describe the prepared statement's columns. The driver's
// own record() looks up every NUMERIC column in the system tables with a
// query of its own (about 0.4 ms each, 120 ms for the land section); the
// description it already has says the same in microseconds.
std::optional<QList<FieldInfo>> describeWithEngine(const QSqlQuery &q)
{
    const QSqlResult *result = q.result();
    if (!result)
        return std::nullopt;
    const QVariant handle = result->handle();
    if (handle.metaType() != QMetaType::fromType<isc_stmt_handle>())
        return std::nullopt;
    isc_stmt_handle statement = *static_cast<const isc_stmt_handle *>(handle.constData());
    if (!statement)
        return std::nullopt;

    ISC_STATUS_ARRAY status;
    short capacity = 32;
    std::unique_ptr<char[]> buffer;
    XSQLDA *sqlda = nullptr;
    for (;;) {
        buffer.reset(new char[XSQLDA_LENGTH(capacity)]);
        sqlda = reinterpret_cast<XSQLDA *>(buffer.get());
        sqlda->version = SQLDA_VERSION1;
        sqlda->sqln = capacity;
        if (isc_dsql_describe(status, &statement, SQL_DIALECT_V6, sqlda))
            return std::nullopt;
        if (sqlda->sqld <= sqlda->sqln)
            break;
        capacity = sqlda->sqld;
    }

    QList<FieldInfo> fields;
    fields.reserve(sqlda->sqld);
    for (int i = 0; i < sqlda->sqld; ++i) {
        const XSQLVAR &v = sqlda->sqlvar[i];
        FieldInfo f;
        f.name = QString::fromUtf8(v.aliasname, v.aliasname_length).trimmed().toUpper();
        const bool scaled = v.sqlscale < 0;
        switch (v.sqltype & ~1) {
        case SQL_SHORT:
        case SQL_LONG:
            f.type = scaled ? QMetaType::fromType<Decimal>() : QMetaType::fromType<int>();
            break;
        case SQL_INT64:
            f.type = scaled ? QMetaType::fromType<Decimal>() : QMetaType::fromType<qlonglong>();
            break;
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            f.type = QMetaType::fromType<double>();
            break;
        case SQL_TEXT:
        case SQL_VARYING:
            f.type = QMetaType::fromType<QString>();
            f.length = v.sqllen / bytesPerCharacter(v.sqlsubtype & 0xff);
            break;
        case SQL_TYPE_DATE:
            f.type = QMetaType::fromType<QDate>();
            break;
        case SQL_TIMESTAMP:
            f.type = QMetaType::fromType<QDateTime>();
            break;
        case SQL_TYPE_TIME:
            f.type = QMetaType::fromType<QTime>();
            break;
        case SQL_BLOB:
            f.type = v.sqlsubtype == 1 ? QMetaType::fromType<QString>() : QMetaType::fromType<QByteArray>();
            break;
#ifdef SQL_BOOLEAN
        case SQL_BOOLEAN:
            f.type = QMetaType::fromType<bool>();
            break;
#endif
        default:
            break; // values pass through as the driver gives them
        }
        if (scaled)
            f.scale = -v.sqlscale;
        fields.append(f);
    }
    return fields;
}

QList<FieldInfo> describeColumns(const QSqlQuery &q, bool firebird)
{
    if (firebird) {
        if (std::optional<QList<FieldInfo>> fields = describeWithEngine(q))
            return *fields;
    }
    // The slow but general way: NUMERIC arrives as double with its scale as precision.
    QList<FieldInfo> fields;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        FieldInfo f;
        f.name = field.name().toUpper();
        f.type = field.metaType();
        const int sqlType = field.typeID() & ~1;
        if (f.type.id() == QMetaType::Double && sqlType != SQL_DOUBLE && sqlType != SQL_FLOAT
            && sqlType != SQL_D_FLOAT) {
            f.type = QMetaType::fromType<Decimal>();
            f.scale = field.precision();
        } else if (f.type.id() == QMetaType::QString) {
            f.length = field.length() / 4; // the connection's character set is UTF8
        }
        fields.append(f);
    }
    return fields;
}

// ---------------------------------------------------------------- values

QVariant fromDriver(const QVariant &v, const FieldInfo &f)
{
    if (v.isNull())
        return {};
    if (isDecimal(f))
        return QVariant::fromValue(Decimal::fromDouble(v.toDouble(), f.scale));
    switch (f.type.id()) {
    case QMetaType::Int:
        return v.toInt();
    case QMetaType::LongLong:
        return v.toLongLong();
    case QMetaType::QString:
        return v.toString();
    default:
        return v;
    }
}

QVariant toDriver(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (v.metaType().id() == decimalTypeId())
        return v.value<Decimal>().toDouble(); // exact for up to 15 significant digits
    return v;
}

DatasetError notValid(const QVariant &value, const char *what)
{
    return DatasetError(QStringLiteral("'%1' is not a valid %2").arg(value.toString(), QLatin1String(what))
                            .toStdString());
}

bool isIntegral(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloating(const QVariant &v)
{
    return v.metaType().id() == QMetaType::Double || v.metaType().id() == QMetaType::Float;
}

// Text without a digit is an empty entry of a masked date edit ("  .  .    ").
bool hasDigit(const QString &s)
{
    for (QChar c : s) {
        if (c.isDigit())
            return true;
    }
    return false;
}

QVariant toDecimal(const QVariant &value, const FieldInfo &f)
{
    if (value.metaType().id() == decimalTypeId())
        return QVariant::fromValue(value.value<Decimal>().withScale(f.scale));
    if (value.metaType().id() == QMetaType::Bool)
        return QVariant::fromValue(Decimal::fromInt(value.toBool() ? 1 : 0).withScale(f.scale));
    if (isIntegral(value))
        return QVariant::fromValue(Decimal::fromInt(value.toLongLong()).withScale(f.scale));
    if (isFloating(value)) {
        if (!std::isfinite(value.toDouble()))
            throw notValid(value, "floating point value");
        return QVariant::fromValue(Decimal::fromDouble(value.toDouble(), f.scale));
    }
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        return {};
    if (const std::optional<Decimal> d = Decimal::parse(text, f.scale))
        return QVariant::fromValue(*d);
    throw notValid(value, "floating point value");
}

QVariant toInteger(const QVariant &value, const FieldInfo &f)
{
    const bool wide = f.type.id() == QMetaType::LongLong;
    qlonglong n = 0;
    bool ok = true;
    if (value.metaType().id() == decimalTypeId()) {
        const Decimal d = value.value<Decimal>();
        const Decimal whole = d.withScale(0);
        ok = whole == d;
        n = whole.units();
    } else if (value.metaType().id() == QMetaType::Bool) {
        n = value.toBool() ? 1 : 0;
    } else if (isIntegral(value)) {
        n = value.toLongLong(&ok);
    } else if (isFloating(value)) {
        const double x = value.toDouble();
        ok = std::isfinite(x) && std::trunc(x) == x && std::fabs(x) < 9.2e18;
        n = ok ? static_cast<qlonglong>(x) : 0;
    } else {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        n = text.toLongLong(&ok);
    }
    if (ok && !wide)
        ok = n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max();
    if (!ok)
        throw notValid(value, "integer value");
    return wide ? QVariant(n) : QVariant(int(n));
}

QVariant toDate(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().isValid() ? value : QVariant();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().isValid() ? QVariant(value.toDateTime().date()) : QVariant();
    const QString text = value.toString().trimmed();
    if (!hasDigit(text))
        return {};
    for (const QString &format : {u"dd.MM.yyyy"_s, u"d.M.yyyy"_s}) {
        const QDate d = QDate::fromString(text, format);
        if (d.isValid())
            return d;
    }
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    throw notValid(value, "date");
}

QVariant toDateTime(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().isValid() ? value : QVariant();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().isValid() ? QVariant(value.toDate().startOfDay()) : QVariant();
    const QString text = value.toString().trimmed();
    if (!hasDigit(text))
        return {};
    for (const QString &format : {u"dd.MM.yyyy HH:mm:ss"_s, u"dd.MM.yyyy HH:mm"_s, u"dd.MM.yyyy"_s}) {
        const QDateTime d = QDateTime::fromString(text, format);
        if (d.isValid())
            return d;
    }
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    throw notValid(value, "date and time");
}

// A value given by code or typed by the user, in the field's own type.
QVariant convertInput(const QVariant &value, const FieldInfo &f)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (isDecimal(f))
        return toDecimal(value, f);
    switch (f.type.id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return toInteger(value, f);
    case QMetaType::QString: {
        // An empty text is NULL, as the database and the checks treat it.
        const QString text = value.metaType().id() == QMetaType::QDate ? value.toDate().toString(u"dd.MM.yyyy"_s)
                                                                      : value.toString();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case QMetaType::QDate:
        return toDate(value);
    case QMetaType::QDateTime:
        return toDateTime(value);
    case QMetaType::Double: {
        if (value.metaType().id() == decimalTypeId())
            return value.value<Decimal>().toDouble();
        if (isIntegral(value) || isFloating(value))
            return value.toDouble();
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        bool ok = false;
        const double x = QString(text).replace(u',', u'.').toDouble(&ok);
        if (!ok)
            throw notValid(value, "floating point value");
        return x;
    }
    default:
        return value;
    }
}

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
            row[pos] = !values[i].isValid() || sameType ? values[i] : convertInput(values[i], f);
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
        wanted = info.calculated ? value : convertInput(value, info);
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
    d->rows[d->current][pos] = convertInput(value, info);
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
    if (!value.isValid())
        return {};
    if (value.metaType() == QMetaType::fromType<Decimal>())
        return value.value<Decimal>().toString();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Double:
        return QLocale::c().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
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
    if (d->scrollHolds == 0 && afterScroll)
        afterScroll(*this);
}

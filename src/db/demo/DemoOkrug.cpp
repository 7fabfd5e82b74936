#include "db/demo/DemoOkrug.h"

#include "db/demo/DemoFarms.h"
#include "db/demo/DemoHouseholds.h"
#include "db/demo/DemoPeople.h"
#include "db/demo/DemoPlaces.h"
#include "db/demo/DemoRandom.h"
#include "db/demo/DemoTables.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace DemoOkrug {

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

qint64 count(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        fail(u"Cannot read the database: %1"_s.arg(q.lastError().text()));
    return q.value(0).toLongLong();
}

void refuseFilledDatabase(const QSqlDatabase &db)
{
    const qint64 households = count(db, u"SELECT COUNT(*) FROM KPU_CATAL"_s);
    const qint64 farms = count(db, u"SELECT COUNT(*) FROM KFH_CATAL"_s);
    const qint64 okrugs = count(db, u"SELECT COUNT(*) FROM KNIGA_PROPERTY"_s);
    const qint64 units = count(db, u"SELECT COUNT(*) FROM KNIGA_KATO"_s);
    QStringList held;
    if (households > 0)
        held << u"%1 household cards"_s.arg(households);
    if (farms > 0)
        held << u"%1 farm cards"_s.arg(farms);
    if (okrugs > 0)
        held << u"the okrug settings"_s;
    if (units > 0)
        held << u"%1 KATO units"_s.arg(units);
    if (!held.isEmpty()) {
        fail(u"The database already holds data (%1); the demo fills only a new database made by create-db."_s
                 .arg(held.join(u", "_s)));
    }
    if (count(db, u"SELECT COUNT(*) FROM KPU_SPR_SROGD WHERE ID = 1"_s) == 0)
        fail(u"The database has no reference books; make it with create-db of this version."_s);
}

// Runs `work` in a transaction of its own; the statements of the writer die
// before the commit (an open statement does not survive it).
void inTransaction(QSqlDatabase &db, const std::function<void(DemoWriter &)> &work)
{
    if (!db.transaction())
        fail(u"Cannot start a transaction: %1"_s.arg(db.lastError().text()));
    try {
        {
            DemoWriter writer(db);
            work(writer);
        }
        if (!db.commit())
            fail(u"Cannot commit: %1"_s.arg(db.lastError().text()));
    } catch (...) {
        db.rollback();
        throw;
    }
}

void writeCard(const DemoCard &card, DemoWriter &writer)
{
    const int id = writer.insertReturningId(card.card);
    for (DemoRow section : card.sections) {
        section.set(section.table().link(), id);
        writer.insert(section);
    }
}

// The okrug settings, its part of the KATO classifier and the password;
// returns the KNIGA_KATO.ID of each settlement.
QList<int> writeOkrug(QSqlDatabase &db)
{
    QList<int> settlementIds;
    inTransaction(db, [&](DemoWriter &writer) {
        for (const DemoPlaces::Unit &u : {DemoPlaces::region(), DemoPlaces::district(), DemoPlaces::okrug()})
            writer.insert(DemoRow(DemoTables::knigaKato()).set(u"KATO"_s, u.kato).set(u"NAME"_s, u.name));
        for (const DemoPlaces::Unit &u : DemoPlaces::settlements()) {
            settlementIds << writer.insertReturningId(
                DemoRow(DemoTables::knigaKato()).set(u"KATO"_s, u.kato).set(u"NAME"_s, u.name));
        }
        writer.insert(DemoRow(DemoTables::knigaProperty())
                          .set(u"KATO"_s, DemoPlaces::okrug().kato)
                          .set(u"AKIM"_s, DemoPlaces::okrugAkim())
                          .set(u"NAME_SO"_s, DemoPlaces::okrug().name));
        QSqlQuery q(db);
        q.prepare(u"UPDATE VER SET PWD = ?"_s);
        q.addBindValue(QString::fromLatin1(Password));
        if (!q.exec())
            fail(u"Cannot set the password: %1"_s.arg(q.lastError().text()));
    });
    return settlementIds;
}

template<typename Maker>
void writeCards(QSqlDatabase &db, int cards, int perTransaction, Maker &maker)
{
    for (int from = 0; from < cards; from += perTransaction) {
        const int to = qMin(cards, from + perTransaction);
        inTransaction(db, [&](DemoWriter &writer) {
            for (int i = from; i < to; ++i)
                writeCard(maker.make(i), writer);
        });
    }
}

} // namespace

void fill(QSqlDatabase &db, const DemoOptions &options)
{
    if (options.households < 0 || options.farms < 0 || options.cardsPerTransaction < 1)
        fail(u"The numbers of households and farms must not be negative."_s);
    refuseFilledDatabase(db);
    const QList<int> settlementIds = writeOkrug(db);

    // Households and farms draw from streams of their own, so adding
    // households does not reshuffle the farms of a seed.
    DemoIdentity identity;
    DemoRandom householdRandom(options.seed);
    DemoRandom farmRandom(options.seed ^ 0x9E3779B9u);
    DemoHouseholds households(settlementIds, referenceDate(), identity, householdRandom);
    DemoFarms farms(settlementIds, referenceDate(), identity, farmRandom);
    writeCards(db, options.households, options.cardsPerTransaction, households);
    writeCards(db, options.farms, options.cardsPerTransaction, farms);
}

} // namespace DemoOkrug

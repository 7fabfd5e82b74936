#pragma once

#include "app/WorkContext.h"
#include "support/ScriptedPromptPort.h"
#include "support/TestDatabase.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

class Dataset;
class HouseholdCard;
class TFDM;

// Where a new card of the fixture stands; a flat only when one is given.
struct CardAddress
{
    QString street = QStringLiteral("УЛ. ТЕСТОВАЯ");
    QString house = QStringLiteral("1");
    QString flat;
};

// The household book over a private copy of the demo okrug, as the main
// window leaves it for the card and its sections: the data module connected
// to the copy, the okrug's settlements read, the first settlement chosen, the
// card's rules, its deletion and the sections' default link installed. The
// test installs its own section rules between construction and open().
//
//     m_book = std::make_unique<HouseholdBookFixture>();
//     QVERIFY2(m_book->isReady(), qPrintable(m_book->errorString()));
//     m_rules = std::make_unique<Housing>(m_book->fdm(), m_book->card(), m_book->port());
//     m_rules->install();
//     m_book->open();
class HouseholdBookFixture
{
public:
    enum class Sections { Open, Closed };

    // Stops short, with errorString() set, when the copy cannot be opened.
    HouseholdBookFixture();
    ~HouseholdBookFixture();

    HouseholdBookFixture(const HouseholdBookFixture &) = delete;
    HouseholdBookFixture &operator=(const HouseholdBookFixture &) = delete;

    bool isReady() const { return m_card != nullptr; }
    QString errorString() const { return m_tdb->errorString(); }

    // Opens the reference lists and the sections (unless Closed), then the
    // book lists of the chosen settlement.
    void open(Sections sections = Sections::Open);

    TestDatabase &database() { return *m_tdb; }
    ScriptedPromptPort &port() { return *m_port; }
    WorkContext &context() { return m_context; }
    TFDM &fdm() { return *m_fdm; }
    HouseholdCard &card() { return *m_card; }
    Dataset &list();   // the household list
    QSqlDatabase db(); // the data module's connection

    // Appends a card with account number `ls` at `address`, saves it and
    // returns the ID stored for it (the highest of that account number).
    int newCard(const QString &ls, const CardAddress &address = {});
    // The same, for a card the list must stand on after its save; the test
    // binary stops when it does not.
    int newCurrentCard(const QString &ls, const CardAddress &address = {});

    // The first six digits of the okrug's KATO in the settings row of `db`.
    static QString okrugPrefix(const QSqlDatabase &db);

private:
    std::unique_ptr<TestDatabase> m_tdb;
    std::unique_ptr<ScriptedPromptPort> m_port;
    WorkContext m_context;
    std::unique_ptr<TFDM> m_fdm;
    std::unique_ptr<HouseholdCard> m_card;
};

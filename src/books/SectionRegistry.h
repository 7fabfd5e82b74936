#pragma once

#include "db/Dataset.h"

#include <QList>
#include <QString>
#include <QStringList>

// The sections of both books: tables whose rows hang on a card through a link
// column. A section of both books links to a household card while the
// household book is open and to a farm card while the farm book is open;
// card IDs of the two books never collide, so no book column is needed.
enum class Book { Household, Farm };

struct SectionInfo
{
    enum Books { HouseholdOnly, FarmOnly, BothBooks };

    QString table;       // e.g. "KPU_SRN"
    QString linkColumn;  // "ID_KPU_CATAL" or "ID_CATAL"
    Books books;
    QString dataset;     // the data module's dataset name, e.g. "TSRN"
    QString selectSql;   // parameter: the card ID (":IDKPU", housing ":id")
    // Columns the insert and modify statements write: either the list given,
    // or every column of the table but ID and those named in `notWritten`.
    QStringList written;
    QStringList notWritten;

    bool servesBook(Book book) const
    {
        return books == BothBooks || (books == HouseholdOnly) == (book == Book::Household);
    }
};

namespace SectionRegistry {

// All seventeen sections, in the order of the household sections first and
// the farm-only sections last.
const QList<SectionInfo> &all();

// The section with this dataset name; nullptr when there is none.
const SectionInfo *byDataset(const QString &dataset);

// The name of the select's card parameter.
QString cardParameter(const SectionInfo &section);

// The section's insert (returning the new ID), modify and delete by the old
// ID, and refresh by ID; tableColumns are the table's columns in order.
StatementSet statements(const SectionInfo &section, const QStringList &tableColumns);

} // namespace SectionRegistry

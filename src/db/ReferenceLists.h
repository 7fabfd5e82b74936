#pragma once

#include <QList>
#include <QString>

// The reference books offered in the forms' lists, and how each is read:
// with its code in front of the name, names only, or whole; valid rows only
// where a book has entries that expire.
struct ReferenceListInfo
{
    enum Columns { CodeAndName, NamesOnly, WholeTable };

    QString table;
    Columns columns;
    bool validOnly = false;     // only rows whose validity interval holds now
    bool hideCode000 = false;   // the nationality list never offers code "000"
    QString orderBy;            // e.g. "e.ID", "e.ORDERBY", "e.ID desc"
};

namespace ReferenceLists {

const QList<ReferenceListInfo> &all();
const ReferenceListInfo *byTable(const QString &table);
QString selectSql(const ReferenceListInfo &list);

// The name column shown in the active language.
QString displayColumn(bool kazakh);

} // namespace ReferenceLists

#include "db/ReferenceLists.h"

using namespace Qt::StringLiterals;

namespace ReferenceLists {

const QList<ReferenceListInfo> &all()
{
    using R = ReferenceListInfo;
    static const QList<ReferenceListInfo> lists = {
        {u"KPU_SPR_SROGD"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"KPU_SPR_SPP"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"KPU_SPR_KN"_s, R::CodeAndName, false, true, u"e.ORDERBY"_s},
        {u"KPU_SPR_SUODH"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"KPU_SPR_SOOO"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"KPU_SPR_PZ"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"KPU_SPR_SID"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"KPU_SPR_SOSTBR"_s, R::WholeTable, false, false, u"e.ID"_s},
        {u"KPU_SPR_SPVOB"_s, R::NamesOnly, true, false, u"e.CODE"_s},
        {u"KPU_SPR_VSZHP"_s, R::NamesOnly, false, false, u"e.ID desc"_s},
        {u"KPU_SPR_HW"_s, R::WholeTable, false, false, u"e.ID"_s},
        {u"KPU_SPR_HS"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"KPU_SPR_HR"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"KPU_SPR_SVTT"_s, R::CodeAndName, false, false, u"e.ID"_s},
        {u"SPR_TEHNIKA"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"SPR_OBOR"_s, R::WholeTable, true, false, u"e.ID"_s},
        {u"SPR_POSTR_RAST"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"SPR_POSTR_ZHIV"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"KFH_SPR_POSTR_TEH"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"KFH_SPR_POSTR_OIL"_s, R::NamesOnly, true, false, u"e.ID"_s},
        {u"KFH_SPR_OKED"_s, R::CodeAndName, false, false, u"e.ID"_s},
    };
    return lists;
}

const ReferenceListInfo *byTable(const QString &table)
{
    for (const ReferenceListInfo &l : all()) {
        if (l.table == table)
            return &l;
    }
    return nullptr;
}

QString selectSql(const ReferenceListInfo &list)
{
    QString sql;
    switch (list.columns) {
    case ReferenceListInfo::CodeAndName:
        sql = u"select e.ID, e.CODE, e.code||' '||e.name_rus as NAME_RUS, e.code||' '||e.name_kaz as NAME_KAZ"_s;
        break;
    case ReferenceListInfo::NamesOnly:
        sql = u"select e.ID, e.NAME_RUS, e.NAME_KAZ"_s;
        break;
    case ReferenceListInfo::WholeTable:
        sql = u"select e.*"_s;
        break;
    }
    sql += u"\n  from "_s + list.table + u" e"_s;
    if (list.validOnly) {
        sql += u"\n where (coalesce(e.date_end, timestamp 'now') >= timestamp 'now'"_s
               u"\n        and coalesce(e.date_begin, timestamp 'now') <= timestamp 'now')"_s;
    } else if (list.hideCode000) {
        // A NULL code is no "000": such rows stay in the list.
        sql += u"\n where coalesce(e.code, '') <> '000'"_s;
    }
    sql += u"\n order by "_s + list.orderBy;
    return sql;
}

QString displayColumn(bool kazakh)
{
    return kazakh ? u"NAME_KAZ"_s : u"NAME_RUS"_s;
}

} // namespace ReferenceLists

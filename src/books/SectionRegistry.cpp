#include "books/SectionRegistry.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace SectionRegistry {

const QList<SectionInfo> &all()
{
    using S = SectionInfo;
    static const QList<SectionInfo> sections = {
        {u"KPU_SRN"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TSRN"_s,
         u"select KPU_SRN.* from KPU_SRN where id_kpu_catal = :IDKPU order by id"_s,
         {}, {u"DATE_ACTUAL"_s}},
        {u"KPU_SRN2"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TSRN2"_s,
         u"select KPU_SRN2.* from KPU_SRN2 where id_kpu_catal = :IDKPU order by id"_s,
         {}, {}},
        {u"KPU_RZHF"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TRZHF"_s,
         u"select * from KPU_RZHF where id_kpu_catal = :id"_s,
         {}, {u"DATE_ACTUAL"_s}},
        {u"ZEM"_s, u"ID_CATAL"_s, S::BothBooks, u"TZEM"_s,
         u"select  * from ZEM where id_catal = :IDKPU order by id"_s,
         {}, {u"ACTUAL_DATE"_s, u"UNITS_ID"_s, u"SPARZHA_BAX"_s}},
        {u"ZHIV"_s, u"ID_CATAL"_s, S::BothBooks, u"TZHIV"_s,
         u"select  * from ZHIV where id_catal = :IDKPU order by id"_s,
         {}, {u"ACTUAL_DATE"_s}},
        {u"TEHNIKA"_s, u"ID_CATAL"_s, S::BothBooks, u"TTeh"_s,
         u"select TEHNIKA.* from TEHNIKA where id_catal = :IDKPU order by id"_s,
         {}, {}},
        {u"OBOR"_s, u"ID_CATAL"_s, S::BothBooks, u"TObor"_s,
         u"select OBOR.* from OBOR where id_catal = :IDKPU order by id"_s,
         {}, {}},
        {u"POSTR_RAST"_s, u"ID_CATAL"_s, S::BothBooks, u"tPostrRast"_s,
         u"select POSTR_RAST.* from POSTR_RAST where id_catal = :IDKPU order by id"_s,
         {}, {}},
        {u"POSTR_ZHIV"_s, u"ID_CATAL"_s, S::BothBooks, u"TPostrZhiv"_s,
         u"select distinct POSTR_ZHIV.* from POSTR_ZHIV where id_catal = :IDKPU order by id"_s,
         {}, {}},
        {u"TEPLITSY"_s, u"ID_CATAL"_s, S::BothBooks, u"TTepl"_s,
         u"select  * from TEPLITSY where id_catal = :IDKPU order by id"_s,
         {}, {}},
        {u"KPU_VTT"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TVTT"_s,
         u"select  * from KPU_VTT where id_kpu_catal = :IDKPU order by id"_s,
         {u"ID_KPU_CATAL"_s, u"SVTT_ID"_s, u"KOL"_s, u"TORG_SQ"_s}, {}},
        {u"KPU_ZAKUP"_s, u"ID_KPU_CATAL"_s, S::BothBooks, u"TZakup"_s,
         u"select  * from KPU_ZAKUP where id_kpu_catal = :IDKPU order by id"_s,
         {}, {u"ACTUAL_DATE"_s}},
        {u"KPU_DOPOL"_s, u"ID_KPU_CATAL"_s, S::BothBooks, u"tDopol"_s,
         u"select  * from KPU_DOPOL where id_kpu_catal = :IDKPU order by id"_s,
         {}, {u"DATE_ACTUAL"_s}},
        {u"KFH_SOSTAV"_s, u"ID_CATAL"_s, S::FarmOnly, u"TSostav"_s,
         u"select  * from KFH_SOSTAV where id_catal = :IDKPU order by id"_s,
         {u"ID_CATAL"_s, u"NAIM"_s, u"PERERAB"_s, u"VSEGO"_s, u"ZHEN"_s}, {}},
        {u"KFH_MONEY"_s, u"ID_CATAL"_s, S::FarmOnly, u"TMoney"_s,
         u"select  * from KFH_MONEY where id_catal = :IDKPU order by id"_s,
         {u"ID_CATAL"_s, u"SUM_OBOR"_s, u"SUM_SOOR"_s, u"SUM_ZEM"_s}, {}},
        {u"KFH_POSTR_TEH"_s, u"ID_CATAL"_s, S::FarmOnly, u"TPostrTeh"_s,
         u"select  * from KFH_postr_teh where id_catal = :IDKPU order by id"_s,
         {u"ID_CATAL"_s, u"PCOUNT"_s, u"PLO"_s, u"SPR_POSTR_TEH_ID"_s}, {}},
        {u"KFH_POSTR_OIL"_s, u"ID_CATAL"_s, S::FarmOnly, u"TPostrOil"_s,
         u"select  * from KFH_postr_oil where id_catal = :IDKPU order by id"_s,
         {u"CHISLO_KUBOV"_s, u"ID_CATAL"_s, u"PCOUNT"_s, u"SPR_POSTR_OIL_ID"_s}, {}},
    };
    return sections;
}

const SectionInfo *byDataset(const QString &dataset)
{
    for (const SectionInfo &s : all()) {
        if (s.dataset == dataset)
            return &s;
    }
    return nullptr;
}

QString cardParameter(const SectionInfo &section)
{
    static const QRegularExpression param(u":(\\w+)"_s);
    return param.match(section.selectSql).captured(1);
}

StatementSet statements(const SectionInfo &section, const QStringList &tableColumns)
{
    QStringList columns = section.written;
    if (columns.isEmpty()) {
        for (const QString &c : tableColumns) {
            if (c != u"ID"_s && !section.notWritten.contains(c))
                columns << c;
        }
    }
    QStringList values, assignments;
    for (const QString &c : columns) {
        values << u':' + c;
        assignments << c + u" = :"_s + c;
    }
    const QString &t = section.table;
    return StatementSet{
        u"insert into %1 (%2) values (%3) returning ID"_s.arg(t, columns.join(u", "_s), values.join(u", "_s)),
        u"update %1 set %2 where ID = :OLD_ID"_s.arg(t, assignments.join(u", "_s)),
        u"delete from %1 where ID = :OLD_ID"_s.arg(t),
        u"select * from %1 where ID = :ID"_s.arg(t),
    };
}

} // namespace SectionRegistry

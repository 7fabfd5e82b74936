#include "books/SectionRegistry.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace SectionRegistry {

const QList<SectionInfo> &all()
{
    using S = SectionInfo;
    static const QList<SectionInfo> sections = {
        {u"KPU_SRN"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TSRN"_s,
         u"select KPU_SRN.* from KPU_SRN where id_kpu_catal = :IDKPU order by id"_s},
        {u"KPU_SRN2"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TSRN2"_s,
         u"select KPU_SRN2.* from KPU_SRN2 where id_kpu_catal = :IDKPU order by id"_s},
        {u"KPU_RZHF"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TRZHF"_s,
         u"select * from KPU_RZHF where id_kpu_catal = :id"_s},
        {u"ZEM"_s, u"ID_CATAL"_s, S::BothBooks, u"TZEM"_s,
         u"select  * from ZEM where id_catal = :IDKPU order by id"_s},
        {u"ZHIV"_s, u"ID_CATAL"_s, S::BothBooks, u"TZHIV"_s,
         u"select  * from ZHIV where id_catal = :IDKPU order by id"_s},
        {u"TEHNIKA"_s, u"ID_CATAL"_s, S::BothBooks, u"TTeh"_s,
         u"select TEHNIKA.* from TEHNIKA where id_catal = :IDKPU order by id"_s},
        {u"OBOR"_s, u"ID_CATAL"_s, S::BothBooks, u"TObor"_s,
         u"select OBOR.* from OBOR where id_catal = :IDKPU order by id"_s},
        {u"POSTR_RAST"_s, u"ID_CATAL"_s, S::BothBooks, u"tPostrRast"_s,
         u"select POSTR_RAST.* from POSTR_RAST where id_catal = :IDKPU order by id"_s},
        {u"POSTR_ZHIV"_s, u"ID_CATAL"_s, S::BothBooks, u"TPostrZhiv"_s,
         u"select distinct POSTR_ZHIV.* from POSTR_ZHIV where id_catal = :IDKPU order by id"_s},
        {u"TEPLITSY"_s, u"ID_CATAL"_s, S::BothBooks, u"TTepl"_s,
         u"select  * from TEPLITSY where id_catal = :IDKPU order by id"_s},
        {u"KPU_VTT"_s, u"ID_KPU_CATAL"_s, S::HouseholdOnly, u"TVTT"_s,
         u"select  * from KPU_VTT where id_kpu_catal = :IDKPU order by id"_s},
        {u"KPU_ZAKUP"_s, u"ID_KPU_CATAL"_s, S::BothBooks, u"TZakup"_s,
         u"select  * from KPU_ZAKUP where id_kpu_catal = :IDKPU order by id"_s},
        {u"KPU_DOPOL"_s, u"ID_KPU_CATAL"_s, S::BothBooks, u"tDopol"_s,
         u"select  * from KPU_DOPOL where id_kpu_catal = :IDKPU order by id"_s},
        {u"KFH_SOSTAV"_s, u"ID_CATAL"_s, S::FarmOnly, u"TSostav"_s,
         u"select  * from KFH_SOSTAV where id_catal = :IDKPU order by id"_s},
        {u"KFH_MONEY"_s, u"ID_CATAL"_s, S::FarmOnly, u"TMoney"_s,
         u"select  * from KFH_MONEY where id_catal = :IDKPU order by id"_s},
        {u"KFH_POSTR_TEH"_s, u"ID_CATAL"_s, S::FarmOnly, u"TPostrTeh"_s,
         u"select  * from KFH_postr_teh where id_catal = :IDKPU order by id"_s},
        {u"KFH_POSTR_OIL"_s, u"ID_CATAL"_s, S::FarmOnly, u"TPostrOil"_s,
         u"select  * from KFH_postr_oil where id_catal = :IDKPU order by id"_s},
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

} // namespace SectionRegistry

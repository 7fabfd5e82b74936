#include "db/demo/DemoTables.h"

#include "db/demo/DemoLand.h"
#include "db/demo/DemoLivestock.h"

using namespace Qt::StringLiterals;

namespace DemoTables {

namespace {

using Columns = QList<std::pair<QString, DemoType>>;
constexpr DemoType I = DemoType::Integer;
constexpr DemoType B = DemoType::BigInt;
constexpr DemoType T = DemoType::Text;
constexpr DemoType D = DemoType::Date;
constexpr DemoType TS = DemoType::Timestamp;
constexpr DemoType N = DemoType::Decimal;

} // namespace

const DemoTable &knigaKato()
{
    static const DemoTable t(u"KNIGA_KATO"_s, {}, Columns{{u"KATO"_s, T}, {u"NAME"_s, T}});
    return t;
}

const DemoTable &knigaProperty()
{
    static const DemoTable t(u"KNIGA_PROPERTY"_s, {},
                             Columns{{u"KATO"_s, T}, {u"AKIM"_s, T}, {u"NAME_SO"_s, T}});
    return t;
}

const DemoTable &kpuCatal()
{
    static const DemoTable t(u"KPU_CATAL"_s, {},
                             Columns{{u"LS"_s, T}, {u"LSKN"_s, T}, {u"AR"_s, T}, {u"AP"_s, T},
                                     {u"STREET"_s, T}, {u"HOUSE"_s, T}, {u"FLAT"_s, T}, {u"IKD"_s, T},
                                     {u"PHONE"_s, T}, {u"EMAIL"_s, T}, {u"KATO_ID"_s, I},
                                     {u"IS_DELETED"_s, I}, {u"DATE_DELETED"_s, D}, {u"DATE_ACTUAL"_s, TS}});
    return t;
}

const DemoTable &kpuSrn()
{
    static const DemoTable t(
        u"KPU_SRN"_s, u"ID_KPU_CATAL"_s,
        Columns{{u"ID_KPU_CATAL"_s, I}, {u"POR_NOM"_s, I},  {u"FAM"_s, T},        {u"IM"_s, T},
                {u"OT"_s, T},           {u"IIN"_s, T},      {u"SROGD_ID"_s, I},   {u"POL_SPP_ID"_s, I},
                {u"KN_ID"_s, I},        {u"DATE_R"_s, D},   {u"DATE_IN"_s, D},    {u"SUODH_ID"_s, I},
                {u"PZ_ID"_s, I},        {u"SID_ID"_s, I},   {u"SID2_ID"_s, I},    {u"IS_TEMP"_s, I},
                {u"IS_TEMP_OUT"_s, I},  {u"NUM_RODI"_s, I}, {u"NUM_SUPR"_s, I},   {u"DATE_F_BR"_s, D},
                {u"SOOO_ID"_s, I},      {u"DATE_ACTUAL"_s, TS}});
    return t;
}

const DemoTable &kpuSrn2()
{
    static const DemoTable t(
        u"KPU_SRN2"_s, u"ID_KPU_CATAL"_s,
        Columns{{u"ID_KPU_CATAL"_s, I}, {u"FAM"_s, T},          {u"IM"_s, T},       {u"OT"_s, T},
                {u"IIN"_s, T},          {u"SOSTBR_ID"_s, I},    {u"POL_SPP_ID"_s, I}, {u"DATE_R"_s, D},
                {u"SUODH_ID"_s, I},     {u"SOOO_ID"_s, I},      {u"PZ_ID"_s, I},    {u"ADDRESS"_s, T},
                {u"DATE_IN"_s, D},      {u"ADDRESS_FROM"_s, T}, {u"VSK"_s, T},      {u"KOL_SK"_s, I},
                {u"KOL_SK_DOGODA"_s, I}});
    return t;
}

const DemoTable &kpuRzhf()
{
    static const DemoTable t(
        u"KPU_RZHF"_s, u"ID_KPU_CATAL"_s,
        Columns{{u"ID_KPU_CATAL"_s, I},        {u"IKD"_s, B},                 {u"FLAT_ID"_s, B},
                {u"AR"_s, T},                  {u"SPVOB_ID"_s, I},            {u"IS_RETIRED"_s, I},
                {u"HS_ID"_s, I},               {u"DATE_RETIRE"_s, D},         {u"RETIRED_ID"_s, I},
                {u"VSZHP_ID"_s, I},            {u"FULL_SQ"_s, N},             {u"LIVING_SQ"_s, N},
                {u"KOL_KOMNAT"_s, I},          {u"HW_ID"_s, I},               {u"DATE_ENTER"_s, TS},
                {u"BL_EL"_s, I},               {u"BL_VODOPR"_s, I},           {u"BL_VODA_OUT_OF_HOUSE"_s, I},
                {u"BL_VODA_KOLODETC"_s, I},    {u"BL_VODA_DELIVERY"_s, I},    {u"BL_KANALI"_s, I},
                {u"BL_KANAL_OTHER"_s, I},      {u"BL_OTOPL_TETS"_s, I},       {u"BL_OTOPL_IND"_s, I},
                {u"BL_OTOPL_HARD"_s, I},       {u"BL_OTOPL_LIQUID"_s, I},     {u"BL_OTOPL_GAS"_s, I},
                {u"BL_OTOPL_PROCH"_s, I},      {u"BL_OTOPL_AVTO"_s, I},       {u"BL_OTOP_ELEC"_s, I},
                {u"BL_OTOPL_PROCH_SUN"_s, I},  {u"BL_OTOPL_PROCH_WIND"_s, I}, {u"BL_OTOPL_PROCH_OTH"_s, I},
                {u"BL_OTOPL_PROCH_VOZ"_s, I},  {u"BL_PECH"_s, I},             {u"BL_GORVODA"_s, I},
                {u"BL_GORVODA_IND"_s, I},      {u"BL_VANNA"_s, I},            {u"BL_EL_PLITA"_s, I},
                {u"BL_GAZ_PRIR"_s, I},         {u"BL_GAZ_PRIV"_s, I},         {u"DATE_ACTUAL"_s, TS}});
    return t;
}

const DemoTable &kpuVtt()
{
    static const DemoTable t(u"KPU_VTT"_s, u"ID_KPU_CATAL"_s,
                             Columns{{u"ID_KPU_CATAL"_s, I}, {u"SVTT_ID"_s, I}, {u"KOL"_s, I}, {u"TORG_SQ"_s, N}});
    return t;
}

const DemoTable &kpuZakup()
{
    static const DemoTable t(u"KPU_ZAKUP"_s, u"ID_KPU_CATAL"_s,
                             Columns{{u"ID_KPU_CATAL"_s, I}, {u"NAME"_s, T},   {u"ZERNO"_s, N},  {u"MASLYA"_s, N},
                                     {u"OVOSHI"_s, N},       {u"PLODY"_s, N},  {u"MOLOKO"_s, N}, {u"MYASO"_s, N},
                                     {u"SHKURY"_s, N},       {u"SHERST"_s, N}, {u"PROCHEE"_s, N},
                                     {u"ACTUAL_DATE"_s, TS}});
    return t;
}

const DemoTable &kpuDopol()
{
    static const DemoTable t(u"KPU_DOPOL"_s, u"ID_KPU_CATAL"_s,
                             Columns{{u"ID_KPU_CATAL"_s, I}, {u"FIELD1"_s, T}, {u"FIELD2"_s, T},
                                     {u"DATE_ACTUAL"_s, TS}});
    return t;
}

const DemoTable &zem()
{
    static const DemoTable t = [] {
        Columns c{{u"ID_CATAL"_s, I}};
        for (const QString &name : DemoLand::columns())
            c.append({name, N});
        c.append({u"ACTUAL_DATE"_s, D});
        return DemoTable(u"ZEM"_s, u"ID_CATAL"_s, c);
    }();
    return t;
}

const DemoTable &zhiv()
{
    static const DemoTable t = [] {
        Columns c{{u"ID_CATAL"_s, I}};
        for (const QString &name : DemoLivestock::columns())
            c.append({name, I});
        c.append({u"ACTUAL_DATE"_s, D});
        return DemoTable(u"ZHIV"_s, u"ID_CATAL"_s, c);
    }();
    return t;
}

const DemoTable &tehnika()
{
    static const DemoTable t(u"TEHNIKA"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SPR_TEHNIKA_ID"_s, I}, {u"TCOUNT"_s, I},
                                     {u"ACTUAL_DATE"_s, D}});
    return t;
}

const DemoTable &obor()
{
    static const DemoTable t(u"OBOR"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SPR_OBOR_ID"_s, I}, {u"OCOUNT"_s, I},
                                     {u"ACTUAL_DATE"_s, D}});
    return t;
}

const DemoTable &postrRast()
{
    static const DemoTable t(u"POSTR_RAST"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SPR_POSTR_RAST_ID"_s, I}, {u"PCOUNT"_s, I},
                                     {u"VMEST"_s, N}, {u"ACTUAL_DATE"_s, D}});
    return t;
}

const DemoTable &postrZhiv()
{
    static const DemoTable t(u"POSTR_ZHIV"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SPR_POSTR_ZHIV_ID"_s, I}, {u"PCOUNT"_s, I},
                                     {u"CHISLO_SKM"_s, I}, {u"ACTUAL_DATE"_s, D}});
    return t;
}

const DemoTable &teplitsy()
{
    static const DemoTable t(u"TEPLITSY"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I},  {u"OVOSHEY"_s, N},   {u"CVETOV"_s, N},
                                     {u"GRIBOV"_s, N},    {u"PROCHEE"_s, N},   {u"ACTUAL_DATE"_s, D},
                                     {u"OVOSHEY_V"_s, I}, {u"CVETOV_V"_s, I},  {u"GRIBOV_V"_s, I},
                                     {u"PROCHEE_V"_s, I}});
    return t;
}

const DemoTable &kfhCatal()
{
    static const DemoTable t(
        u"KFH_CATAL"_s, {},
        Columns{{u"BIN"_s, T},         {u"IIN"_s, T},         {u"FIO"_s, T},          {u"NAME"_s, T},
                {u"N_LSKN"_s, T},      {u"ADDRESS_PRIM"_s, T}, {u"ACTUAL_DATE"_s, TS}, {u"IS_DELETED"_s, I},
                {u"DATE_DELETED"_s, D}, {u"KATO_ID"_s, I},     {u"RNN"_s, T},          {u"SPR_SPP_ID"_s, I},
                {u"YEAR_FROM"_s, I},   {u"ADDRESS_SEC"_s, T}, {u"ADDRESS_MAN"_s, T},  {u"PRIM_OKED"_s, I},
                {u"SEC_OKED"_s, T},    {u"PHONE"_s, T}});
    return t;
}

const DemoTable &kfhSostav()
{
    static const DemoTable t(u"KFH_SOSTAV"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"VSEGO"_s, I}, {u"ZHEN"_s, I}, {u"NAIM"_s, I},
                                     {u"PERERAB"_s, I}, {u"ACTUAL_DATE"_s, TS}});
    return t;
}

const DemoTable &kfhMoney()
{
    static const DemoTable t(u"KFH_MONEY"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SUM_ZEM"_s, N}, {u"SUM_OBOR"_s, N},
                                     {u"SUM_SOOR"_s, N}});
    return t;
}

const DemoTable &kfhPostrTeh()
{
    static const DemoTable t(u"KFH_POSTR_TEH"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SPR_POSTR_TEH_ID"_s, I}, {u"PCOUNT"_s, I},
                                     {u"PLO"_s, N}, {u"ACTUAL_DATE"_s, TS}});
    return t;
}

const DemoTable &kfhPostrOil()
{
    static const DemoTable t(u"KFH_POSTR_OIL"_s, u"ID_CATAL"_s,
                             Columns{{u"ID_CATAL"_s, I}, {u"SPR_POSTR_OIL_ID"_s, I}, {u"PCOUNT"_s, I},
                                     {u"CHISLO_KUBOV"_s, N}, {u"ACTUAL_DATE"_s, TS}});
    return t;
}

} // namespace DemoTables

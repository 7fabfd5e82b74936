#pragma once

#include "db/demo/DemoRows.h"

// The columns the demo writes, table by table. ID is never among them: the
// database numbers every row.
namespace DemoTables {

const DemoTable &knigaKato();
const DemoTable &knigaProperty();

const DemoTable &kpuCatal();
const DemoTable &kpuSrn();
const DemoTable &kpuSrn2();
const DemoTable &kpuRzhf();
const DemoTable &kpuVtt();
const DemoTable &kpuZakup();
const DemoTable &kpuDopol();

const DemoTable &zem();
const DemoTable &zhiv();
const DemoTable &tehnika();
const DemoTable &obor();
const DemoTable &postrRast();
const DemoTable &postrZhiv();
const DemoTable &teplitsy();

const DemoTable &kfhCatal();
const DemoTable &kfhSostav();
const DemoTable &kfhMoney();
const DemoTable &kfhPostrTeh();
const DemoTable &kfhPostrOil();

} // namespace DemoTables

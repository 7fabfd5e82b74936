#pragma once

#include "db/demo/DemoRows.h"

#include <QDate>
#include <QList>

class DemoLand;
class DemoLivestock;
class DemoRandom;

// A card with the rows of its sections; the writer ties the sections to the
// ID the database gives the card.
struct DemoCard
{
    DemoRow card;
    QList<DemoRow> sections;
};

// The sections both books share. Households keep a few of each thing, farms
// many; every row passes the save rules of its section.
namespace DemoSections {

enum class Book { Household, Farm };

DemoRow land(const DemoLand &land, const QDate &actual);
DemoRow livestock(const DemoLivestock &livestock, const QDate &actual);
QList<DemoRow> machinery(Book book, DemoRandom &random, const QDate &actual);
QList<DemoRow> equipment(Book book, DemoRandom &random, const QDate &actual);
QList<DemoRow> cropBuildings(Book book, DemoRandom &random, const QDate &actual);
QList<DemoRow> livestockBuildings(const DemoLivestock &livestock, DemoRandom &random, const QDate &actual);
DemoRow greenhouses(Book book, DemoRandom &random, const QDate &actual);
DemoRow purchases(Book book, DemoRandom &random, const QDateTime &actual);
DemoRow additionalInfo(Book book, DemoRandom &random, const QDateTime &actual);

} // namespace DemoSections

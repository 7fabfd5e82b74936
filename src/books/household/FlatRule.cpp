#include "books/household/FlatRule.h"

#include "db/Dataset.h"
#include "db/TFDM.h"

using namespace Qt::StringLiterals;

bool applyFlatRule(TFDM &fdm)
{
    const Dataset &housing = fdm.section(u"TRZHF"_s);
    if (!housing.isActive() || housing.isEmpty() || housing.value(u"SPVOB_ID"_s).toInt() != OneFlatHouse)
        return false;
    Dataset &card = fdm.TKPUCatal;
    if (!card.isActive() || card.isEmpty())
        return false;
    card.edit(); // nothing when it is being edited already
    card.setValue(u"FLAT"_s, u"0"_s);
    return true;
}

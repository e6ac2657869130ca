#include "commission/JournalLine.h"

#include "data/table/DbfTable.h"

namespace tarvela {

JournalLine readJournalLine(const DbfTable& denik)
{
    JournalLine line;
    line.card = denik.asString("DEN_KAV");
    line.variant = denik.asString("DEN_IND");
    line.operation = denik.asString("DEN_OPE");
    line.quantity = -double(denik.asInteger("DEN_KUS"));
    line.value = -denik.asFloat("DEN_HPC");
    line.cost = -denik.asFloat("DEN_HNC");
    line.vatRate = denik.asFloat("DEN_DAN");
    return line;
}

} // namespace tarvela

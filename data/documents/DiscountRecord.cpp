#include "data/documents/DiscountRecord.h"

#include "data/table/DbfTable.h"

namespace tarvela {

DocumentDiscount readDiscount(const DbfTable& faktSlevy)
{
    return {faktSlevy.asFloat("FAS_SLE"), faktSlevy.asFloat("FAS_DAN"), faktSlevy.asBool("FAS_DPH"),
            faktSlevy.asBool("FAS_ROZ")};
}

} // namespace tarvela

#include "data/verify/Finding.h"

namespace tarvela {

const char* kindName(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Totals: return "totals";
    case FindingKind::PaidState: return "payment";
    case FindingKind::MissingDocument: return "no document";
    case FindingKind::SplitShares: return "split";
    case FindingKind::UnknownSalesman: return "salesman";
    case FindingKind::CardGroup: return "group";
    case FindingKind::Index: return "index";
    }
    return "?";
}

} // namespace tarvela

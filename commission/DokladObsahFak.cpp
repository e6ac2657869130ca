#include "commission/DokladObsahFak.h"

#include "data/documents/DocumentRowFields.h"

namespace tarvela {

MemTable makeDokladObsahFak()
{
    MemTable table("DokladObsahFak");
    declareDocumentRowFields(table, true);
    return table;
}

} // namespace tarvela

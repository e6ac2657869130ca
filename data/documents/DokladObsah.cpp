#include "data/documents/DokladObsah.h"

#include "data/documents/DocumentRowFields.h"

namespace tarvela {

MemTable makeDokladObsah()
{
    MemTable table("DokladObsah");
    declareDocumentRowFields(table, false);
    return table;
}

} // namespace tarvela

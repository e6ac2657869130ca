#include "data/DokladObsah.h"

#include "data/DocumentRowFields.h"

namespace tarvela {

MemTable makeDokladObsah()
{
    MemTable table("DokladObsah");
    declareDocumentRowFields(table, false);
    return table;
}

} // namespace tarvela

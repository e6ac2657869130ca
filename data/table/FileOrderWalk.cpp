#include "data/table/FileOrderWalk.h"

#include "data/table/DbfTable.h"

namespace tarvela {

void forEachRecordInFileOrder(DbfTable& table, const std::function<void()>& visit)
{
    const std::string tag = table.activeTag();
    table.selectTag("");
    try {
        for (table.first(); !table.eof(); table.next())
            visit();
    } catch (...) {
        table.selectTag(tag);
        throw;
    }
    table.selectTag(tag);
}

} // namespace tarvela

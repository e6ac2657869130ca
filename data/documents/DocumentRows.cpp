#include "data/documents/DocumentRows.h"

#include "data/table/DbfTable.h"
#include "platform/Text.h"

namespace tarvela {

bool sameNumber(const std::string& stored, const std::string& sought)
{
    return withoutTrailingBlanks(std::string_view(stored)) == withoutTrailingBlanks(std::string_view(sought));
}

void forEachRowOfDocument(DbfTable& table, const std::string& numberField, const std::string& number,
                          const std::function<void()>& visit)
{
    const DbfTable::IndexHold held(table);
    table.setKeyRange(number, number);
    for (; !table.eof(); table.next())
        if (sameNumber(table.asString(numberField), number))
            visit();
}

} // namespace tarvela

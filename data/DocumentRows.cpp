#include "data/DocumentRows.h"

#include "data/DbfTable.h"

namespace tarvela {

std::string withoutTrailingBlanks(const std::string& text)
{
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool sameNumber(const std::string& stored, const std::string& sought)
{
    return withoutTrailingBlanks(stored) == withoutTrailingBlanks(sought);
}

void forEachRowOfDocument(DbfTable& table, const std::string& numberField, const std::string& number,
                          const std::function<void()>& visit)
{
    table.setKeyRange(number, number);
    for (; !table.eof(); table.next())
        if (sameNumber(table.asString(numberField), number))
            visit();
}

} // namespace tarvela

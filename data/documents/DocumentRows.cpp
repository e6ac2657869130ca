#include "data/documents/DocumentRows.h"

#include "data/table/DbfTable.h"
#include "platform/ReadBatch.h"
#include "platform/Text.h"

namespace tarvela {

bool sameNumber(const std::string& stored, const std::string& sought)
{
    return withoutTrailingBlanks(std::string_view(stored)) == withoutTrailingBlanks(std::string_view(sought));
}

void forEachRowOfDocument(DbfTable& table, const std::string& numberField, const std::string& number,
                          const std::function<void()>& visit)
{
    forEachRowOfDocuments(table, numberField, {number}, [&](std::size_t) { visit(); });
}

void forEachRowOfDocuments(DbfTable& table, const std::string& numberField, const std::vector<std::string>& numbers,
                           const std::function<void(std::size_t document)>& visit)
{
    const ReadBatch batch;  // the rows lie near each other: read in blocks
    const DbfTable::IndexHold held(table);
    for (std::size_t document = 0; document < numbers.size(); ++document) {
        const std::string& number = numbers[document];
        table.setKeyRange(number, number);
        for (; !table.eof(); table.next())
            if (sameNumber(table.asString(numberField), number))
                visit(document);
    }
}

} // namespace tarvela

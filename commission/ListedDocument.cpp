#include "commission/ListedDocument.h"

#include "data/table/DbfTable.h"

namespace tarvela {

ListedDocument readListedDocument(const DbfTable& documents)
{
    return {documents.asString("HLA_DO1"), documents.asString("HLA_DO2"), documents.asString("HLA_ODB"),
            documents.asString("HLA_ODP"), documents.asString("HLA_NAC"), documents.asString("HLA_OBC"),
            documents.asDate("HLA_DAT"),   documents.asDate("HLA_DVS"),   documents.asDate("HLA_DZP"),
            documents.asDate("HLA_DSP")};
}

std::vector<std::string> numbersOf(const DocumentBatch& documents)
{
    std::vector<std::string> numbers;
    numbers.reserve(documents.size());
    for (const ListedDocument& document : documents)
        numbers.push_back(document.number);
    return numbers;
}

DayNumber dateByBasis(const ListedDocument& document, DateBasis basis, DayNumber issueDate)
{
    switch (basis) {
    case DateBasis::TaxableSupply: return document.taxableSupply;
    case DateBasis::DueDate: return document.due;
    default: return issueDate;
    }
}

} // namespace tarvela

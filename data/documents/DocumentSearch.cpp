#include "data/documents/DocumentSearch.h"

#include <algorithm>

#include "data/cdx/CzechUpper.h"
#include "data/table/DbfTable.h"
#include "platform/CodePage.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

std::string completedNumber(const std::string& text, const std::string& currentNumber)
{
    const std::string current = trimmed(currentNumber);
    if (text.size() >= current.size())
        return text;
    return current.substr(0, current.size() - text.size()) + text;
}

} // namespace

SearchKey invoiceSearchKey(InvoiceSearch search, const std::string& text, const std::string& currentNumber)
{
    const std::string typed = trimmed(text);
    switch (search) {
    case InvoiceSearch::Number:
        return {"DO1", completedNumber(typed, currentNumber)};
    case InvoiceSearch::CustomerName:
        return {"NAC", oemToUtf8(cdx::upperCp852(utf8ToOem(typed)))};
    case InvoiceSearch::OrderNumber:
        return {"DO2", typed};
    case InvoiceSearch::ProformaNumber:
        return {"DO3", typed};
    }
    return {"DO1", typed};
}

SearchKey stockSearchKey(StockSearch search, const std::string& text)
{
    switch (search) {
    case StockSearch::Date:
        return {"DAT", text};
    case StockSearch::Card:
        return {"KAV", text};
    default:
        return {"DOK", text};
    }
}

SearchKey productSearchKey(ProductSearch search, const std::string& text)
{
    std::string typed = trimmed(text);
    switch (search) {
    case ProductSearch::Name:
        return {"NAC", oemToUtf8(cdx::upperCp852(utf8ToOem(typed)))};
    case ProductSearch::Price:
        std::erase(typed, ' ');
        std::replace(typed.begin(), typed.end(), ',', '.');
        return {"PC1", typed};
    default:
        return {"KAV", typed};
    }
}

void seekNearest(DbfTable& table, const SearchKey& search)
{
    table.selectTag(search.tag);
    table.seek(search.key, false, true);
}

} // namespace tarvela

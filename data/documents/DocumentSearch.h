// What the search dialogs of the document, journal and product browsers seek: the tag of the
// chosen search and the key typed, prepared as each search wants it.
#pragma once

#include <string>

namespace tarvela {

class DbfTable;

enum class InvoiceSearch { Number, CustomerName, OrderNumber, ProformaNumber };

struct SearchKey {
    std::string tag;
    std::string key;
};

// The text trimmed; a document number shorter than the current document's
// is completed on the left with the current number's leading characters
// (so "123" on F000000456 seeks F000000123); a customer name in upper case.
SearchKey invoiceSearchKey(InvoiceSearch search, const std::string& text, const std::string& currentNumber);

enum class StockSearch { Document, Date, Card };

// The journal searches seek the text as typed, a date as "dd.mm.yyyy".
SearchKey stockSearchKey(StockSearch search, const std::string& text);

enum class ProductSearch { Name, Card, Price };

// The product range searches: a name in upper case, a card number trimmed,
// a price with either decimal separator as a number.
SearchKey productSearchKey(ProductSearch search, const std::string& text);

// Sets the search's tag and stands on the first record whose key equals or
// follows the key; at the end of the table when there is none. The tag
// stays active.
void seekNearest(DbfTable& table, const SearchKey& search);

} // namespace tarvela

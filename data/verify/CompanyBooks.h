// The company as the data check sees it: the document headers with their
// stored totals and payment fields, and every row that refers to a document,
// each table read once in file order into maps by document number. Reading
// only: the tables are opened shared and no record is locked.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/documents/DocumentBooks.h"
#include "data/documents/DocumentItems.h"
#include "data/documents/DocumentTotals.h"
#include "platform/Date.h"

namespace tarvela {

class TData;
class TableRunProgress;

struct StoredHeader {
    std::string number;    // HLA_DO1
    int kind = kInvoiceKind;
    std::string file;      // the header table's file name
    std::string salesman;  // HLA_OBC
    DayNumber issueDate = 0;  // HLA_DVS
    DocumentTotals totals; // as stored; discountsOutsideVat is HLA_SBD
    bool paid = false;     // HLA_PLA
    double paidSum = 0;    // HLA_BPL
    DayNumber paidDate = 0;// HLA_BDP
};

class CompanyBooks {
public:
    // The number of tables read, for a progress that counts them.
    static constexpr std::size_t kTablesRead = 7;

    // Opens each table it reads for the time of its walk; a table that cannot
    // be read throws an Error naming its file.
    explicit CompanyBooks(TData& data, TableRunProgress* progress = nullptr);

    const StoredHeader* header(const std::string& number) const;
    const std::vector<ItemSum>& itemsOf(const std::string& number) const;
    const std::vector<DocumentDiscount>& discountsOf(const std::string& number) const;
    bool isSalesman(const std::string& code) const;

    // Invoices, then credit notes, each in file order.
    std::vector<StoredHeader> headers;
    // Discount rows of every document number, the documents' own or not.
    std::unordered_map<std::string, std::vector<DocumentDiscount>> discounts;
    PaymentBook payments;
    SplitBook splits;
    std::string discountFile, paymentFile, splitFile, salesmanFile;

private:
    std::unordered_map<std::string, std::size_t> headerAt_;
    std::unordered_map<std::string, std::vector<ItemSum>> items_;
    std::unordered_set<std::string> salesmen_;
};

} // namespace tarvela

// The payments and the commission splits of every document, each read in
// one walk of its table, so that a report pass looks them up instead of
// searching the table once per document and salesman. Rows of a document
// keep their record order, which is their order in the tag "DO1" as well,
// so sums come out exactly as a walk of the document's key range gives them.
// The table must be open; its active tag is kept.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "data/documents/PaymentStatus.h"
#include "data/documents/SplitShare.h"

namespace tarvela {

class DbfTable;

class PaymentBook {
public:
    explicit PaymentBook(DbfTable& vypisy);
    // Paid sum and latest payment date; zeros for a document without payments.
    PaymentStatus of(const std::string& document) const;
    // Every document that has payments, by its number without trailing blanks.
    const std::unordered_map<std::string, PaymentStatus>& byDocument() const { return byDocument_; }

private:
    std::unordered_map<std::string, PaymentStatus> byDocument_;
};

class SplitBook {
public:
    explicit SplitBook(DbfTable& delProv);
    // The document's split records; empty when it has none.
    const std::vector<SplitShare>& of(const std::string& document) const;
    // Every document that has split records, by its number without trailing blanks.
    const std::unordered_map<std::string, std::vector<SplitShare>>& byDocument() const { return byDocument_; }

private:
    std::unordered_map<std::string, std::vector<SplitShare>> byDocument_;
};

} // namespace tarvela

#include "data/verify/MissingDocumentCheck.h"

#include <algorithm>

#include "data/verify/FindingText.h"

namespace tarvela {

namespace {

// Findings for the documents of one table's map that have no header.
template <typename Rows, typename Describe>
void addMissing(Findings& findings, const CompanyBooks& books, const std::string& file, const Rows& byDocument,
                Describe describe)
{
    Findings missing;
    for (const auto& [number, rows] : byDocument)
        if (!books.header(number))
            missing.push_back({FindingKind::MissingDocument, file, codeText(number),
                               describe(rows) + " of a document that is neither an invoice nor a credit note"});
    std::ranges::sort(missing, {}, &Finding::where);
    findings.insert(findings.end(), missing.begin(), missing.end());
}

std::string paymentsText(const PaymentStatus& payments)
{
    return "payments of " + amountText(payments.paidSum) + ", the last on " + dateText(payments.lastPaymentDate);
}

std::string discountsText(const std::vector<DocumentDiscount>& discounts)
{
    double sum = 0;
    for (const DocumentDiscount& discount : discounts)
        sum += discount.amount;
    return std::to_string(discounts.size()) + " discount rows of " + amountText(sum);
}

std::string splitsText(const std::vector<SplitShare>& splits)
{
    std::string salesmen;
    for (const SplitShare& split : splits)
        salesmen += (salesmen.empty() ? "" : ", ") + codeText(split.salesman);
    return std::to_string(splits.size()) + " split rows (" + salesmen + ")";
}

} // namespace

Findings checkRowsWithoutDocument(const CompanyBooks& books)
{
    Findings findings;
    addMissing(findings, books, books.paymentFile, books.payments.byDocument(), paymentsText);
    addMissing(findings, books, books.discountFile, books.discounts, discountsText);
    addMissing(findings, books, books.splitFile, books.splits.byDocument(), splitsText);
    return findings;
}

} // namespace tarvela

#include "data/verify/SalesmanCheck.h"

#include <algorithm>

#include "data/verify/FindingText.h"

namespace tarvela {

namespace {

std::string notASalesman(const CompanyBooks& books, const std::string& field, const std::string& code)
{
    return field + " " + codeText(code) + " is not a salesman of " + books.salesmanFile;
}

Findings checkSplitRows(const CompanyBooks& books)
{
    Findings findings;
    for (const auto& [number, splits] : books.splits.byDocument())
        for (const SplitShare& split : splits)
            if (!books.isSalesman(split.salesman))
                findings.push_back({FindingKind::UnknownSalesman, books.splitFile, codeText(number),
                                    notASalesman(books, "DPR_OBC", split.salesman)});
    std::ranges::sort(findings, {}, &Finding::where);
    return findings;
}

} // namespace

Findings checkSalesmenExist(const CompanyBooks& books)
{
    Findings findings;
    for (const StoredHeader& header : books.headers) {
        if (header.salesman.empty())
            findings.push_back({FindingKind::UnknownSalesman, header.file, header.number,
                                "HLA_OBC is blank: nobody earns its commission"});
        else if (!books.isSalesman(header.salesman))
            findings.push_back({FindingKind::UnknownSalesman, header.file, header.number,
                                notASalesman(books, "HLA_OBC", header.salesman)});
    }
    const Findings splitRows = checkSplitRows(books);
    findings.insert(findings.end(), splitRows.begin(), splitRows.end());
    return findings;
}

} // namespace tarvela

#include "data/verify/CompanyIndexCheck.h"

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/TableRunProgress.h"
#include "data/dbf/DbfFile.h"
#include "data/table/IndexFileCheck.h"
#include "data/verify/FindingText.h"
#include "platform/FileNames.h"

namespace tarvela {

namespace {

const char* const kRemedy = "; tarvela-dbf reindex rebuilds it";

std::string tagDetail(const TagReport& report)
{
    std::string detail;
    for (const std::string& problem : report.result.problems)
        appendPart(detail, problem);
    return detail;
}

void checkOneIndexFile(Findings& findings, const IndexedTable& indexed, const MerkanSettings& settings)
{
    const std::string tableName = tableFileOf(indexed.member, settings.companyNumber) + ".DBF";
    const auto tablePath = findFileIgnoringCase(settings.dataDirectory, tableName);
    if (!tablePath)
        return;
    const std::string indexName = indexFileOf(indexed.member, settings.companyNumber);
    const auto indexPath = findFileIgnoringCase(settings.dataDirectory, indexName);
    if (!indexPath) {
        findings.push_back({FindingKind::Index, indexName, "", std::string("the index file is missing") + kRemedy});
        return;
    }
    DbfFile table(*tablePath, ShareMode::Shared, findCatalogueEntry(indexed.member)->lockProtocol, 0);
    std::vector<TagReport> reports;
    try {
        reports = checkIndexFile(*indexPath, table);
    } catch (const Error& error) {
        findings.push_back({FindingKind::Index, indexName, "", error.what() + std::string(kRemedy)});
        return;
    }
    for (const TagReport& report : reports)
        if (!report.isSound())
            findings.push_back({FindingKind::Index, indexName, "tag " + report.name, tagDetail(report)});
}

} // namespace

Findings checkCompanyIndexes(const MerkanSettings& settings, TableRunProgress* progress)
{
    Findings findings;
    for (const IndexedTable& indexed : indexCatalogue()) {
        if (progress)
            progress->beginTable(indexFileOf(indexed.member, settings.companyNumber));
        checkOneIndexFile(findings, indexed, settings);
    }
    return findings;
}

} // namespace tarvela

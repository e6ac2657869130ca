#include "data/table/IndexFileCheck.h"

#include <algorithm>

#include "data/cdx/HeldIndexLock.h"

namespace tarvela {

namespace {

std::vector<const cdx::Tag*> inCreationOrder(const std::vector<cdx::Tag>& tags)
{
    std::vector<const cdx::Tag*> ordered;
    for (const cdx::Tag& tag : tags)
        ordered.push_back(&tag);
    std::ranges::sort(ordered, {}, &cdx::Tag::headerOffset);
    return ordered;
}

TagReport checkOneTag(cdx::IndexFile& file, const cdx::Tag& tag, RecordSource& table)
{
    TagReport report{tag.name, {}, {}};
    if (!tag.key) {
        report.notCompared = tag.expressionError;
        report.result = cdx::checkTag(file.cache(), tag, nullptr);
        return report;
    }
    report.result = cdx::checkTag(file.cache(), tag, &table);
    return report;
}

} // namespace

std::vector<TagReport> checkIndexFile(const std::string& indexPath, RecordSource& table)
{
    cdx::IndexFile file(indexPath, table.fields(), table.lockProtocol());
    cdx::HeldIndexLock lock(file, table.fileName());
    file.refresh(true);
    std::vector<TagReport> reports;
    for (const cdx::Tag* tag : inCreationOrder(file.tags()))
        reports.push_back(checkOneTag(file, *tag, table));
    return reports;
}

} // namespace tarvela

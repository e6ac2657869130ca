#include "data/company/TableReindex.h"

#include <exception>
#include <filesystem>

#include "data/table/DbfTable.h"
#include "data/catalogue/IndexCatalogue.h"
#include "data/company/RebuiltIndexCounter.h"
#include "data/company/ReindexProgress.h"
#include "platform/AtomicFile.h"
#include "platform/FileNames.h"
#include "platform/Ui.h"

namespace tarvela {

namespace fs = std::filesystem;

namespace {

bool tableFileExists(const ReindexTarget& target)
{
    const fs::path path = fs::path(target.dataDirectory) / (target.tableBaseName + ".dbf");
    std::error_code ignored;
    return fs::is_regular_file(resolvePathIgnoringCase(path.string()), ignored);
}

void detachQuietly(DbfTable& table, const std::string& path)
{
    try {
        table.detachIndexFile(path);
    } catch (const std::exception&) {
    }
}

// Builds every tag into a file beside the old one, which replaces the old
// one only when complete. On failure the partial file goes and the old one stays.
void buildIndexFile(DbfTable& table, const IndexedTable& entry, const std::string& finalPath, Ui& ui)
{
    AtomicFile target(finalPath);
    const std::string& newPath = target.temporaryPath();
    target.append(emptyIndexFileReplacing(finalPath));
    target.flush();
    ReindexProgress progress(ui);
    try {
        for (const IndexTagSpec& tag : entry.tags) {
            progress.setCaption(tag.progressCaption);
            table.buildIndexTag(newPath, tag.name, tag.keyExpression, tag.forExpression, tag.isUnique(),
                                tag.isDescending(),
                                [&](std::uint32_t position, std::uint32_t total) { progress.report(position, total); });
        }
        table.detachIndexFile(newPath);
    } catch (...) {
        detachQuietly(table, newPath);
        throw;
    }
    target.commit();
}

void reopen(DbfTable& table, const std::string& indexPath, const std::string& tag, Ui& ui)
{
    try {
        table.open();
        table.attachIndexFile(indexPath);
        if (!tag.empty())
            table.selectTag(tag);
    } catch (const std::exception& error) {
        table.close();
        ui.showMessage(error.what());
    }
}

} // namespace

bool reindexTable(DbfTable& table, const IndexedTable& entry, const ReindexTarget& target, Ui& ui)
{
    if (!tableFileExists(target)) {
        // The directory and the name are joined as they are, as the user knows the message.
        ui.showMessage("Nenalezen soubor " + target.dataDirectory + target.tableBaseName + ".dbf");
        return false;
    }
    const bool wasOpen = table.isOpen();
    const std::string activeTag = wasOpen ? table.activeTag() : std::string();
    table.close();
    table.setExclusive(true);
    // Absolute, because the table layer reads relative index names as names in its directory.
    const std::string indexPath =
        resolvePathIgnoringCase(fs::absolute(table.directory() + target.indexBaseName + ".cdx").string());

    bool rebuilt = false;
    try {
        table.open();
        buildIndexFile(table, entry, indexPath, ui);
        rebuilt = true;
    } catch (const std::exception&) {
        ui.showMessage(entry.failureMessage);
    }
    table.close();
    table.setExclusive(false);
    if (wasOpen)
        reopen(table, indexPath, activeTag, ui);
    return rebuilt;
}

} // namespace tarvela

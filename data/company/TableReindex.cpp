#include "data/company/TableReindex.h"

#include <exception>
#include <filesystem>

#include "data/table/DbfTable.h"
#include "data/catalogue/IndexCatalogue.h"
#include "data/company/RebuiltIndexCounter.h"
#include "data/company/ReindexLocks.h"
#include "data/company/ReindexProgress.h"
#include "platform/AtomicFile.h"
#include "platform/Error.h"
#include "platform/FileNames.h"
#include "platform/ReadBatch.h"
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

// The new index file could not take the old one's name; the message names
// the file and the reason, and says the old index is still there.
class SwapFailed : public Error {
public:
    using Error::Error;
};

std::string fileNameOf(const std::string& path)
{
    return fs::path(path).filename().string();
}

std::string inUseMessage(const DbfTable& table)
{
    return "S tabulkou " + fileNameOf(table.filePath())
           + " právě pracuje jiný program, její index zůstal beze změny. Spusťte indexaci, až s ní nebude "
             "nikdo pracovat.";
}

void swapIn(AtomicFile& target)
{
    try {
        target.commit();
    } catch (const Error&) {
        if (target.isCommitted())
            throw;
        throw SwapFailed("Soubor " + target.path() + " nelze nahradit novým indexem (" + target.failureReason()
                         + "), původní index zůstal beze změny.");
    }
}

void detachQuietly(DbfTable& table, const std::string& path)
{
    try {
        table.detachIndexFile(path);
    } catch (const std::exception&) {
    }
}

// Builds every tag into a file beside the old one, which replaces the old
// one only when complete. On failure the partial file goes and the old one
// stays. The caller holds the protocol's locks throughout.
void buildIndexFile(DbfTable& table, const IndexedTable& entry, const std::string& finalPath, Ui& ui,
                    TableRunProgress* run)
{
    AtomicFile target(finalPath);
    const std::string& newPath = target.temporaryPath();
    target.append(emptyIndexFileReplacing(finalPath));
    target.flush();
    ReindexProgress progress(ui, run);
    try {
        // Attached once, the new file is opened and locked once for all its tags.
        table.attachIndexFile(newPath);
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
    swapIn(target);
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

bool reindexTable(DbfTable& table, const IndexedTable& entry, const ReindexTarget& target, Ui& ui,
                  TableRunProgress* progress)
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
        const ReadBatch batch;  // the tags read the table once between them
        const ReindexLocks locks(table, indexPath);
        if (locks.isHeld()) {
            buildIndexFile(table, entry, indexPath, ui, progress);
            rebuilt = true;
        } else {
            ui.showMessage(inUseMessage(table));
        }
    } catch (const SwapFailed& error) {
        ui.showMessage(error.what());
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

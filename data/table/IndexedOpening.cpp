#include "data/table/IndexedOpening.h"

#include "data/table/DbfTable.h"
#include "platform/Text.h"
#include <exception>

namespace tarvela {

namespace {

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

void selectTagUnlessBlank(DbfTable& table, const std::string& tag)
{
    if (!isBlank(tag))
        table.selectTag(trimmed(tag));
}

bool openFresh(DbfTable& table, const std::string& indexFile, const std::string& tag)
{
    try {
        table.open();
        table.attachIndexFile(indexFile);
        selectTagUnlessBlank(table, tag);
        return true;
    } catch (const std::exception& error) {
        table.close();
        table.noteFailedOpening(error.what());
        return false;
    }
}

} // namespace

bool openWithIndex(DbfTable& table, const std::string& indexFile, const std::string& tag,
                   WhenAlreadyOpen rule)
{
    if (!table.isOpen())
        return openFresh(table, indexFile, tag);
    // A table found open stays open whatever goes wrong here.
    try {
        if (rule == WhenAlreadyOpen::AttachWhenNoTags && table.attachedTagCount() == 0)
            table.attachIndexFile(indexFile);
        selectTagUnlessBlank(table, tag);
    } catch (const std::exception&) {
    }
    return false;
}

void closeWithIndex(DbfTable& table, const std::string& indexFile)
{
    if (!table.isOpen())
        return;
    try {
        table.detachIndexFile(indexFile);
    } catch (const std::exception&) {
    }
    table.close();
}

} // namespace tarvela

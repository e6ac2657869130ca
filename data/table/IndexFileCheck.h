// Checks every tag of one index file against its table: the tree's structure,
// the order of its entries and that every record has exactly the entries its
// key, FOR condition and uniqueness call for. Reads under the index lock and
// writes nothing, so it is safe while other programs work on the files.
#pragma once

#include <string>
#include <vector>

#include "data/dbf/RecordSource.h"
#include "data/cdx/TagCheck.h"

namespace tarvela {

struct TagReport {
    std::string name;
    cdx::TagCheckResult result;
    // Why the entries could not be compared with the records (an expression
    // this program cannot evaluate); the structure was still checked.
    std::string notCompared;

    bool isSound() const { return result.isSound(); }
};

// Tags in the order they were created. Errors: the file cannot be opened or
// locked, or its header or tag directory cannot be read.
std::vector<TagReport> checkIndexFile(const std::string& indexPath, RecordSource& table);

} // namespace tarvela

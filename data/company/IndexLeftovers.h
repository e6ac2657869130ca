// Temporary index files that a reindex of this program leaves in the shared
// data folder when it is killed half way: the temporary of the new index file
// being built ("NAME.cdx.new" followed by six random characters, or the bare
// ".new" of earlier versions). Only these names are ours; nothing else in the
// folder is touched.
#pragma once

#include <string>

namespace tarvela {

// Removes the leftovers of the folder, except those whose table someone has
// open, as a reindex still running elsewhere has. Errors are ignored: a
// leftover that stays is removed next time.
void removeIndexLeftovers(const std::string& dataDirectory);

} // namespace tarvela

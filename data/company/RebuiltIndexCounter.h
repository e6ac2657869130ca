// The start of an index file that replaces another: an empty CDX file whose
// change counter (4 bytes at offset 8, counted up from the last byte as every
// writer of the file does) is one above the replaced file's, so that every
// program that caches pages while the counter stays sees the new file as
// changed. Building the tags counts it up further.
#pragma once

#include <string>

namespace tarvela {

// No replaced file (or one too short to hold a counter) counts as counter 0.
std::string emptyIndexFileReplacing(const std::string& replacedPath);

} // namespace tarvela

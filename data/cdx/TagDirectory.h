// The tag directory of a compound index file: a tree keyed by tag name (upper
// case, blank padded to 10, plain byte order) whose record numbers are the
// offsets of the tag headers. Also creates an index file with no tags.
#pragma once

#include <string>
#include <vector>

#include "data/cdx/PageCache.h"

namespace tarvela::cdx {

struct DirectoryEntry {
    std::string name;
    std::uint32_t headerOffset = 0;
};

std::vector<DirectoryEntry> readDirectory(PageCache& cache);

// Enters a tag, or points an existing entry of that name at the new header
// (the old tag's pages stay as orphans). Caller holds the index lock.
void enterInDirectory(PageCache& cache, const std::string& name, std::uint32_t headerOffset);

// The bytes of an index file without tags: file header and empty directory.
std::string emptyIndexFile();

// Tag names are at most 10 characters, upper case.
std::string directoryKey(const std::string& tagName);

} // namespace tarvela::cdx

#include "data/cdx/TagDirectory.h"

#include <cctype>

#include "data/cdx/LeafNode.h"
#include "data/cdx/TagHeader.h"
#include "data/cdx/TagTree.h"
#include "data/cdx/TagUpdater.h"
#include "platform/Text.h"

namespace tarvela::cdx {

namespace {

const KeyFormat kDirectoryFormat{kDirectoryKeyLength, ' '};

TagHeader fileHeader(PageCache& cache)
{
    const auto bytes = cache.readHeader(0);
    return TagHeader::decode(bytes.data(), 0);
}

std::string nameOf(const std::string& key)
{
    const auto end = key.find_last_not_of(std::string(" \0", 2));
    return end == std::string::npos ? std::string() : key.substr(0, end + 1);
}

} // namespace

std::string directoryKey(const std::string& tagName)
{
    std::string key = upperAscii(tagName.substr(0, kDirectoryKeyLength));
    key.resize(kDirectoryKeyLength, ' ');
    return key;
}

std::vector<DirectoryEntry> readDirectory(PageCache& cache)
{
    const TagHeader header = fileHeader(cache);
    if (header.keyLength != kDirectoryKeyLength)
        throw CorruptIndex("tag directory with key length " + std::to_string(header.keyLength));
    std::vector<DirectoryEntry> entries;
    TagTree(cache, header.root, kDirectoryFormat).forEach([&](const Entry& entry) {
        entries.push_back({nameOf(entry.key), entry.record});
        return true;
    });
    return entries;
}

void enterInDirectory(PageCache& cache, const std::string& name, std::uint32_t headerOffset)
{
    const TagHeader header = fileHeader(cache);
    const std::string key = directoryKey(name);
    TagTree tree(cache, header.root, kDirectoryFormat);
    const KeyOrder order(false, false);
    const Position found = tree.findFirst([&](const Entry& e) { return order.compareKeys(e.key, key) >= 0; });
    TagUpdater updater(cache, 0, header.root, kDirectoryFormat, order);
    if (found.isValid() && found.entry().key == key)
        updater.remove(key, found.entry().record);
    updater.insert(key, headerOffset);
}

std::string emptyIndexFile()
{
    const auto header = TagHeader::directory().encode();
    Node root;
    root.offset = kDirectoryRoot;
    const auto leaf = encodeLeaf(root, kDirectoryFormat);
    std::string bytes(reinterpret_cast<const char*>(header.data()), header.size());
    bytes.append(reinterpret_cast<const char*>(leaf.data()), leaf.size());
    return bytes;
}

} // namespace tarvela::cdx

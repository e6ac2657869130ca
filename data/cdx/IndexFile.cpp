#include "data/cdx/IndexFile.h"

#include "data/cdx/IndexLock.h"
#include "data/cdx/IndexRemedy.h"
#include "data/cdx/TagDirectory.h"
#include "data/cdx/TagTree.h"

namespace tarvela::cdx {

IndexFile::IndexFile(const std::string& path, const std::vector<FieldDescriptor>& fields, LockProtocol protocol)
    : path_(path), fields_(fields), protocol_(protocol)
{
    switch (file_.open(path, ShareMode::Shared)) {
    case OpenStatus::Missing:
        throw Error(formatMessage("File %s could not be found", path));
    case OpenStatus::Denied:
        throw Error(formatMessage("Access denied to file %s", path));
    case OpenStatus::Opened:
        break;
    }
}

bool IndexFile::lock()
{
    return lockIndex(file_, protocol_);
}

void IndexFile::unlock()
{
    unlockIndex(file_, protocol_);
}

Error IndexFile::corrupted() const
{
    return Error(formatMessage("Index file %s is corrupted.", path_) + kIndexRemedy);
}

Error IndexFile::outOfCollation(const std::string& tagName) const
{
    return Error("Index file " + path_ + " cannot be searched: the keys of tag " + tagName +
                 " are not in the Czech collation order." + kIndexRemedy);
}

void IndexFile::refresh(bool force)
{
    try {
        if (!cache_.validate() || tags_.empty() || force)
            readTags();
    } catch (const CorruptIndex&) {
        forgetTags();
        throw corrupted();
    }
}

void IndexFile::forgetTags()
{
    tags_.clear();
    ++tagsVersion_;
}

namespace {

// Whether the first key of the leftmost leaf is smaller than the last key of
// the rightmost one; tags of a single key count as stored as flagged.
bool isStoredAscending(PageCache& cache, const Tag& tag)
{
    const TagTree tree(cache, tag.header.root, tag.format);
    const Position first = tree.first();
    const Position last = tree.last();
    return first.isValid() && last.isValid() && tag.order.compareKeys(first.entry().key, last.entry().key) < 0;
}

} // namespace

void IndexFile::readTags()
{
    std::vector<Tag> tags;
    for (const auto& entry : readDirectory(cache_)) {
        const auto bytes = cache_.readHeader(entry.headerOffset);
        Tag tag = makeTag(entry.name, entry.headerOffset, TagHeader::decode(bytes.data(), entry.headerOffset), fields_);
        if (tag.header.descending && isStoredAscending(cache_, tag)) {
            tag.order = KeyOrder(tag.isCharacter(), false);
            tag.reversed = true;
        }
        tags.push_back(std::move(tag));
    }
    tags_ = std::move(tags);
    ++tagsVersion_;
}

Tag* IndexFile::findTag(const std::string& name)
{
    const std::string wanted = directoryKey(name);
    for (auto& tag : tags_)
        if (directoryKey(tag.name) == wanted)
            return &tag;
    return nullptr;
}

} // namespace tarvela::cdx

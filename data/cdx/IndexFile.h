// One attached compound index file: the open file, its page cache and its
// tags. Everything but construction happens under the index lock, which the
// owner takes through lock()/unlock(); refresh() right after locking picks up
// tags that another program added, rebuilt or re-rooted in between.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/cdx/PageCache.h"
#include "data/dbf/RecordSource.h"
#include "data/cdx/Tag.h"
#include "platform/SharedFile.h"

namespace tarvela::cdx {

class IndexFile {
public:
    // Errors: "File %s could not be found", "Access denied to file %s",
    // "Index file %s is corrupted".
    IndexFile(const std::string& path, const std::vector<FieldDescriptor>& fields, LockProtocol protocol);

    const std::string& path() const { return path_; }
    const FileIdentity& identity() const { return file_.identity(); }
    bool lock();
    void unlock();
    // force: re-read the tags even when the file looks unchanged.
    void refresh(bool force = false);
    // Until the next refresh, which reads them again.
    void forgetTags();
    // Whether the tags as read are still the file's; needs no lock.
    bool tagsAreCurrent() { return !tags_.empty() && cache_.isUnchanged(); }

    PageCache& cache() { return cache_; }
    const std::vector<Tag>& tags() const { return tags_; }
    // Changes whenever the tags are read again, which moves them in memory.
    std::uint64_t tagsVersion() const { return tagsVersion_; }
    Tag* findTag(const std::string& name);
    // After an update moved a tag's root.
    void setRoot(Tag& tag, std::uint32_t root) { tag.header.root = root; }
    // Message for any structural fault met while using the file.
    Error corrupted() const;
    // Message for a search on a tag that another collation ordered.
    Error outOfCollation(const std::string& tagName) const;

private:
    void readTags();

    std::string path_;
    std::vector<FieldDescriptor> fields_;
    LockProtocol protocol_;
    SharedFile file_;
    PageCache cache_{file_};
    std::vector<Tag> tags_;
    std::uint64_t tagsVersion_ = 0;
};

} // namespace tarvela::cdx

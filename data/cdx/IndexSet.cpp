#include "data/cdx/IndexSet.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "data/cdx/Collation.h"
#include "data/cdx/ForeignOrder.h"
#include "data/cdx/HeldIndexLock.h"
#include "data/cdx/IndexFile.h"
#include "data/cdx/KeyRange.h"
#include "data/cdx/RecordScan.h"
#include "data/cdx/SearchKey.h"
#include "data/cdx/TagBuilder.h"
#include "data/cdx/TagDirectory.h"
#include "data/cdx/TagNavigator.h"
#include "data/cdx/TagUpdater.h"
#include "platform/Error.h"
#include "platform/ReadBatch.h"
#include "platform/RoundTrips.h"
#include "platform/Text.h"
#include "platform/WholeFile.h"

namespace tarvela {

using namespace cdx;

namespace {

// Inside a read batch the index locks outlive the operation that took them
// for at most this many further operations and this many round trips of the
// whole program (a 64 KB read counting as one more), let go as soon as
// either is spent, even while their holder waits on other files. Counted,
// not timed, so that a run costs the same round trips on every machine; the
// operations are a few tens of milliseconds of work. Less would cost more in
// locking again than it saves a writer on another computer.
constexpr int kLingeringSteps = 16384;
constexpr std::uint64_t kLingeringRoundTrips = 48;
// Locks taken again at once leave a writer on another computer gaps of one
// round trip, which it may miss for seconds, since it tries a refused lock
// again only every 50 ms (up to 100 times). So once the program has held
// index locks for this long without a gap longer than the writer's pause,
// all the kept ones are let go and, for such a gap, it pauses on a share,
// and on a local disk, where a lock costs microseconds, takes them one
// operation at a time, which leaves the writer gaps between the operations.
// A writer gets its lock within about half a second.
constexpr auto kHeldBetweenPauses = std::chrono::milliseconds(400);
constexpr auto kPauseForWriters = std::chrono::milliseconds(60);

class HoldingClock {
public:
    void taken()
    {
        const auto now = std::chrono::steady_clock::now();
        if (holding_++ == 0 && now - freeSince_ >= kPauseForWriters)
            heldSince_ = now;
    }

    void letGo()
    {
        if (--holding_ == 0)
            freeSince_ = std::chrono::steady_clock::now();
    }

    void pauseWhenDue(bool local)
    {
        const auto now = std::chrono::steady_clock::now();
        const bool held = holding_ > 0 || now - freeSince_ < kPauseForWriters;
        if (!held || now - heldSince_ < kHeldBetweenPauses)
            return;
        releaseKeptForBatch();
        if (local) {
            oneByOneUntil_ = now + kPauseForWriters;
            heldSince_ = oneByOneUntil_;
            return;
        }
        std::this_thread::sleep_for(kPauseForWriters);
        heldSince_ = std::chrono::steady_clock::now();
    }

    bool locksOneByOne() const { return std::chrono::steady_clock::now() < oneByOneUntil_; }

private:
    int holding_ = 0;
    std::chrono::steady_clock::time_point heldSince_{};
    std::chrono::steady_clock::time_point freeSince_{};
    std::chrono::steady_clock::time_point oneByOneUntil_{};
};

HoldingClock holdingClock;

// A record's entry in a tag before and after a change of the record; no
// old bytes for a new record. The tag's key expression must be usable.
struct EntryChange {
    bool wasIn = false;
    bool isIn = false;
    std::string oldKey;
    std::string newKey;

    bool moves() const { return wasIn != isIn || oldKey != newKey; }
};

EntryChange entryChange(const Tag& tag, const std::string& oldBytes, const std::string& newBytes)
{
    const Expression& expression = tag.keyExpression();
    EntryChange entry;
    entry.wasIn = !oldBytes.empty() && tag.admits(oldBytes);
    entry.isIn = tag.admits(newBytes);
    if (entry.wasIn)
        entry.oldKey = expression.key(oldBytes);
    if (entry.isIn)
        entry.newKey = expression.key(newBytes);
    return entry;
}

// The page writes of one record's update go out together once it is
// counted; those of an update that failed are dropped, and the tags, whose
// roots may be pages that never reached the file, are read again under the
// lock still held.
class HeldWrites {
public:
    explicit HeldWrites(IndexFile& file) : file_(file) { file_.cache().holdWrites(); }
    ~HeldWrites()
    {
        if (!file_.cache().dropHeld())
            return;
        try {
            file_.refresh(true);
        } catch (...) {
            file_.forgetTags();
        }
    }
    HeldWrites(const HeldWrites&) = delete;
    HeldWrites& operator=(const HeldWrites&) = delete;

private:
    IndexFile& file_;
};

} // namespace

class IndexSetImpl : public BatchKeeping {
public:
    explicit IndexSetImpl(RecordSource& table) : table(table) {}
    ~IndexSetImpl() override { dropLocks(); }

    // Holds the index byte of every attached file for one operation;
    // nested operations share the outer one's locks.
    class Locked {
    public:
        explicit Locked(IndexSetImpl& set) : set_(set) { set_.acquire(); }
        ~Locked() { set_.release(); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

    private:
        IndexSetImpl& set_;
    };

    void acquire()
    {
        if (lockDepth > 0 || !held.empty()) {
            ++lockDepth;
            ++heldSteps;
            return;
        }
        // Also here: a long operation on another file may have held its locks.
        if (ReadBatch::isActive())
            holdingClock.pauseWhenDue(onLocalDisk());
        std::vector<HeldIndexLock> taken;
        taken.reserve(files.size());
        for (auto& file : files)
            taken.emplace_back(*file, table.fileName());
        for (auto& file : files)
            file->refresh();
        held = std::move(taken);
        holdingClock.taken();
        heldSince = roundTripCounts().weighted();
        heldSteps = 0;
        ++lockDepth;
    }

    void release()
    {
        if (--lockDepth > 0)
            return;
        if (!ReadBatch::isActive() || (holdingClock.locksOneByOne() && onLocalDisk()))
            return dropLocks();
        if (heldSteps < kLingeringSteps && roundTripCounts().weighted() - heldSince < kLingeringRoundTrips)
            keepForBatch(*this);
        else
            dropLocks();
        holdingClock.pauseWhenDue(onLocalDisk());
    }

    void releaseKept() override
    {
        if (lockDepth == 0)
            dropLocks();
    }

    void roundTripsPassed(std::uint64_t total) override
    {
        if (lockDepth == 0 && !held.empty() && total - heldSince >= kLingeringRoundTrips) {
            dropLocks();
            holdingClock.pauseWhenDue(onLocalDisk());
        }
    }

    bool locks(const FileIdentity& identity) const override
    {
        return std::ranges::any_of(files, [&](const auto& file) { return file->identity() == identity; });
    }

    // Before the attached files change, since the locks refer to them.
    void dropLocks()
    {
        stopKeeping(*this);
        if (held.empty())
            return;
        held.clear();
        holdingClock.letGo();
    }

    bool onLocalDisk() const
    {
        return std::ranges::all_of(files, [](const auto& file) { return file->cache().isLocal(); });
    }

    struct Active {
        IndexFile* file = nullptr;
        const Tag* tag = nullptr;
    };

    IndexFile* findFile(const std::string& path) const
    {
        const auto found = std::find_if(files.begin(), files.end(), [&](const auto& f) { return f->path() == path; });
        return found == files.end() ? nullptr : found->get();
    }

    // The active tag as the file holds it now; call under the lock. The
    // lookup by name is remembered until the file re-reads its tags.
    Active active()
    {
        if (activeName.empty())
            throw Error("No index is assigned for Find operation");
        if (remembered.file && remembered.file->tagsVersion() == rememberedVersion)
            return remembered;
        for (auto& file : files)
            if (Tag* tag = file->findTag(activeName)) {
                remembered = {file.get(), tag};
                rememberedVersion = file->tagsVersion();
                return remembered;
            }
        throw Error(formatMessage("Cannot find index tag %s", activeName));
    }

    // After the attached files or the active tag's name changed.
    void forgetActive()
    {
        remembered = {};
        navigator.forget();
    }

    template <class Operation>
    auto onFile(IndexFile& file, Operation operation)
    {
        try {
            return operation();
        } catch (const CorruptIndex&) {
            navigator.forget();
            throw file.corrupted();
        } catch (const ForeignOrder& fault) {
            throw file.outOfCollation(fault.tagName());
        }
    }

    template <class Operation>
    auto onActive(Operation operation)
    {
        Locked locked(*this);
        const Active current = active();
        return onFile(*current.file, [&] { return operation(current.file->cache(), *current.tag); });
    }

    // Whether a record's change leaves every entry as it is, judged by tags
    // that the change counter still vouches for: such a write touches no
    // page, so it needs no index lock. A kept lock costs nothing to use.
    bool keysStay(const std::string& oldBytes, const std::string& newBytes)
    {
        if (oldBytes.empty() || !held.empty())
            return false;
        for (auto& file : files) {
            if (!file->tagsAreCurrent())
                return false;
            for (const Tag& tag : file->tags())
                if (!tag.key || entryChange(tag, oldBytes, newBytes).moves())
                    return false;
        }
        return true;
    }

    void maintain(IndexFile& file, Tag& tag, std::uint32_t record, const std::string& oldBytes,
                  const std::string& newBytes, bool& changed);
    static void createIndexFile(const std::string& path);
    KeyList collectKeys(const Expression& key, const Expression* condition, const BuildProgress& progress);

    RecordSource& table;
    std::vector<std::unique_ptr<IndexFile>> files;
    std::string activeName;
    Active remembered;
    std::uint64_t rememberedVersion = 0;
    KeyRange range;
    TagNavigator navigator;
    int lockDepth = 0;
    std::vector<HeldIndexLock> held;  // while lockDepth > 0, or lingering
    std::uint64_t heldSince = 0;      // weighted round trips counted when taken
    int heldSteps = 0;
};

void IndexSetImpl::maintain(IndexFile& file, Tag& tag, std::uint32_t record, const std::string& oldBytes,
                            const std::string& newBytes, bool& changed)
{
    const EntryChange entry = entryChange(tag, oldBytes, newBytes);
    if (!entry.moves())
        return;
    const std::string& newKey = entry.newKey;
    TagUpdater updater(file.cache(), tag.headerOffset, tag.header.root, tag.format, tag.order);
    if (entry.wasIn && !updater.remove(entry.oldKey, record) && !tag.header.isUnique())
        throw file.corrupted();
    bool insert = entry.isIn;
    if (insert && tag.header.isUnique()) {
        const TagTree tree(file.cache(), updater.root(), tag.format);
        const Position same = tree.findFirst([&](const Entry& e) {
            const int order = tag.order.compareKeys(e.key, newKey);
            return tag.order.isDescending() ? order <= 0 : order >= 0;
        });
        insert = !same.isValid() || same.entry().key != newKey;
    }
    if (insert)
        updater.insert(newKey, record);
    file.setRoot(tag, updater.root());
    changed = true;
}

void IndexSetImpl::createIndexFile(const std::string& path)
{
    writeWholeFile(path, emptyIndexFile());
}

KeyList IndexSetImpl::collectKeys(const Expression& key, const Expression* condition, const BuildProgress& progress)
{
    const std::uint32_t total = table.currentRecordCount();
    if (progress)
        progress(0, total);
    KeyList keys(static_cast<std::uint32_t>(key.keyLength()));
    keys.reserve(total);
    forEachRecord(table, total, [&](std::uint32_t number, const std::string& record) {
        if (!condition || condition->isTrue(record))
            keys.add(key.key(record), number);
        if (progress)
            progress(number, total);
    });
    return keys;
}

IndexSet::IndexSet(RecordSource& table) : impl_(std::make_unique<IndexSetImpl>(table)) {}
IndexSet::~IndexSet() = default;

void IndexSet::attach(const std::string& path)
{
    if (impl_->findFile(path))
        return;
    impl_->dropLocks();
    impl_->files.push_back(std::make_unique<IndexFile>(path, impl_->table.fields(), impl_->table.lockProtocol()));
    impl_->forgetActive();
    try {
        // Reads the tags; in a batch the lock stays for the steps that follow.
        const IndexSetImpl::Locked locked(*impl_);
    } catch (...) {
        impl_->files.pop_back();
        throw;
    }
}

void IndexSet::detach(const std::string& path)
{
    auto& files = impl_->files;
    const auto found = std::find_if(files.begin(), files.end(), [&](const auto& f) { return f->path() == path; });
    if (found == files.end())
        return;
    impl_->dropLocks();
    const bool holdsActive = (*found)->findTag(impl_->activeName) != nullptr;
    files.erase(found);
    impl_->forgetActive();
    if (holdsActive) {
        impl_->activeName.clear();
        impl_->range.clear();
    }
}

void IndexSet::detachAll()
{
    impl_->dropLocks();
    impl_->files.clear();
    impl_->activeName.clear();
    impl_->range.clear();
    impl_->forgetActive();
}

bool IndexSet::isAttached(const std::string& path) const
{
    return impl_->findFile(path) != nullptr;
}

IndexSet::Hold::Hold(IndexSet& set) : set_(set)
{
    set_.impl_->acquire();
}

IndexSet::Hold::~Hold()
{
    set_.impl_->release();
}

void IndexSet::selectTag(const std::string& name)
{
    // The tag in force needs no lookup: its entries are checked by the next
    // step that reads them.
    if (!name.empty() && directoryKey(name) == directoryKey(impl_->activeName))
        return;
    impl_->forgetActive();
    if (name.empty()) {
        impl_->activeName.clear();
        impl_->range.clear();
        return;
    }
    IndexSetImpl::Locked locked(*impl_);
    for (auto& file : impl_->files) {
        if (const Tag* tag = file->findTag(name)) {
            if (directoryKey(tag->name) != directoryKey(impl_->activeName))
                impl_->range.clear();
            impl_->activeName = tag->name;
            return;
        }
    }
    throw Error(formatMessage("Cannot find index tag %s", name));
}

std::string IndexSet::activeTagName() const
{
    return impl_->activeName;
}

bool IndexSet::hasActiveTag() const
{
    return !impl_->activeName.empty();
}

int IndexSet::tagCount() const
{
    std::size_t count = 0;
    for (const auto& file : impl_->files)
        count += file->tags().size();
    return static_cast<int>(count);
}

std::vector<TagInfo> IndexSet::tags() const
{
    IndexSetImpl::Locked locked(*impl_);
    std::vector<TagInfo> result;
    for (const auto& file : impl_->files)
        for (const auto& tag : file->tags())
            result.push_back({tag.name, tag.header.keyExpression, tag.header.forExpression, tag.header.isUnique(),
                              tag.header.descending});
    return result;
}

std::uint32_t IndexSet::first()
{
    return impl_->onActive([&](PageCache& cache, const Tag& tag) { return impl_->navigator.first(cache, tag, impl_->range); });
}

std::uint32_t IndexSet::last()
{
    return impl_->onActive([&](PageCache& cache, const Tag& tag) { return impl_->navigator.last(cache, tag, impl_->range); });
}

std::uint32_t IndexSet::next(std::uint32_t recordNumber, const std::string& recordBytes)
{
    return impl_->onActive([&](PageCache& cache, const Tag& tag) {
        return impl_->navigator.next(cache, tag, impl_->range, tag.keyExpression().key(recordBytes), recordNumber);
    });
}

std::uint32_t IndexSet::prior(std::uint32_t recordNumber, const std::string& recordBytes)
{
    return impl_->onActive([&](PageCache& cache, const Tag& tag) {
        return impl_->navigator.prior(cache, tag, impl_->range, tag.keyExpression().key(recordBytes), recordNumber);
    });
}

SeekResult IndexSet::seek(const std::string& key852, bool exact, bool nearest)
{
    return impl_->onActive([&](PageCache& cache, const Tag& tag) {
        const auto key = searchKey(tag, key852, exact);
        if (!key)
            return SeekResult{};
        const Found found = impl_->navigator.seek(cache, tag, impl_->range, *key, nearest);
        return SeekResult{found.matched, found.record};
    });
}

SeekResult IndexSet::seekValues(const std::vector<FieldValue>& values)
{
    return impl_->onActive([&](PageCache& cache, const Tag& tag) {
        const Found found = impl_->navigator.seek(cache, tag, impl_->range, keyFromValues(tag, values), false);
        return SeekResult{found.matched, found.matched ? found.record : 0};
    });
}

void IndexSet::confirmFound(std::uint32_t recordNumber, const std::string& recordBytes)
{
    if (foundStillMatches(recordNumber, recordBytes))
        return;
    const std::string key = impl_->remembered.tag->key->key(recordBytes);
    impl_->onActive(
        [&](PageCache& cache, const Tag& active) { impl_->navigator.confirm(cache, active, key, recordNumber); });
}

bool IndexSet::foundStillMatches(std::uint32_t recordNumber, const std::string& recordBytes)
{
    const Tag* tag = impl_->remembered.tag;
    if (!tag || !tag->key)
        return true;
    const std::string key = tag->key->key(recordBytes);
    if (impl_->navigator.wasAnswered(key, recordNumber))
        return true;
    return !impl_->onActive([&](PageCache& cache, const Tag& active) {
        return impl_->navigator.contradicts(cache, active, key, recordNumber);
    });
}

void IndexSet::setKeyRange(const std::string& low852, const std::string& high852)
{
    impl_->range.set(low852, high852);
}

void IndexSet::clearKeyRange()
{
    impl_->range.clear();
}

bool IndexSet::hasKeyRange() const
{
    return impl_->range.isSet();
}

void IndexSet::recordWritten(std::uint32_t recordNumber, const std::string& oldBytes, const std::string& newBytes)
{
    if (impl_->files.empty())
        return;
    IndexSetImpl::Locked locked(*impl_);
    for (auto& file : impl_->files) {
        bool changed = false;
        impl_->onFile(*file, [&] {
            const HeldWrites writes(*file);
            for (const Tag& tag : file->tags())
                impl_->maintain(*file, *file->findTag(tag.name), recordNumber, oldBytes, newBytes, changed);
            if (changed)
                file->cache().countChange();
        });
    }
}

void IndexSet::writeRecord(const std::function<std::uint32_t()>& write, const std::string& oldBytes,
                           const std::string& newBytes)
{
    if (impl_->files.empty() || impl_->keysStay(oldBytes, newBytes)) {
        write();
        return;
    }
    IndexSetImpl::Locked locked(*impl_);
    recordWritten(write(), oldBytes, newBytes);
}

void IndexSet::buildTag(const std::string& path, const std::string& tagName, const std::string& keyExpression,
                        const std::string& forExpression, bool unique, bool descending, const BuildProgress& progress)
{
    const auto& fields = impl_->table.fields();
    const Expression key(keyExpression, fields);
    if (key.type() == ValueType::Logical || key.keyLength() < 1 || key.keyLength() > int(kMaxKeyLength))
        throw Error("Invalid index expression \"" + keyExpression + "\": not a key");
    std::unique_ptr<Expression> condition;
    if (withoutTrailingBlanks(forExpression).size() > 0) {
        condition = std::make_unique<Expression>(forExpression, fields);
        if (condition->type() != ValueType::Logical)
            throw Error("Invalid index expression \"" + forExpression + "\": not a condition");
    }
    const bool character = key.type() == ValueType::Character;
    const KeyList keys = impl_->collectKeys(key, condition.get(), progress);
    const auto order = storedOrder(keys, character, unique, descending);

    TagHeader header;
    header.keyExpression = keyExpression;
    header.forExpression = condition ? forExpression : std::string();
    header.options = kOptionCompact | kOptionCompound | (unique ? kOptionUnique : 0);
    header.descending = descending;
    header.keyLength = static_cast<std::uint32_t>(key.keyLength());

    if (!std::filesystem::exists(path))
        IndexSetImpl::createIndexFile(path);
    IndexFile* attached = impl_->findFile(path);
    std::unique_ptr<IndexFile> own;
    if (!attached) {
        own = std::make_unique<IndexFile>(path, fields, impl_->table.lockProtocol());
        attached = own.get();
    }
    IndexFile& file = *attached;
    IndexSetImpl::Locked locked(*impl_);
    std::optional<HeldIndexLock> ownLocked;
    if (own)
        ownLocked.emplace(*own, impl_->table.fileName());
    impl_->onFile(file, [&] {
        file.refresh();
        const std::uint32_t headerOffset = writeTag(file.cache(), header, character ? ' ' : '\0', keys, order);
        enterInDirectory(file.cache(), tagName, headerOffset);
        file.cache().countChange();
        file.refresh(true);
    });
    impl_->navigator.forget();
}

} // namespace tarvela

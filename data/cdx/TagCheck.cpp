#include "data/cdx/TagCheck.h"

#include <algorithm>
#include <set>
#include <unordered_set>

#include "data/cdx/RecordScan.h"
#include "data/cdx/TagTree.h"

namespace tarvela::cdx {

namespace {

constexpr std::size_t kMaxProblems = 20;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

class Checker {
public:
    Checker(PageCache& cache, const Tag& tag, TagCheckResult& result) : cache_(cache), tag_(tag), result_(result) {}

    void problem(const std::string& text)
    {
        if (result_.problems.size() < kMaxProblems)
            result_.problems.push_back(text);
    }

    // Depth-first through the children, collecting the leaves in order.
    void visit(std::uint32_t offset, int depth, bool isRoot)
    {
        if (depth > kMaxDepth)
            throw CorruptIndex("tree deeper than " + std::to_string(kMaxDepth) + " levels");
        if (!visited_.insert(offset).second)
            throw CorruptIndex("page " + hexOffset(offset) + " reached twice");
        const auto node = cache_.node(offset, tag_.format);
        if (node->isRoot() != isRoot)
            problem("page " + hexOffset(offset) + ": root bit " + (isRoot ? "missing" : "on a page below the root"));
        if (levels_.size() <= static_cast<std::size_t>(depth))
            levels_.resize(depth + 1);
        levels_[depth].push_back(offset);
        if (node->isLeaf()) {
            if (leafDepth_ < 0)
                leafDepth_ = depth;
            else if (leafDepth_ != depth)
                problem("leaf " + hexOffset(offset) + " at depth " + std::to_string(depth));
            if (node->entries.empty() && !isRoot)
                problem("empty leaf " + hexOffset(offset) + " below the root");
            for (const auto& entry : node->entries)
                leafEntries_.push_back(entry);
            return;
        }
        for (const auto& separator : node->entries) {
            const std::size_t before = leafEntries_.size();
            visit(separator.child, depth + 1, false);
            for (std::size_t i = before; i < leafEntries_.size(); ++i)
                if (isAfterSeparator(leafEntries_[i], separator)) {
                    problem("entry after its separator below " + hexOffset(offset));
                    break;
                }
        }
    }

    void checkSiblings()
    {
        for (const auto& level : levels_) {
            for (std::size_t i = 0; i < level.size(); ++i) {
                const auto node = cache_.node(level[i], tag_.format);
                const std::uint32_t left = i == 0 ? kNoPage : level[i - 1];
                const std::uint32_t right = i + 1 == level.size() ? kNoPage : level[i + 1];
                if (node->left != left || node->right != right)
                    problem("sibling links of " + hexOffset(level[i]) + " do not follow the parents");
            }
        }
    }

    // Equal keys of a descending tag may come in either record order (other
    // programs write them so), so only their keys are compared there.
    bool isAfterSeparator(const Entry& entry, const Entry& separator) const
    {
        if (!tag_.order.isDescending())
            return tag_.order.compareInTagOrder(entry, separator.key, separator.record) > 0;
        return tag_.order.compareKeys(entry.key, separator.key) < 0;
    }

    void checkOrder()
    {
        for (std::size_t i = 1; i < leafEntries_.size(); ++i) {
            const Entry& previous = leafEntries_[i - 1];
            const Entry& current = leafEntries_[i];
            const int keyOrder = tag_.order.compareKeys(previous.key, current.key);
            const bool inOrder = tag_.order.isDescending() ? keyOrder >= 0 : keyOrder <= 0;
            if (!inOrder)
                problem("keys out of order at record " + std::to_string(current.record));
            if (keyOrder == 0 && tag_.header.isUnique())
                problem("repeated key in a unique tag at record " + std::to_string(current.record));
        }
    }

    // Entries are found by record number through a table the size of the
    // table's record count, which keeps a check of a million-record tag to
    // a few walks of memory.
    void checkAgainst(RecordSource& table)
    {
        const Expression& key = tag_.keyExpression();
        const std::uint32_t count = table.currentRecordCount();
        std::vector<std::uint32_t> entryOf(std::size_t(count) + 1, kNoEntry);  // into leafEntries_
        std::set<std::uint32_t> beyond;                                         // records past the table
        std::unordered_set<std::string> keys;                                   // of a unique tag
        for (std::uint32_t i = 0; i < leafEntries_.size(); ++i) {
            const Entry& entry = leafEntries_[i];
            const bool repeated = entry.record > count ? !beyond.insert(entry.record).second
                                                       : entryOf[entry.record] != kNoEntry;
            if (repeated)
                problem("record " + std::to_string(entry.record) + " has more than one entry");
            else if (entry.record <= count)
                entryOf[entry.record] = i;
            if (tag_.header.isUnique())
                keys.insert(entry.key);
        }
        forEachRecord(table, count, [&](std::uint32_t number, const std::string& record) {
            const std::uint32_t at = number <= count ? entryOf[number] : kNoEntry;
            if (!tag_.admits(record)) {
                if (at != kNoEntry)
                    problem("record " + std::to_string(number) + " has an entry its FOR condition excludes");
                return;
            }
            const std::string expected = key.key(record);
            if (at != kNoEntry) {
                if (leafEntries_[at].key != expected)
                    problem("record " + std::to_string(number) + " has an entry under an old key");
            } else if (!tag_.header.isUnique()) {
                problem("record " + std::to_string(number) + " has no entry");
            } else if (keys.insert(expected).second) {
                ++result_.drift;
            }
        });
        for (const std::uint32_t number : beyond)
            problem("entry for record " + std::to_string(number) + " beyond the table");
    }

    const std::vector<Entry>& entries() const { return leafEntries_; }

private:
    PageCache& cache_;
    const Tag& tag_;
    TagCheckResult& result_;
    std::unordered_set<std::uint32_t> visited_;
    std::vector<std::vector<std::uint32_t>> levels_;
    std::vector<Entry> leafEntries_;
    int leafDepth_ = -1;
};

} // namespace

TagCheckResult checkTag(PageCache& cache, const Tag& tag, RecordSource* table)
{
    TagCheckResult result;
    try {
        Checker checker(cache, tag, result);
        checker.visit(tag.header.root, 0, true);
        checker.checkSiblings();
        std::size_t walked = 0;
        TagTree(cache, tag.header.root, tag.format).forEach([&](const Entry& entry) {
            const auto& expected = checker.entries();
            if (walked >= expected.size() || expected[walked].record != entry.record || expected[walked].key != entry.key)
                checker.problem("the leaf chain differs from the tree at entry " + std::to_string(walked));
            ++walked;
            return walked <= expected.size();
        });
        if (walked != checker.entries().size())
            checker.problem("the leaf chain holds " + std::to_string(walked) + " entries, the tree " +
                            std::to_string(checker.entries().size()));
        checker.checkOrder();
        result.entries = checker.entries().size();
        if (table)
            checker.checkAgainst(*table);
    } catch (const CorruptIndex& fault) {
        result.problems.push_back(fault.what());
    }
    return result;
}

} // namespace tarvela::cdx

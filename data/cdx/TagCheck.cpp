#include "data/cdx/TagCheck.h"

#include <algorithm>
#include <optional>
#include <set>
#include <unordered_set>

#include "data/cdx/RecordScan.h"
#include "data/cdx/StoredCollation.h"
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
            bounds_.push_back({separator, before, leafEntries_.size(), offset});
        }
    }

    // Whether the Czech collation explains the stored keys; if not, whether
    // another weight table does, which then becomes the order checked.
    bool followsForeignCollation()
    {
        if (!tag_.isCharacter() || keysInOrder())
            return false;
        std::vector<std::string_view> ascending;
        for (const auto& entry : leafEntries_)
            ascending.push_back(entry.key);
        if (tag_.order.isDescending())
            std::ranges::reverse(ascending);
        foreignWeights_ = weightsExplaining(ascending);
        return foreignWeights_.has_value();
    }

    void checkSeparators()
    {
        for (const Bound& bound : bounds_)
            for (std::size_t i = bound.begin; i < bound.end; ++i)
                if (isAfterSeparator(leafEntries_[i], bound.separator)) {
                    problem("entry after its separator below " + hexOffset(bound.page));
                    break;
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
        int keyOrder = compareKeys(entry.key, separator.key);
        if (!tag_.order.isDescending())
            return keyOrder > 0 || (keyOrder == 0 && entry.record > separator.record);
        return keyOrder < 0;
    }

    int compareKeys(std::string_view a, std::string_view b) const
    {
        return foreignWeights_ ? compareByWeights(*foreignWeights_, a, b) : tag_.order.compareKeys(a, b);
    }

    bool isInOrder(std::size_t i) const
    {
        const int keyOrder = compareKeys(leafEntries_[i - 1].key, leafEntries_[i].key);
        return tag_.order.isDescending() ? keyOrder >= 0 : keyOrder <= 0;
    }

    bool keysInOrder() const
    {
        for (std::size_t i = 1; i < leafEntries_.size(); ++i)
            if (!isInOrder(i))
                return false;
        return true;
    }

    void checkOrder()
    {
        for (std::size_t i = 1; i < leafEntries_.size(); ++i) {
            const Entry& current = leafEntries_[i];
            if (!isInOrder(i))
                problem("keys out of order at record " + std::to_string(current.record));
            if (tag_.header.isUnique() && leafEntries_[i - 1].key == current.key)
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
    struct Bound {
        Entry separator;
        std::size_t begin;  // its child's entries in leafEntries_
        std::size_t end;
        std::uint32_t page;
    };

    PageCache& cache_;
    const Tag& tag_;
    TagCheckResult& result_;
    std::unordered_set<std::uint32_t> visited_;
    std::vector<std::vector<std::uint32_t>> levels_;
    std::vector<Entry> leafEntries_;
    std::vector<Bound> bounds_;
    std::optional<WeightTable> foreignWeights_;
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
        result.foreignCollation = checker.followsForeignCollation();
        checker.checkSeparators();
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

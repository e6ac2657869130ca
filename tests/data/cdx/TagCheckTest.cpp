// What the full tag check says when a tag and its table disagree: each kind
// of mismatch between entries and records is named with its record.
#include <gtest/gtest.h>

#include <algorithm>

#include "MemoryTable.h"
#include "support/TempDir.h"
#include "data/cdx/IndexFile.h"
#include "data/cdx/IndexSet.h"
#include "data/cdx/TagCheck.h"

using namespace tarvela;
using test::MemoryTable;

namespace {

cdx::TagCheckResult checkOne(const std::string& path, const std::string& tagName, MemoryTable& table)
{
    cdx::IndexFile file(path, table.fields(), table.lockProtocol());
    EXPECT_TRUE(file.lock());
    file.refresh();
    const auto tag = std::ranges::find(file.tags(), tagName, &cdx::Tag::name);
    EXPECT_NE(tag, file.tags().end());
    cdx::TagCheckResult result = cdx::checkTag(file.cache(), *tag, &table);
    file.unlock();
    return result;
}

bool mentions(const cdx::TagCheckResult& result, const std::string& text)
{
    return std::ranges::any_of(result.problems, [&](const std::string& p) { return p == text; });
}

} // namespace

TEST(CdxTagCheck, NamesEveryMismatchBetweenEntriesAndRecords)
{
    test::TempDir dir;
    MemoryTable table({{"NAZ", 'C', 8}});
    IndexSet indexes(table);
    const std::string path = (dir / "t.cdx").string();
    for (int i = 0; i < 20; ++i)
        table.append({"K" + std::to_string(i)});
    table.append({"K5"});  // record 21 shares its key with record 6
    indexes.buildTag(path, "NAZ", "NAZ", "", false, false, {});
    indexes.buildTag(path, "UNI", "NAZ", "", true, false, {});
    indexes.attach(path);
    EXPECT_TRUE(checkOne(path, "NAZ", table).isSound());
    EXPECT_EQ(checkOne(path, "UNI", table).drift, 0u);

    const std::string before = table.raw(6);
    table.replace(6, table.record({"Z6"}));
    indexes.recordWritten(6, before, table.raw(6));  // K5 now belongs to record 21, unentered
    table.replace(9, table.record({"Z9"}));
    indexes.recordWritten(9, "", table.raw(9));      // the entry under K8 stays beside the new one
    EXPECT_EQ(checkOne(path, "UNI", table).drift, 1u);
    table.append({"NEW"});                           // record 22, behind the index's back

    const cdx::TagCheckResult plain = checkOne(path, "NAZ", table);
    EXPECT_TRUE(mentions(plain, "record 9 has more than one entry"));
    EXPECT_TRUE(mentions(plain, "record 22 has no entry"));

    MemoryTable shorter({{"NAZ", 'C', 8}});
    for (std::uint32_t n = 1; n <= 19; ++n)
        shorter.append({});
    for (std::uint32_t n = 1; n <= 19; ++n)
        shorter.replace(n, table.raw(n));
    const cdx::TagCheckResult truncated = checkOne(path, "NAZ", shorter);
    EXPECT_TRUE(mentions(truncated, "entry for record 20 beyond the table"));
    EXPECT_TRUE(mentions(truncated, "entry for record 21 beyond the table"));
    EXPECT_FALSE(mentions(truncated, "record 19 has no entry"));
}

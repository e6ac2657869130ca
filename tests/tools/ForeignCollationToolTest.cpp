// An index another program built with its own collation, in which "-" sorts
// before the blank and letters in plain byte order ("Jean-Piere" before
// "Jean"): dump walks it in stored order, check names the collation as a
// finding of its own, and a seek refuses it rather than answer wrongly. A
// stored order that no collation explains stays damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "data/cdx/Collation.h"
#include "data/cdx/Expression.h"
#include "data/cdx/TagBuilder.h"
#include "data/cdx/TagDirectory.h"
#include "data/dbf/DbfFile.h"
#include "platform/CodePage.h"
#include "platform/Text.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

const std::vector<std::string> Names = {"Jean", "Cukr", "Jean-Piere", "cukr", "Adam", utf8ToOem("Čaj"),
                                        "Jean Paul", "Dort", "Zoe", "adam"};

// Byte order, but "-" before the blank.
int foreignCompare(std::string_view a, std::string_view b)
{
    const auto weight = [](char c) { return c == '-' ? 0x1F : static_cast<unsigned char>(c); };
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (weight(a[i]) != weight(b[i]))
            return weight(a[i]) - weight(b[i]);
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

void sortForeign(const cdx::KeyList& keys, std::vector<std::uint32_t>& order)
{
    std::ranges::stable_sort(order, [&](auto a, auto b) { return foreignCompare(keys.key(a), keys.key(b)) < 0; });
}

class ForeignCollation : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<TableRow> rows;
        for (const std::string& name : Names)
            rows.push_back({{name}});
        writeTable(dir / "Jme0001.DBF", {field("JME_NAZ", 'C', 12)}, rows);
        writeBytes(dir / "Jme0001.cdx", cdx::emptyIndexFile());
    }

    // Writes tag NAZ with the records in the order arrange leaves them.
    using Arrangement = std::function<void(const cdx::KeyList&, std::vector<std::uint32_t>&)>;

    std::vector<std::uint32_t> writeTag(const Arrangement& arrange)
    {
        DbfFile table((dir / "Jme0001.DBF").string(), ShareMode::Shared, LockProtocol::Clipper, 0);
        const cdx::Expression key("JME_NAZ", table.fields());
        cdx::KeyList keys(static_cast<std::uint32_t>(key.keyLength()));
        std::string record;
        for (std::uint32_t number = 1; number <= table.currentRecordCount(); ++number) {
            table.readRawRecord(number, record);
            keys.add(key.key(record), number);
        }
        std::vector<std::uint32_t> order(keys.size());
        std::iota(order.begin(), order.end(), 0);
        arrange(keys, order);
        cdx::TagHeader header;
        header.keyExpression = "JME_NAZ";
        header.options = cdx::kOptionCompact | cdx::kOptionCompound;
        header.keyLength = keys.keyLength();
        SharedFile file;
        EXPECT_EQ(file.open((dir / "Jme0001.cdx").string(), ShareMode::Shared), OpenStatus::Opened);
        cdx::PageCache cache(file);
        cache.validate();
        cdx::enterInDirectory(cache, "NAZ", cdx::writeTag(cache, header, ' ', keys, order));
        cache.countChange();
        std::vector<std::uint32_t> records;
        for (const std::uint32_t position : order)
            records.push_back(keys.record(position));
        return records;
    }

    ToolRun dbf(const std::string& command, const std::string& more = "")
    {
        return runTool("tarvela-dbf", command + " '" + (dir / "Jme0001.DBF").string() + "' --index '" +
                                          (dir / "Jme0001.cdx").string() + "' " + more,
                       dir);
    }

    static std::vector<std::uint32_t> dumpedRecords(const std::string& out)
    {
        std::vector<std::uint32_t> records;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);)
            records.push_back(static_cast<std::uint32_t>(std::stoul(line.substr(0, line.find('\t')))));
        return records;
    }

    TempDir dir;
};

} // namespace

TEST_F(ForeignCollation, WalksInStoredOrderChecksAsForeignAndRefusesSeeks)
{
    const auto stored = writeTag(sortForeign);
    const ToolRun dump = dbf("dump", "--tag NAZ");
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dumpedRecords(dump.out), stored);

    const ToolRun check = dbf("check");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("NAZ collation: keys not in the Czech collation order"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("wrong"), std::string::npos) << check.out;

    const ToolRun seek = dbf("seek", "--tag NAZ Jean");
    EXPECT_NE(seek.exitCode, 0);
    EXPECT_NE(seek.err.find("the keys of tag NAZ are not in the Czech collation order"), std::string::npos) << seek.err;
    EXPECT_NE(seek.err.find("tarvela-dbf reindex"), std::string::npos) << seek.err;
}

// "Zoe" moved between "Jean-Piere" and "Jean": J before Z before J, which
// no weight table gives.
TEST_F(ForeignCollation, OrderNoCollationExplainsIsDamage)
{
    writeTag([](const cdx::KeyList& keys, std::vector<std::uint32_t>& order) {
        sortForeign(keys, order);
        const auto named = [&](std::string_view name) {
            return std::ranges::find_if(order, [&](auto p) { return withoutTrailingBlanks(keys.key(p)) == name; });
        };
        const auto zoe = named("Zoe");
        std::rotate(named("Jean-Piere") + 1, zoe, zoe + 1);
    });
    const ToolRun check = dbf("check");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("NAZ wrong: keys out of order"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("collation"), std::string::npos) << check.out;
}

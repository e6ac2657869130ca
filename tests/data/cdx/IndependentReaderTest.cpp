#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>

#include "MemoryTable.h"
#include "support/TempDir.h"
#include "data/cdx/Expression.h"
#include "data/cdx/IndexSet.h"
#include "data/cdx/KeyEncoding.h"
#include "platform/CodePage.h"
#include "platform/Text.h"

using namespace tarvela;
using test::MemoryTable;

namespace {

struct Listed {
    std::string key;
    std::uint32_t record;
};

// What Debian's Perl XBase reader sees in a tag, in stored order.
std::vector<Listed> indexDump(const std::string& path, const std::string& tag, const std::string& type)
{
    const std::string command = "index_dump -type=" + type + " '" + path + "' " + tag + " 2>&1";
    std::vector<Listed> listed;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return listed;
    char line[1024];
    while (fgets(line, sizeof line, pipe)) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        const auto space = text.find_last_of(' ');
        if (space == std::string::npos)
            continue;
        listed.push_back({text.substr(0, space), static_cast<std::uint32_t>(std::stoul(text.substr(space + 1)))});
    }
    pclose(pipe);
    return listed;
}

} // namespace

class CdxIndependentReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("command -v index_dump > /dev/null") != 0)
            GTEST_SKIP() << "index_dump (libdbd-xbase-perl) is not installed";
        std::mt19937 random(7);
        const char* names[] = {"Cukr", "cukr", "Čaj", "Dort", "Žampion", "čokoláda", "Řepa", "Hora", "Hora Nova"};
        for (int i = 0; i < 3000; ++i) {
            const std::string name = std::string(names[random() % 9]) + " " + std::to_string(random() % 400);
            char date[9];
            std::snprintf(date, sizeof date, "%04d%02d%02d", 1990 + int(random() % 35), 1 + int(random() % 12),
                          1 + int(random() % 28));
            table.append({utf8ToOem(name), "K" + std::to_string(random() % 50), std::to_string(int(random() % 2000) - 500) + ".25",
                          random() % 10 == 0 ? "" : date});
        }
    }

    void build(const std::string& tag, const std::string& key, const std::string& condition, bool unique, bool descending)
    {
        indexes.buildTag(path, tag, key, condition, unique, descending, {});
        if (!indexes.isAttached(path))
            indexes.attach(path);
        indexes.selectTag(tag);
    }

    std::vector<std::uint32_t> ourOrder()
    {
        std::vector<std::uint32_t> records;
        for (auto r = indexes.first(); r != 0; r = indexes.next(r, table.raw(r)))
            records.push_back(r);
        return records;
    }

    void expectSameRecords(const std::vector<Listed>& listed)
    {
        const auto ours = ourOrder();
        ASSERT_EQ(listed.size(), ours.size());
        for (std::size_t i = 0; i < ours.size(); ++i)
            ASSERT_EQ(listed[i].record, ours[i]) << "entry " << i;
    }

    test::TempDir dir;
    MemoryTable table{{{"SOR_NAC", 'C', 16}, {"SOR_KAR", 'C', 6}, {"SKL_STA", 'N', 10, 2}, {"SKL_DAT", 'D', 8}}};
    IndexSet indexes{table};
    std::string path = (dir / "sor.cdx").string();
};

TEST_F(CdxIndependentReader, CharacterTagsMatchKeysAndOrder)
{
    const struct {
        const char* tag;
        const char* key;
        const char* condition;
        bool unique;
        bool descending;
    } tags[] = {{"NAC", "SOR_NAC", "", false, false},
                {"UNAC", "UPPER(SOR_NAC)", "", false, false},
                {"KN", "SOR_KAR + SOR_NAC", "", false, false},
                {"PUJ", "SOR_NAC", "SKL_STA >0", false, false},
                {"KAR", "SOR_KAR", "", true, false},
                {"DNAC", "SOR_NAC", "", false, true}};
    for (const auto& t : tags)
        build(t.tag, t.key, t.condition, t.unique, t.descending);
    for (const auto& t : tags) {
        SCOPED_TRACE(t.tag);
        indexes.selectTag(t.tag);
        const auto listed = indexDump(path, t.tag, "char");
        expectSameRecords(listed);
        const cdx::Expression key(t.key, table.fields());
        for (std::size_t i = 0; i < listed.size(); ++i)
            ASSERT_EQ(withoutTrailingBlanks(listed[i].key), withoutTrailingBlanks(key.key(table.raw(listed[i].record)))) << "entry " << i;
    }
}

TEST_F(CdxIndependentReader, NumericAndDateTagsMatchValuesAndOrder)
{
    build("STA", "SKL_STA", "", false, false);
    build("DAT", "SKL_DAT", "", false, false);
    build("DDAT", "SKL_DAT", "", false, true);
    for (const char* tag : {"STA", "DAT", "DDAT"}) {
        SCOPED_TRACE(tag);
        indexes.selectTag(tag);
        const auto listed = indexDump(path, tag, "num");
        expectSameRecords(listed);
        const cdx::Expression key(std::string(tag) == "STA" ? "SKL_STA" : "SKL_DAT", table.fields());
        for (std::size_t i = 0; i < listed.size(); i += 97)
            EXPECT_DOUBLE_EQ(std::stod(listed[i].key), cdx::decodeNumberKey(key.key(table.raw(listed[i].record))));
    }
}

TEST_F(CdxIndependentReader, MaintainedTagsStayReadable)
{
    build("NAC", "SOR_NAC", "", false, false);
    std::mt19937 random(11);
    for (int i = 0; i < 1500; ++i) {
        const auto number = static_cast<std::uint32_t>(1 + random() % table.currentRecordCount());
        const std::string before = table.raw(number);
        table.replace(number, table.record({"Nový " + std::to_string(random() % 3000), "K1", "1", ""}));
        indexes.recordWritten(number, before, table.raw(number));
    }
    expectSameRecords(indexDump(path, "NAC", "char"));
}

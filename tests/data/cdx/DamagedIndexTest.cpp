#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MemoryTable.h"
#include "support/TempDir.h"
#include "data/cdx/CdxFormat.h"
#include "data/cdx/IndexFile.h"
#include "data/cdx/IndexSet.h"
#include "platform/Error.h"

using namespace tarvela;
using test::MemoryTable;

namespace {

class DamagedIndex : public ::testing::Test {
protected:
    virtual std::string keyOf(int i) const { return "KEY" + std::to_string(100000 + i * 7 % 400); }
    virtual bool isDescending() const { return false; }

    void SetUp() override
    {
        for (int i = 0; i < 400; ++i)
            table.append({keyOf(i)});
        IndexSet builder(table);
        builder.buildTag(path, "NAZ", "NAZ", "", false, isDescending(), {});
        cdx::IndexFile file(path, table.fields(), table.lockProtocol());
        ASSERT_TRUE(file.lock());
        file.refresh();
        const auto& tag = file.tags().at(0);
        headerOffset = tag.headerOffset;
        root = tag.header.root;
        const auto rootNode = file.cache().node(root, tag.format);
        ASSERT_FALSE(rootNode->isLeaf());
        firstLeaf = rootNode->entries.at(0).child;
        secondLeaf = rootNode->entries.at(1).child;
        file.unlock();
    }

    void patch(std::uint64_t offset, std::uint32_t value, int bytes = 4, bool bigEndian = false)
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(offset));
        for (int i = 0; i < bytes; ++i) {
            const int shift = bigEndian ? 8 * (bytes - 1 - i) : 8 * i;
            file.put(static_cast<char>((value >> shift) & 0xFF));
        }
    }

    // Attaching and walking must end in the corruption message, never hang.
    void expectCorrupted()
    {
        IndexSet indexes(table);
        try {
            indexes.attach(path);
            indexes.selectTag("NAZ");
            int steps = 0;
            for (auto r = indexes.first(); r != 0 && steps < 10000; r = indexes.next(r, table.raw(r)))
                ++steps;
            for (auto r = indexes.last(); r != 0 && steps < 20000; r = indexes.prior(r, table.raw(r)))
                ++steps;
            indexes.seek("KEY100399", true, false);
            FAIL() << "no error after " << steps << " steps";
        } catch (const Error& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with("Index file " + path + " is corrupted. ")) << error.what();
        }
    }

    test::TempDir dir;
    MemoryTable table{{{"NAZ", 'C', 10}}};
    std::string path = (dir / "bad.cdx").string();
    std::uint32_t headerOffset = 0;
    std::uint32_t root = 0;
    std::uint32_t firstLeaf = 0;
    std::uint32_t secondLeaf = 0;
};

// Equal keys of a descending tag: the record numbers cannot show that a
// walk has come round again.
class DamagedDescendingRun : public DamagedIndex {
protected:
    std::string keyOf(int) const override { return "SAME"; }
    bool isDescending() const override { return true; }
};

} // namespace

TEST_F(DamagedDescendingRun, SiblingCycleAmongEqualKeys)
{
    patch(secondLeaf + 8, firstLeaf);
    expectCorrupted();
}

TEST_F(DamagedIndex, TruncatedFile)
{
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 700);
    expectCorrupted();
}

TEST_F(DamagedIndex, FileCutToNothing)
{
    std::filesystem::resize_file(path, 600);
    expectCorrupted();
    std::filesystem::resize_file(path, 0);
    expectCorrupted();
}

// The change counter is read through a mapping of the first page, which a
// file cut beneath it would turn into a bus error.
TEST_F(DamagedIndex, FileCutToNothingWhileAttached)
{
    IndexSet indexes(table);
    indexes.attach(path);
    indexes.selectTag("NAZ");
    ASSERT_TRUE(indexes.seek("KEY100007", true, false).matched);
    std::filesystem::resize_file(path, 0);
    try {
        indexes.seek("KEY100007", true, false);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("Index file " + path + " is corrupted. ")) << error.what();
    }
}

TEST_F(DamagedIndex, ChildPointingBackToTheRoot)
{
    patch(root + 12 + 10 + 4, root, 4, true);
    expectCorrupted();
}

TEST_F(DamagedIndex, SiblingCycle)
{
    patch(secondLeaf + 8, firstLeaf);
    expectCorrupted();
}

TEST_F(DamagedIndex, ImpossibleKeyCount)
{
    patch(firstLeaf + 2, 600, 2);
    expectCorrupted();
}

TEST_F(DamagedIndex, ImpossibleKeyLength)
{
    patch(headerOffset + 0x0C, 300, 2);
    expectCorrupted();
}

TEST_F(DamagedIndex, PointerOutsideTheFile)
{
    patch(headerOffset, 0x7FFFFE00);
    expectCorrupted();
}

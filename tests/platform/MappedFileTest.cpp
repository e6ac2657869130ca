#include <gtest/gtest.h>

#include "platform/MappedFile.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

std::string mapped(const MappedFile& mapping, std::size_t offset, std::size_t size)
{
    std::string bytes(size, '\0');
    if (!mapping.read(offset, size, reinterpret_cast<unsigned char*>(bytes.data())))
        return "<failed>";
    return bytes;
}

} // namespace

TEST(MappedFile, ShowsAnotherOpeningsWritesAlsoWhereTheFileGrowsIntoIt)
{
    TempDir dir;
    const std::string path = (dir / "I.cdx").string();
    writeBytes(path, std::string(1024, 'a'));
    SharedFile reader, writer;
    ASSERT_EQ(reader.open(path, ShareMode::Shared), OpenStatus::Opened);
    ASSERT_EQ(writer.open(path, ShareMode::Shared), OpenStatus::Opened);
    MappedFile mapping;
    ASSERT_TRUE(mapping.map(reader, 3 * 4096));  // the temporary folder is on a local file system here
    EXPECT_EQ(mapped(mapping, 8, 4), "aaaa");
    ASSERT_TRUE(writer.writeAt(8, "\x01\x02\x03\x04"));
    EXPECT_EQ(mapped(mapping, 8, 4), "\x01\x02\x03\x04");

    EXPECT_EQ(mapped(mapping, 9000, 2), "<failed>");  // a page wholly past the end
    ASSERT_TRUE(writer.writeAt(9000, "dd"));
    EXPECT_EQ(mapped(mapping, 9000, 2), "dd");
    EXPECT_EQ(mapped(mapping, 3 * 4096 - 1, 2), "<failed>");  // beyond the mapping
}

TEST(MappedFile, RefusesReadsOutsideTheMappingAndAFileCutToNothing)
{
    TempDir dir;
    const std::string path = (dir / "I.cdx").string();
    writeBytes(path, std::string(512, 'b'));
    SharedFile file;
    ASSERT_EQ(file.open(path, ShareMode::Shared), OpenStatus::Opened);
    MappedFile mapping;
    ASSERT_TRUE(mapping.map(file, 4096));
    EXPECT_EQ(mapped(mapping, 4094, 4), "<failed>");
    EXPECT_EQ(mapped(mapping, 600, 4), std::string(4, '\0'));  // past the end, inside the page
    ASSERT_TRUE(file.truncate(0));
    EXPECT_EQ(mapped(mapping, 8, 4), "<failed>");
    EXPECT_EQ(mapped(mapping, 8, 4), "<failed>");  // and again: the handler is still in place
}

TEST(MappedFile, NothingIsMappedForAClosedFile)
{
    SharedFile closed;
    MappedFile mapping;
    EXPECT_FALSE(mapping.map(closed, 4096));
    EXPECT_EQ(mapped(mapping, 0, 1), "<failed>");
}

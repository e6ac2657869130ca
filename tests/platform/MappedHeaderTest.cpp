#include <gtest/gtest.h>

#include "platform/MappedHeader.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

std::string mapped(const MappedHeader& header, std::size_t offset, std::size_t size)
{
    std::string bytes(size, '\0');
    if (!header.read(offset, size, reinterpret_cast<unsigned char*>(bytes.data())))
        return "<failed>";
    return bytes;
}

} // namespace

TEST(MappedHeader, ShowsWritesMadeThroughAnotherOpening)
{
    TempDir dir;
    const std::string path = (dir / "I.cdx").string();
    writeBytes(path, std::string(1024, 'a'));
    SharedFile reader, writer;
    ASSERT_EQ(reader.open(path, ShareMode::Shared), OpenStatus::Opened);
    ASSERT_EQ(writer.open(path, ShareMode::Shared), OpenStatus::Opened);
    MappedHeader header;
    ASSERT_TRUE(header.map(reader));  // the temporary folder is on a local file system here
    EXPECT_EQ(mapped(header, 8, 4), "aaaa");
    ASSERT_TRUE(writer.writeAt(8, "\x01\x02\x03\x04"));
    EXPECT_EQ(mapped(header, 8, 4), "\x01\x02\x03\x04");
}

TEST(MappedHeader, RefusesReadsOutsideThePageAndAFileCutToNothing)
{
    TempDir dir;
    const std::string path = (dir / "I.cdx").string();
    writeBytes(path, std::string(512, 'b'));
    SharedFile file;
    ASSERT_EQ(file.open(path, ShareMode::Shared), OpenStatus::Opened);
    MappedHeader header;
    ASSERT_TRUE(header.map(file));
    EXPECT_EQ(mapped(header, 4094, 4), "<failed>");
    EXPECT_EQ(mapped(header, 600, 4), std::string(4, '\0'));  // past the end, inside the page
    ASSERT_TRUE(file.truncate(0));
    EXPECT_EQ(mapped(header, 8, 4), "<failed>");
    EXPECT_EQ(mapped(header, 8, 4), "<failed>");  // and again: the handler is still in place
}

TEST(MappedHeader, NothingIsMappedForAClosedFile)
{
    SharedFile closed;
    MappedHeader header;
    EXPECT_FALSE(header.map(closed));
    EXPECT_EQ(mapped(header, 0, 1), "<failed>");
}

#include <gtest/gtest.h>

#include "data/cdx/InteriorNode.h"
#include "data/cdx/KeyEncoding.h"
#include "data/cdx/LeafNode.h"

using namespace tarvela;
using namespace tarvela::cdx;

namespace {

PageBytes pageWith(std::initializer_list<std::pair<std::size_t, std::vector<int>>> pieces)
{
    PageBytes page{};
    for (const auto& [at, bytes] : pieces)
        for (std::size_t i = 0; i < bytes.size(); ++i)
            page[at + i] = static_cast<unsigned char>(bytes[i]);
    return page;
}

// The worked example of a text leaf: Cukr, Cukrovar, cukr, Čaj, Dort.
PageBytes textLeaf()
{
    return pageWith({{0x000, {0x03, 0x00, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xCB, 0x01, 0xFF, 0x00}},
                     {0x010, {0x00, 0x00, 0x0F, 0x0F, 0x08, 0x04, 0x04, 0x02, 0x01, 0x40, 0x04, 0x04, 0x02, 0x40, 0x03, 0x50}},
                     {0x020, {0x05, 0x40}},
                     {0x1ED, {0x44, 0x6F, 0x72}},
                     {0x1F0, {0x74, 0xAC, 0x61, 0x6A, 0x63, 0x75, 0x6B, 0x72, 0x6F, 0x76, 0x61, 0x72, 0x43, 0x75, 0x6B, 0x72}}});
}

Node textNode()
{
    Node node;
    node.offset = 0x600;
    node.entries = {{"Cukr    ", 1}, {"Cukrovar", 4}, {"cukr    ", 2}, {"\xAC" "aj     ", 3}, {"Dort    ", 5}};
    return node;
}

const KeyFormat TextFormat{8, ' '};
const KeyFormat NumberFormat{8, '\0'};

} // namespace

TEST(CdxLeafNode, DecodesTheWorkedTextExample)
{
    const Node node = decodeLeaf(textLeaf(), 0x600, TextFormat);
    ASSERT_EQ(node.entries.size(), 5u);
    EXPECT_TRUE(node.isRoot());
    EXPECT_EQ(node.left, kNoPage);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(node.entries[i].key, textNode().entries[i].key);
        EXPECT_EQ(node.entries[i].record, textNode().entries[i].record);
    }
}

TEST(CdxLeafNode, EncodesTheWorkedExamplesByteForByte)
{
    EXPECT_EQ(encodeLeaf(textNode(), TextFormat), textLeaf());

    Node numbers;
    numbers.entries = {{encodeNumberKey(-1.5), 2}, {encodeNumberKey(0), 3}, {encodeNumberKey(21), 1},
                       {encodeNumberKey(21), 5}, {encodeNumberKey(1234.5), 4}};
    const PageBytes expected =
        pageWith({{0x000, {0x03, 0x00, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xD1, 0x01, 0xFF, 0x00}},
                  {0x010, {0x00, 0x00, 0x0F, 0x0F, 0x08, 0x04, 0x04, 0x02, 0x02, 0x00, 0x03, 0x70, 0x01, 0x60, 0x05, 0x62}},
                  {0x020, {0x04, 0x51}},
                  {0x1F0, {0x00, 0x00, 0x00, 0x93, 0x4A, 0xC0, 0x35, 0x80, 0x40, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}});
    EXPECT_EQ(encodeLeaf(numbers, NumberFormat), expected);
}

TEST(CdxLeafNode, AcceptsDuplicatesReachingIntoThePreviousPad)
{
    // Another engine stores "Hora Nova" after "Hora" sharing 5 bytes, the blank included.
    const PageBytes page =
        pageWith({{0x000, {0x03, 0x00, 0x02, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDC, 0x01, 0xFF, 0x00}},
                  {0x010, {0x00, 0x00, 0x0F, 0x0F, 0x08, 0x04, 0x04, 0x02, 0x01, 0x60, 0x02, 0x15}},
                  {0x1F8, {'N', 'o', 'v', 'a', 'H', 'o', 'r', 'a'}}});
    const Node decoded = decodeLeaf(page, 0x600, KeyFormat{10, ' '});
    ASSERT_EQ(decoded.entries.size(), 2u);
    EXPECT_EQ(decoded.entries[0].key, "Hora      ");
    EXPECT_EQ(decoded.entries[1].key, "Hora Nova ");
}

TEST(CdxLeafNode, RecordNumbersWidenTheEntries)
{
    Node node;
    node.entries = {{"A       ", 70000}, {"B       ", 3}};
    const PageBytes page = encodeLeaf(node, TextFormat);
    EXPECT_EQ(page[0x17], 4);  // 17 bits of record and 4+4 bits of counts need 4 bytes
    const Node decoded = decodeLeaf(page, 0x600, TextFormat);
    EXPECT_EQ(decoded.entries[0].record, 70000u);
}

TEST(CdxLeafNode, RefusesDamagedPages)
{
    PageBytes impossibleCount = textLeaf();
    impossibleCount[2] = 0xFF;
    impossibleCount[3] = 0x01;
    EXPECT_THROW(decodeLeaf(impossibleCount, 0x600, TextFormat), CorruptIndex);

    PageBytes wrongWidths = textLeaf();
    wrongWidths[0x17] = 9;
    EXPECT_THROW(decodeLeaf(wrongWidths, 0x600, TextFormat), CorruptIndex);

    PageBytes wrongFree = textLeaf();
    wrongFree[0x0C] = 0xCC;
    EXPECT_THROW(decodeLeaf(wrongFree, 0x600, TextFormat), CorruptIndex);

    // Read with a shorter key length the stored counts overrun the key.
    EXPECT_THROW(decodeLeaf(textLeaf(), 0x600, KeyFormat{3, ' '}), CorruptIndex);
}

TEST(CdxInteriorNode, RoundTripsAndRefusesImpossibleCounts)
{
    Node node;
    node.attributes = kAttributeRoot;
    node.entries = {{"KARTA00154", 154, 0xA00}, {"KARTA00200", 200, 0xC00}};
    const KeyFormat format{10, ' '};
    const PageBytes page = encodeInterior(node, format);
    EXPECT_EQ(page[0x19], 0x9A);  // big-endian record 154
    EXPECT_EQ(page[0x1C], 0x0A);  // big-endian child 0xA00
    const Node decoded = decodeNode(page, 0x400, format);
    ASSERT_EQ(decoded.entries.size(), 2u);
    EXPECT_EQ(decoded.entries[1].child, 0xC00u);

    PageBytes tooMany = page;
    tooMany[2] = 28;  // 27 entries of an 18-byte size fit
    EXPECT_THROW(decodeNode(tooMany, 0x400, format), CorruptIndex);
}

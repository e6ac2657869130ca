// Feeds arbitrary bytes to the decoders of CDX pages and headers. The first
// byte picks the key length and the pad; the rest is the page. Decoding may
// refuse a page, but must never read outside it or crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "data/cdx/InteriorNode.h"
#include "data/cdx/LeafNode.h"
#include "data/cdx/TagHeader.h"

using namespace tarvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    cdx::KeyFormat format;
    format.keyLength = 1 + data[0] % cdx::kMaxKeyLength;
    format.pad = (data[0] & 0x80) ? '\0' : ' ';
    cdx::PageBytes page{};
    std::copy_n(data + 1, std::min<std::size_t>(size - 1, page.size()), page.begin());
    try {
        const cdx::Node node = cdx::decodeNode(page, 0x400, format);
        if (node.isLeaf() && cdx::leafFits(node.entries, format))
            cdx::encodeLeaf(node, format);
    } catch (const Error&) {
    }
    if (size >= 1 + cdx::kHeaderSize) {
        try {
            cdx::TagHeader::decode(data + 1, 0x400);
        } catch (const Error&) {
        }
    }
    return 0;
}

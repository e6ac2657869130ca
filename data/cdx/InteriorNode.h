// An interior page of a CDX tag: fixed-size entries of full key, big-endian
// record number and big-endian child offset. Decoding checks the count
// against the page before reading entries.
#pragma once

#include "data/cdx/Node.h"

namespace tarvela::cdx {

std::uint32_t interiorCapacity(std::uint32_t keyLength);
Node decodeInterior(const PageBytes& page, std::uint32_t offset, const KeyFormat& format);
PageBytes encodeInterior(const Node& node, const KeyFormat& format);

// Either kind, chosen by the attribute's leaf bit.
Node decodeNode(const PageBytes& page, std::uint32_t offset, const KeyFormat& format);
PageBytes encodeNode(const Node& node, const KeyFormat& format);

} // namespace tarvela::cdx

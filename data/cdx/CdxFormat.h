// Fixed facts of the compound index layout shared with the sibling programs:
// page size, the "no page" pointer, header option bits and the byte orders.
// Everything that reads or writes raw pages takes its constants from here.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Error.h"

namespace tarvela::cdx {

constexpr std::uint32_t kPageSize = 512;
constexpr std::uint32_t kHeaderSize = 1024;
constexpr std::uint32_t kNoPage = 0xFFFFFFFF;
constexpr std::uint32_t kDirectoryRoot = 0x400;
constexpr std::uint32_t kDirectoryKeyLength = 10;
constexpr std::uint32_t kMaxKeyLength = 240;
constexpr std::uint32_t kLeafSpace = 488;      // bytes for packed entries and keys
constexpr std::uint32_t kInteriorSpace = 500;  // bytes for fixed-size entries
constexpr int kMaxDepth = 32;

constexpr std::uint8_t kOptionUnique = 0x01;
constexpr std::uint8_t kOptionFor = 0x08;
constexpr std::uint8_t kOptionCompact = 0x20;
constexpr std::uint8_t kOptionCompound = 0x40;
constexpr std::uint8_t kOptionDirectory = 0x80;

constexpr std::uint16_t kAttributeRoot = 0x01;
constexpr std::uint16_t kAttributeLeaf = 0x02;

// A structural fault found in an index file; the detail says where. The
// layer above turns it into "Index file %s is corrupted".
class CorruptIndex : public Error {
public:
    explicit CorruptIndex(const std::string& detail) : Error(detail) {}
};

std::string hexOffset(std::uint64_t offset);

inline std::uint32_t readLe(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

inline void writeLe(unsigned char* p, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i, value >>= 8)
        p[i] = static_cast<unsigned char>(value & 0xFF);
}

inline std::uint32_t readBe32(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

inline void writeBe32(unsigned char* p, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i, value >>= 8)
        p[i] = static_cast<unsigned char>(value & 0xFF);
}

} // namespace tarvela::cdx

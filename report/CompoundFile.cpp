#include "report/CompoundFile.h"

#include <vector>

#include "platform/Error.h"

// Layout written here: header, then the stream from sector 0, then one
// directory sector, then the allocation (FAT) sectors and, for streams above
// about 7 MB, the sectors that list further FAT sectors (DIFAT). Streams
// shorter than the 4096-byte cutoff would belong in the mini stream, so the
// stream is padded to that size instead; readers stop at the workbook's last
// EOF record anyway.

namespace tarvela {

namespace {

constexpr std::uint32_t kSectorSize = 512;
constexpr std::uint32_t kMiniStreamCutoff = 4096;
constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderDifatEntries = 109;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

void put16(std::string& out, std::size_t at, std::uint16_t value)
{
    out[at] = char(value & 0xFF);
    out[at + 1] = char(value >> 8);
}

void put32(std::string& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((value >> (8 * i)) & 0xFF);
}

std::string directoryEntry(const std::string& name, std::uint8_t type, std::uint32_t child,
                           std::uint32_t start, std::uint32_t size)
{
    std::string entry(128, '\0');
    if (name.size() > 31)
        throw Error("Stream name too long: " + name);
    for (std::size_t i = 0; i < name.size(); ++i)
        put16(entry, 2 * i, std::uint8_t(name[i]));
    put16(entry, 64, name.empty() ? 0 : std::uint16_t(2 * (name.size() + 1)));
    entry[66] = char(type);
    entry[67] = char(type != 0 ? 1 : 0);  // black in the red-black tree
    put32(entry, 68, kNoStream);
    put32(entry, 72, kNoStream);
    put32(entry, 76, child);
    put32(entry, 116, start);
    put32(entry, 120, size);
    return entry;
}

struct Allocation {
    std::uint32_t streamSectors = 0;
    std::uint32_t fatSectors = 0;
    std::uint32_t difatSectors = 0;
    std::uint32_t directorySector() const { return streamSectors; }
    std::uint32_t firstFatSector() const { return streamSectors + 1; }
    std::uint32_t firstDifatSector() const { return firstFatSector() + fatSectors; }
    std::uint32_t total() const { return firstDifatSector() + difatSectors; }
};

std::uint32_t divideUp(std::uint64_t value, std::uint32_t by)
{
    return std::uint32_t((value + by - 1) / by);
}

Allocation allocate(std::uint32_t streamSectors)
{
    Allocation a{streamSectors, 0, 0};
    // The FAT must also cover its own sectors and the DIFAT's: grow to a fixpoint.
    for (;;) {
        const std::uint32_t fat = divideUp(a.total(), kEntriesPerSector);
        const std::uint32_t difat =
            fat > kHeaderDifatEntries ? divideUp(fat - kHeaderDifatEntries, kEntriesPerSector - 1) : 0;
        if (fat == a.fatSectors && difat == a.difatSectors)
            return a;
        a.fatSectors = fat;
        a.difatSectors = difat;
    }
}

std::string fatSectors(const Allocation& a)
{
    std::vector<std::uint32_t> fat(std::size_t(a.fatSectors) * kEntriesPerSector, kFreeSector);
    for (std::uint32_t s = 0; s < a.streamSectors; ++s)
        fat[s] = s + 1 == a.streamSectors ? kEndOfChain : s + 1;
    fat[a.directorySector()] = kEndOfChain;
    for (std::uint32_t s = 0; s < a.fatSectors; ++s)
        fat[a.firstFatSector() + s] = kFatSector;
    for (std::uint32_t s = 0; s < a.difatSectors; ++s)
        fat[a.firstDifatSector() + s] = kDifatSector;
    std::string bytes(fat.size() * 4, '\0');
    for (std::size_t i = 0; i < fat.size(); ++i)
        put32(bytes, 4 * i, fat[i]);
    return bytes;
}

// FAT sector numbers beyond the 109 in the header, 127 per sector, each
// sector ending with the number of the next one.
std::string difatSectors(const Allocation& a)
{
    std::string bytes(std::size_t(a.difatSectors) * kSectorSize, '\0');
    std::uint32_t fatIndex = kHeaderDifatEntries;
    for (std::uint32_t s = 0; s < a.difatSectors; ++s) {
        const std::size_t base = std::size_t(s) * kSectorSize;
        for (std::uint32_t i = 0; i < kEntriesPerSector - 1; ++i, ++fatIndex)
            put32(bytes, base + 4 * i, fatIndex < a.fatSectors ? a.firstFatSector() + fatIndex : kFreeSector);
        put32(bytes, base + kSectorSize - 4, s + 1 < a.difatSectors ? a.firstDifatSector() + s + 1 : kEndOfChain);
    }
    return bytes;
}

std::string header(const Allocation& a)
{
    std::string h(kSectorSize, '\0');
    const unsigned char signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (int i = 0; i < 8; ++i)
        h[i] = char(signature[i]);
    put16(h, 24, 0x003E);  // minor version
    put16(h, 26, 0x0003);  // major version 3
    put16(h, 28, 0xFFFE);  // little-endian
    put16(h, 30, 9);       // 512-byte sectors
    put16(h, 32, 6);       // 64-byte mini sectors
    put32(h, 44, a.fatSectors);
    put32(h, 48, a.directorySector());
    put32(h, 56, kMiniStreamCutoff);
    put32(h, 60, kEndOfChain);  // no mini FAT
    put32(h, 68, a.difatSectors > 0 ? a.firstDifatSector() : kEndOfChain);
    put32(h, 72, a.difatSectors);
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        put32(h, 76 + 4 * i, i < a.fatSectors ? a.firstFatSector() + i : kFreeSector);
    return h;
}

} // namespace

SingleStreamCompoundFile::SingleStreamCompoundFile(const std::string& path, std::string streamName)
    : file_(path), streamName_(std::move(streamName))
{
    file_.append(std::string(kSectorSize, '\0'));  // the header, completed on commit
}

void SingleStreamCompoundFile::append(std::string_view bytes)
{
    file_.append(bytes);
    streamSize_ += bytes.size();
}

void SingleStreamCompoundFile::commit()
{
    if (streamSize_ < kMiniStreamCutoff)
        append(std::string(kMiniStreamCutoff - streamSize_, '\0'));
    if (streamSize_ % kSectorSize != 0)
        file_.append(std::string(kSectorSize - streamSize_ % kSectorSize, '\0'));
    if (streamSize_ > 0xFFFFFFFFull)
        throw Error("Nelze zapsat soubor " + file_.path());
    const Allocation a = allocate(divideUp(streamSize_, kSectorSize));
    std::string directory = directoryEntry("Root Entry", 5, 1, kEndOfChain, 0);
    directory += directoryEntry(streamName_, 2, kNoStream, 0, std::uint32_t(streamSize_));
    for (int unused = 0; unused < 2; ++unused)
        directory += directoryEntry("", 0, kNoStream, 0, 0);
    file_.append(directory);
    file_.append(fatSectors(a));
    file_.append(difatSectors(a));
    file_.writeAt(0, header(a));
    file_.commit();
}

} // namespace tarvela

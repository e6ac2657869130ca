// The protocol floor of the benchmarks: the time of the bare system calls
// that every seek or step in tag order on a shared table needs (lock and
// unlock the index byte, read the record), with no index work at all. The
// most any implementation could reach for that many steps.
#pragma once

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/cdx/IndexLock.h"
#include "data/dbf/DbfFile.h"
#include "platform/FileNames.h"

namespace tarvela::bench {

// Lock and unlock the index byte and read one record, for each of the given
// records: the system calls every seek or step in tag order on a shared table
// needs, with no index work at all.
inline double protocolFloorSeconds(const std::string& tablePath, const std::vector<std::uint32_t>& records)
{
    const std::string indexPath = resolvePathIgnoringCase(std::filesystem::path(tablePath).replace_extension(".cdx").string());
    DbfFile table(tablePath, ShareMode::Shared, LockProtocol::Clipper, 0);
    SharedFile index;
    if (index.open(indexPath, ShareMode::Shared) != OpenStatus::Opened)
        throw std::runtime_error("cannot open " + indexPath);
    std::string record;
    const auto start = std::chrono::steady_clock::now();
    for (const std::uint32_t number : records) {
        cdx::lockIndex(index, LockProtocol::Clipper);
        cdx::unlockIndex(index, LockProtocol::Clipper);
        table.readRawRecord(number, record);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline std::vector<std::uint32_t> recordNumbers(const std::string& tablePath, std::size_t count, bool atRandom)
{
    const std::uint32_t records =
        DbfFile(tablePath, ShareMode::Shared, LockProtocol::Clipper, 0).currentRecordCount();
    std::mt19937 random(7);
    std::vector<std::uint32_t> numbers(count);
    for (std::size_t i = 0; i < count; ++i)
        numbers[i] = atRandom ? random() % records + 1 : static_cast<std::uint32_t>(i % records + 1);
    return numbers;
}

} // namespace tarvela::bench

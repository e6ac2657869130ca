// One open DBF file: its header, its raw records (code page 852, status byte
// first) and the locks of its lock protocol. An opening that reads many
// single records reads them through a mapping of the file where the file
// system allows, without a system call; on a share, inside a read batch, it
// reads them in blocks (RecordBlocks). A record about to be written, and one
// under our record lock, is always read from the file itself. Every write rewrites the header
// (date, count, change stamp, user number); an append runs under the header
// lock. A table holds at most one record lock, counted; the caller releases
// each lock as often as it took it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/dbf/RecordSource.h"
#include "data/dbf/DbfHeader.h"
#include "data/dbf/LockRanges.h"
#include "data/dbf/RecordBlocks.h"
#include "platform/MappedFile.h"
#include "platform/SharedFile.h"

namespace tarvela {

class DbfFile : public RecordSource {
public:
    // Errors: "Nemohu najít soubor %s", "Access denied to file %s", and the
    // refusal of a file that is not a table.
    DbfFile(const std::string& path, ShareMode mode, LockProtocol protocol, std::uint32_t userNumber);

    // Single records read before the file is mapped.
    static constexpr std::uint32_t kReadsBeforeMapping = 256;

    const DbfHeader& header() const { return header_; }
    // The count as last taken from the file length.
    std::uint32_t knownRecordCount() const { return count_; }
    std::string blankRecord() const;

    const std::vector<FieldDescriptor>& fields() const override { return header_.fields(); }
    std::uint32_t currentRecordCount() override;
    void readRawRecord(std::uint32_t recordNumber, std::string& bytes) override;
    void readRawRecords(std::uint32_t first, std::uint32_t count, std::string& bytes) override;
    std::string fileName() const override { return file_.path(); }
    // The next read of this record goes to the file, whatever was kept.
    void forgetKeptRecord(std::uint32_t recordNumber);
    LockProtocol lockProtocol() const override { return protocol_; }

    // The record is written whole or the file is left as it was: stored is
    // the record as read under its lock, put back when the write fails.
    void writeRecord(std::uint32_t recordNumber, const std::string& bytes, const std::string& stored);
    // Adds the record after the last one; returns its record number.
    std::uint32_t appendRecord(const std::string& bytes);

    bool lockRecord(std::uint32_t recordNumber, bool indexAttached);
    void unlockRecord();
    std::uint32_t lockedRecord() const { return recordLock_.count > 0 ? recordLock_.record : 0; }
    bool lockTable();
    void unlockTable();

private:
    struct HeldRecordLock {
        std::uint32_t record = 0;
        int count = 0;
        ByteRange range;
    };

    [[noreturn]] void fail(const char* pattern) const;
    void requireWritable() const;
    void writeHeader();
    // The header byte for one append, released however the append ends.
    class HeaderLock {
    public:
        explicit HeaderLock(DbfFile& table);
        ~HeaderLock();
        HeaderLock(const HeaderLock&) = delete;
        HeaderLock& operator=(const HeaderLock&) = delete;

    private:
        DbfFile& table_;
        bool held_;
    };
    void rereadHeaderPrefix();
    bool readMapped(std::uint64_t offset, std::uint64_t length, std::string& bytes);
    bool mapThrough(std::uint64_t end);
    std::uint64_t recordOffset(std::uint32_t recordNumber) const;

    SharedFile file_;
    MappedFile mapping_;
    bool mappingRefused_ = false;
    bool onShare_ = false;
    // Shared with the other openings of the file for the current batch.
    RecordBlocks* keptBlocks();
    std::shared_ptr<RecordBlocks> blocks_;
    std::uint64_t blocksEpoch_ = 0;
    std::uint32_t readsUnmapped_ = 0;
    DbfHeader header_;
    LockProtocol protocol_;
    std::uint32_t userNumber_;
    std::uint32_t count_ = 0;
    HeldRecordLock recordLock_;
    int tableLocks_ = 0;
};

} // namespace tarvela

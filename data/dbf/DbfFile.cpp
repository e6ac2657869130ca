#include "data/dbf/DbfFile.h"

#include <chrono>
#include <thread>

#include "platform/Error.h"
#include "platform/ReadBatch.h"

namespace tarvela {

namespace {

constexpr const char* kReadFailed = "Chyba při čtení souboru %s";
constexpr const char* kRecordReadFailed = "Chyba při čtení záznamu v souboru %s";
constexpr const char* kWriteFailed = "Chyba při zápisu do souboru %s";
constexpr const char* kAccessDenied = "Access denied to file %s";
constexpr char kEndOfFile = 0x1A;
constexpr std::size_t kFirstHeaderRead = 4096;

// Another program holds the header byte only while it appends one record.
constexpr int kHeaderLockAttempts = 100;
constexpr auto kHeaderLockPause = std::chrono::milliseconds(50);

} // namespace

DbfFile::DbfFile(const std::string& path, ShareMode mode, LockProtocol protocol, std::uint32_t userNumber)
    : protocol_(protocol), userNumber_(userNumber)
{
    switch (file_.open(path, mode)) {
    case OpenStatus::Missing:
        throw Error(formatMessage("Nemohu najít soubor %s", path));
    case OpenStatus::Denied:
        throw Error(formatMessage(kAccessDenied, path));
    case OpenStatus::Opened:
        break;
    }
    onShare_ = !MappedFile::canMap(file_);
    mappingRefused_ = onShare_;
    // Most headers with their field descriptors fit in the first read; in a
    // batch on a share it is a whole block, kept for the first records.
    const bool firstBlock = onShare_ && ReadBatch::isActive();
    std::string bytes;
    if (!file_.readAt(0, firstBlock ? RecordBlocks::kBlockSize : kFirstHeaderRead, bytes))
        fail(kReadFailed);
    const std::uint16_t length = DbfHeader::headerLengthOf(bytes, path);
    if (length > bytes.size() && !file_.readAt(0, length, bytes))
        fail(kReadFailed);
    header_ = DbfHeader::parse(bytes.substr(0, length), path);
    currentRecordCount();
    if (firstBlock)
        keptBlocks()->keep(0, std::move(bytes));
}

std::uint64_t DbfFile::recordOffset(std::uint32_t recordNumber) const
{
    return header_.headerLength() + std::uint64_t(recordNumber - 1) * header_.recordLength();
}

RecordBlocks* DbfFile::keptBlocks()
{
    if (!onShare_ || !ReadBatch::isActive())
        return nullptr;
    if (!blocks_ || blocksEpoch_ != ReadBatch::epoch()) {
        blocks_ = keptRecordsOf(file_.identity());
        blocksEpoch_ = ReadBatch::epoch();
    }
    return blocks_.get();
}

void DbfFile::forgetKeptRecord(std::uint32_t recordNumber)
{
    if (RecordBlocks* kept = keptBlocks(); kept && recordNumber > 0)
        kept->forget(recordOffset(recordNumber), header_.recordLength());
}

void DbfFile::fail(const char* pattern) const
{
    throw Error(formatMessage(pattern, file_.path()));
}

std::string DbfFile::blankRecord() const
{
    return std::string(header_.recordLength(), ' ');
}

std::uint32_t DbfFile::currentRecordCount()
{
    const auto size = file_.size();
    if (!size)
        fail(kReadFailed);
    count_ = *size <= header_.headerLength()
                 ? 0
                 : static_cast<std::uint32_t>((*size - header_.headerLength()) / header_.recordLength());
    return count_;
}

void DbfFile::readRawRecord(std::uint32_t recordNumber, std::string& bytes)
{
    readRawRecords(recordNumber, 1, bytes);
}

void DbfFile::readRawRecords(std::uint32_t first, std::uint32_t count, std::string& bytes)
{
    const std::uint64_t last = std::uint64_t(first) + count - 1;
    if (first == 0 || count == 0 || (last > count_ && last > currentRecordCount()))
        fail(kRecordReadFailed);
    const std::uint64_t offset = recordOffset(first);
    const std::uint64_t length = std::uint64_t(count) * header_.recordLength();
    // A block of records costs one system call anyway, and reading it avoids
    // mapping its pages in one by one.
    if (count == 1 && !onShare_ && readMapped(offset, length, bytes))
        return;
    const bool underRecordLock =
        recordLock_.count > 0 && recordLock_.record >= first && recordLock_.record - first < count;
    RecordBlocks* kept = underRecordLock ? nullptr : keptBlocks();
    if (kept && kept->read(file_, offset, length, bytes))
        return;
    if (!file_.readAt(offset, length, bytes))
        fail(kReadFailed);
    if (bytes.size() != length)
        fail(kRecordReadFailed);
}

// False sends the caller to read the file: no mapping here, or the file was
// cut short beneath it (the read then reports what is missing).
bool DbfFile::readMapped(std::uint64_t offset, std::uint64_t length, std::string& bytes)
{
    const std::uint64_t end = offset + length;
    if (end > mapping_.length() && !mapThrough(end))
        return false;
    bytes.resize(length);
    // The rest of the file's last page reads as zeros, so a range ending in a
    // zero byte may reach past the end: the file itself tells.
    return mapping_.read(offset, length, reinterpret_cast<unsigned char*>(bytes.data())) && bytes.back() != '\0';
}

// Making and tearing down a mapping costs as much as hundreds of reads, so an
// opening maps its file only once it has read that many single records.
bool DbfFile::mapThrough(std::uint64_t end)
{
    if (mappingRefused_ || (!mapping_.isMapped() && ++readsUnmapped_ < kReadsBeforeMapping))
        return false;
    // Room to grow, so that appends do not map the file again every time.
    if (!mapping_.map(file_, end + end / 4)) {
        mappingRefused_ = true;
        return false;
    }
    return true;
}

void DbfFile::requireWritable() const
{
    if (!file_.isWritable())
        fail(kAccessDenied);
}

void DbfFile::writeHeader()
{
    if (!file_.writeAt(0, header_.stampedPrefix(count_, userNumber_, ChangeTime::now())))
        fail(kWriteFailed);
}

void DbfFile::writeRecord(std::uint32_t recordNumber, const std::string& bytes, const std::string& stored)
{
    requireWritable();
    // The count goes into the header after the write: others may have appended.
    if (recordNumber == 0 || recordNumber > currentRecordCount() || stored.size() != header_.recordLength())
        fail(kRecordReadFailed);
    forgetKeptRecord(recordNumber);
    const std::uint64_t offset = recordOffset(recordNumber);
    if (!file_.writeAt(offset, bytes)) {
        file_.writeAt(offset, stored);
        fail(kWriteFailed);
    }
    if (RecordBlocks* kept = keptBlocks())
        kept->patch(offset, bytes);
    writeHeader();
}

void DbfFile::rereadHeaderPrefix()
{
    std::string bytes;
    if (!file_.readAt(0, header_.headerLength(), bytes))
        fail(kReadFailed);
    DbfHeader fresh = DbfHeader::parse(bytes, file_.path());
    if (fresh.headerLength() != header_.headerLength() || fresh.recordLength() != header_.recordLength())
        fail(kReadFailed);
    header_ = std::move(fresh);
}

std::uint32_t DbfFile::appendRecord(const std::string& bytes)
{
    requireWritable();
    HeaderLock locked(*this);
    rereadHeaderPrefix();
    const auto oldSize = file_.size();
    if (!oldSize)
        fail(kReadFailed);
    const std::uint32_t number = currentRecordCount() + 1;
    const std::uint64_t offset = recordOffset(number);
    std::string tail;
    file_.readAt(offset, bytes.size() + 1, tail);
    if (!file_.writeAt(offset, bytes + kEndOfFile)) {
        file_.writeAt(offset, tail);
        file_.truncate(*oldSize);
        fail(kWriteFailed);
    }
    count_ = number;
    if (RecordBlocks* kept = keptBlocks())
        kept->patch(offset, bytes);
    writeHeader();
    return number;
}

DbfFile::HeaderLock::HeaderLock(DbfFile& table) : table_(table), held_(table.tableLocks_ == 0)
{
    if (!held_)
        return;  // the table lock covers the header byte
    const ByteRange range = headerLockRange(table_.protocol_);
    for (int attempt = 1; !table_.file_.tryLock(range.offset, range.length); ++attempt) {
        if (attempt == kHeaderLockAttempts)
            throw Error(formatMessage("Could not lock table %s", table_.file_.path()));
        std::this_thread::sleep_for(kHeaderLockPause);
    }
}

DbfFile::HeaderLock::~HeaderLock()
{
    if (!held_)
        return;
    const ByteRange range = headerLockRange(table_.protocol_);
    table_.file_.unlock(range.offset, range.length);
}

bool DbfFile::lockRecord(std::uint32_t recordNumber, bool indexAttached)
{
    if (recordLock_.count > 0) {
        if (recordLock_.record != recordNumber)
            return false;
        ++recordLock_.count;
        return true;
    }
    const ByteRange range = recordLockRange(protocol_, recordNumber,
                                            {header_.headerLength(), header_.recordLength()}, indexAttached);
    // Under our own table lock the byte is covered already; locking it again
    // would merge with the table range and unlocking it would punch a hole.
    if (tableLocks_ == 0 && !file_.tryLock(range.offset, range.length))
        return false;
    recordLock_ = {recordNumber, 1, range};
    return true;
}

void DbfFile::unlockRecord()
{
    if (recordLock_.count == 0 || --recordLock_.count > 0)
        return;
    if (tableLocks_ == 0)
        file_.unlock(recordLock_.range.offset, recordLock_.range.length);
    recordLock_ = {};
}

bool DbfFile::lockTable()
{
    if (tableLocks_ > 0) {
        ++tableLocks_;
        return true;
    }
    const ByteRange range = tableLockRange(protocol_);
    if (!file_.tryLock(range.offset, range.length))
        return false;
    // Nobody else writes while we hold it, so what is read from now on may
    // be kept for as long; what was kept before may be older.
    if (RecordBlocks* kept = keptBlocks())
        kept->forgetAll();
    tableLocks_ = 1;
    return true;
}

void DbfFile::unlockTable()
{
    if (tableLocks_ == 0 || --tableLocks_ > 0)
        return;
    const ByteRange range = tableLockRange(protocol_);
    file_.unlock(range.offset, range.length);
    // A record lock held across the table lock went with the range: take it again.
    if (recordLock_.count > 0)
        file_.tryLock(recordLock_.range.offset, recordLock_.range.length);
}

} // namespace tarvela

#include "support/WriterCheck.h"

#include <cstdlib>
#include <sstream>
#include <unistd.h>
#include <vector>

#include "data/table/DbfTable.h"
#include "data/table/IndexFileCheck.h"
#include "data/dbf/DbfFile.h"
#include "drivers/WriterTable.h"
#include "platform/Error.h"
#include "support/TableBuilder.h"

namespace tarvela::test {

void WriterLog::readNew(const std::string& path)
{
    const std::string text = readBytes(path);
    const std::size_t end = text.rfind('\n');
    if (end == std::string::npos || end + 1 <= offset_)
        return;
    std::istringstream lines(text.substr(offset_, end + 1 - offset_));
    offset_ = end + 1;
    for (std::string line; std::getline(lines, line);) {
        const std::uint32_t record = static_cast<std::uint32_t>(std::stoul(line.substr(2)));
        WrittenRecord& written = records_[record];
        if (line[0] == 'I') {
            written.uncertain = true;
        } else if (line[0] == 'D') {
            written.deletionUncertain = true;
        } else if (line[0] == 'X') {
            written.deleted = true;
            written.deletionUncertain = false;
        } else if (line[0] == 'C') {
            std::istringstream fields(line.substr(line.find('\t') + 1));
            std::getline(fields, written.code, '\t');
            std::getline(fields, written.name, '\t');
            std::getline(fields, written.amount, '\t');
            written.uncertain = false;
        }
    }
}

pid_t startWriter(const std::string& folder, const std::string& log, unsigned seed, int milliseconds,
                  const std::string& prefix, bool reindexing)
{
    const std::string driver = std::string(TARVELA_BUILD_DIR) + "/tests/tarvela_table_writer";
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);
        execl(driver.c_str(), driver.c_str(), folder.c_str(), log.c_str(), std::to_string(seed).c_str(),
              std::to_string(milliseconds).c_str(), prefix.c_str(), reindexing ? "1" : "0", nullptr);
        _exit(127);
    }
    return pid;
}

namespace {

void openTable(DbfTable& table, const std::string& folder)
{
    table.setDirectory(folder);
    table.setTableName(writer::TableFile);
    table.open();
}

std::string amountOf(const DbfTable& table)
{
    char number[32];
    std::snprintf(number, sizeof number, "%.2f", table.asFloat("CIS"));
    return number;
}

} // namespace

std::string lostWrites(const std::string& folder, const WriterLog& log)
{
    try {
        DbfTable table;
        openTable(table, folder);
        const std::uint32_t count = table.recordCount();
        for (std::uint32_t number = 1; number <= count; ++number) {
            table.setRecordNumber(number);
            for (const FieldDescriptor& field : table.fields())
                table.asString(field.name);
        }
        std::string lost;
        for (const auto& [number, written] : log.records()) {
            if (number == 0)
                continue;
            if (number > count) {
                lost += "record " + std::to_string(number) + " beyond the table\n";
                continue;
            }
            table.setRecordNumber(number);
            const bool valuesKnown = !written.uncertain && !written.code.empty();
            if (valuesKnown && (table.asString("KOD") != written.code || table.asString("NAZ") != written.name ||
                                amountOf(table) != written.amount))
                lost += "record " + std::to_string(number) + " differs from its last write\n";
            if (!written.deletionUncertain && table.isDeleted() != written.deleted)
                lost += "record " + std::to_string(number) + " lost its deletion or gained one\n";
        }
        return lost;
    } catch (const Error& error) {
        return error.what();
    }
}

IndexVerdict judgeIndex(const std::string& folder, std::string& why)
{
    try {
        DbfFile source(folder + writer::TableFile, ShareMode::Shared, LockProtocol::Clipper, 0);
        for (const TagReport& report : checkIndexFile(folder + writer::IndexFile, source))
            if (!report.isSound()) {
                why = report.name + ": " + (report.result.problems.empty() ? "" : report.result.problems[0]);
                return IndexVerdict::Damaged;
            }
    } catch (const Error& error) {
        why = error.what();
        return IndexVerdict::Damaged;
    }
    struct Live {
        std::string code;
        double amount;
    };
    try {
        DbfTable table;
        openTable(table, folder);
        std::vector<Live> live;
        for (table.first(); !table.eof(); table.next())
            live.push_back({table.asString("KOD"), table.asFloat("CIS")});
        table.attachIndexFile(writer::IndexFile);
        for (const char* tag : {"KOD", "KLADNE"}) {
            table.selectTag(tag);
            for (const Live& record : live) {
                const bool expected = std::string(tag) == "KOD" || record.amount > 0;
                if (table.seek(record.code) != expected || (expected && table.asString("KOD") != record.code)) {
                    why = std::string("seek of ") + record.code + " in tag " + tag;
                    return IndexVerdict::Wrong;
                }
            }
        }
        table.selectTag("CIS");
        for (const Live& record : live)
            if (!table.seekKey({record.amount}) || table.asFloat("CIS") != record.amount) {
                why = "seek of " + std::to_string(record.amount) + " in tag CIS";
                return IndexVerdict::Wrong;
            }
    } catch (const Error& error) {
        why = error.what();
        return IndexVerdict::Wrong;
    }
    return IndexVerdict::Clean;
}

} // namespace tarvela::test

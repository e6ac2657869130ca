// tarvela_table_writer DIR LOG SEED MILLISECONDS PREFIX REINDEX: appends,
// changes and deletes records of the writer table with its index file
// attached, at random, and with REINDEX 1 also rebuilds the index file, until
// MILLISECONDS have passed (0: until killed). Each write that returned is
// reported in LOG (see WriterTable.h); a damaged index is rebuilt, as the
// user would. Codes begin with PREFIX, and only records with such codes are
// changed, so that several writers can share the table and the log.
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>

#include "WriterTable.h"
#include "data/table/DbfTable.h"
#include "data/company/IndexLeftovers.h"
#include "data/company/TableReindex.h"
#include "platform/Error.h"
#include "platform/Ui.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

constexpr std::uint32_t MaxRecords = 250;
const char* const Names[] = {"Adam", "Čaj", "cukr", "Dort", "Jean-Piere", "Jean", "Žofie", "Řepa", "Šimon", "ostrý"};

class QuietUi : public ConsoleUi {
public:
    void showMessage(const std::string&) override {}
};

class Writer {
public:
    Writer(std::string directory, int log, unsigned seed, std::string prefix, bool reindexing)
        : directory_(std::move(directory)), log_(log), random_(seed), prefix_(std::move(prefix)),
          reindexing_(reindexing)
    {
    }

    void start()
    {
        removeIndexLeftovers(directory_);
        table_.setDirectory(directory_);
        table_.setTableName(writer::TableFile);
        table_.open();
        try {
            table_.attachIndexFile(writer::IndexFile);
            table_.selectTag("KOD");
        } catch (const Error&) {
            reindex();
        }
    }

    void step()
    {
        try {
            const int choice = below(100);
            if (choice < 40 && table_.recordCount() < MaxRecords)
                append();
            else if (choice < 85)
                change();
            else if (choice < 95 || !reindexing_)
                remove();
            else
                reindex();
        } catch (const Error&) {
            if (table_.isOpen() && table_.state() != DbfTable::State::Browse)
                table_.cancel();
            if (reindexing_)
                reindex();
        }
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    void report(const std::string& line)
    {
        const std::string whole = line + '\n';
        if (write(log_, whole.data(), whole.size()) != static_cast<ssize_t>(whole.size()))
            _exit(3);
    }

    void fill()
    {
        if (table_.state() == DbfTable::State::Insert || below(3) == 0)
            table_.setString("KOD", prefix_ + std::to_string(1000000 + below(9000000)));
        table_.setString("NAZ", Names[below(std::size(Names))]);
        table_.setFloat("CIS", (below(550) - 50) / 4.0);
    }

    void reportValues()
    {
        char number[32];
        std::snprintf(number, sizeof number, "%.2f", table_.asFloat("CIS"));
        report("C " + std::to_string(table_.recordNumber()) + '\t' + table_.asString("KOD") + '\t' +
               table_.asString("NAZ") + '\t' + number);
    }

    // A random live record of this writer's, or false. Writers change only
    // the records they added, so that each one's report of a record is the
    // last word on it.
    bool pickRecord()
    {
        const std::uint32_t count = table_.recordCount();
        if (count == 0)
            return false;
        table_.setRecordNumber(1 + below(static_cast<int>(count)));
        return !table_.isDeleted() && table_.asString("KOD").starts_with(prefix_);
    }

    void append()
    {
        report("I 0");
        table_.append();
        fill();
        table_.post();
        reportValues();
    }

    void change()
    {
        if (!pickRecord())
            return;
        report("I " + std::to_string(table_.recordNumber()));
        table_.edit();
        fill();
        table_.post();
        reportValues();
    }

    void remove()
    {
        if (!pickRecord())
            return;
        const std::uint32_t record = table_.recordNumber();
        report("D " + std::to_string(record));
        table_.deleteRecord();
        report("X " + std::to_string(record));
    }

    void reindex()
    {
        static const IndexedTable spec = writer::indexSpec();
        QuietUi ui;
        reindexTable(table_, spec, {directory_, writer::TableBase, writer::TableBase}, ui);
        if (table_.isOpen() && table_.attachedTagCount() == 0)
            table_.attachIndexFile(writer::IndexFile);
    }

    std::string directory_;
    int log_;
    std::mt19937 random_;
    std::string prefix_;
    bool reindexing_;
    DbfTable table_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s DIR LOG SEED MILLISECONDS PREFIX REINDEX\n", argv[0]);
        return 2;
    }
    const int log = open(argv[2], O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (log < 0)
        return 2;
    Writer writer(std::string(argv[1]) + '/', log, static_cast<unsigned>(std::stoul(argv[3])), argv[5],
                  std::string(argv[6]) == "1");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::stol(argv[4]));
    const bool forever = std::stol(argv[4]) == 0;
    try {
        writer.start();
        while (forever || std::chrono::steady_clock::now() < deadline)
            writer.step();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// The index engine on a demo company: building the journal's three tags, the
// whole reindexing, 100 000 random exact seeks on the invoice tag "DO1" and
// a walk of the journal in "DOK" order. Each is reported as a time and as a
// multiple of one plain sequential read of the same table file, both as raw
// bytes (x_raw_read) and as a walk of the table in file order through the
// table layer, one read per record (x_table_walk).
//
// A seek or a step in tag order on a shared table must lock and unlock the
// index byte and read the record. The seeks and the walk are also compared
// with a bare loop of just that on the same files (x_protocol_floor; for the
// seeks also as protocol_floor_per_s), the most any implementation could
// reach here.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <random>
#include <vector>

#include "BenchCompany.h"
#include "ProtocolFloor.h"
#include "data/catalogue/IndexCatalogue.h"
#include "data/company/TData.h"
#include "data/cdx/IndexLock.h"
#include "data/dbf/DbfFile.h"
#include "platform/FileNames.h"

namespace {

using namespace tarvela;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class QuietUi : public ConsoleUi {
public:
    void showMessage(const std::string& text) override { last = text; }
    std::string last;
};

struct Company {
    QuietUi ui;
    fs::path folder = bench::companyFolder();
    TData data{ui, folder.string() + "/"};

    Company()
    {
        if (!data.DataCreate())
            throw std::runtime_error("the demo company cannot be opened: " + ui.last);
    }
};

Company& company()
{
    static Company instance;
    return instance;
}

double rawReadSeconds(const std::string& path)
{
    const auto start = Clock::now();
    std::ifstream in(path, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    std::uint64_t sum = 0;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); i += 64)
            sum += static_cast<unsigned char>(buffer[i]);
    }
    benchmark::DoNotOptimize(sum);
    return secondsSince(start);
}

double fileOrderWalkSeconds(DbfTable& table)
{
    const auto start = Clock::now();
    table.open();
    std::uint64_t records = 0;
    for (table.first(); !table.eof(); table.next())
        ++records;
    table.close();
    benchmark::DoNotOptimize(records);
    return secondsSince(start);
}

// Plain reads of a table, measured once each (the second time, warm).
struct PlainRead {
    double raw;
    double walk;
};

PlainRead plainRead(DbfTable& table)
{
    rawReadSeconds(table.filePath());
    return {rawReadSeconds(table.filePath()), fileOrderWalkSeconds(table)};
}

void report(benchmark::State& state, double seconds, const PlainRead& plain)
{
    state.SetIterationTime(seconds);
    state.counters["x_raw_read"] = seconds / plain.raw;
    state.counters["x_table_walk"] = seconds / plain.walk;
}

void BuildJournalTags(benchmark::State& state)
{
    DbfTable& journal = company().data.Denik;
    const PlainRead plain = plainRead(journal);
    const IndexedTable& entry = *findIndexedTable("Denik");
    const std::string scratch = (fs::temp_directory_path() / "tarvela-bench-journal.cdx").string();
    for (auto _ : state) {
        fs::remove(scratch);
        journal.setExclusive(true);
        journal.open();
        const auto start = Clock::now();
        for (const IndexTagSpec& tag : entry.tags)
            journal.buildIndexTag(scratch, tag.name, tag.keyExpression, tag.forExpression, tag.isUnique(),
                                  tag.isDescending());
        report(state, secondsSince(start), plain);
        journal.close();
        journal.setExclusive(false);
    }
    fs::remove(scratch);
}

void WholeReindex(benchmark::State& state)
{
    const PlainRead plain = plainRead(company().data.Denik);
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!company().data.Index())
            state.SkipWithError(("reindexing failed: " + company().ui.last).c_str());
        report(state, secondsSince(start), plain);
    }
}

std::vector<std::string> invoiceNumbers(TData& data)
{
    std::vector<std::string> numbers;
    data.OpenFak(0, "");
    for (data.Faktury.first(); !data.Faktury.eof(); data.Faktury.next())
        numbers.push_back(data.Faktury.asString("HLA_DO1"));
    data.CloseFak();
    return numbers;
}

void RandomInvoiceSeeks(benchmark::State& state)
{
    TData& data = company().data;
    const PlainRead plain = plainRead(data.Faktury);
    const std::vector<std::string> numbers = invoiceNumbers(data);
    std::mt19937 random(42);
    std::vector<const std::string*> sought;
    for (int i = 0; i < 100000; ++i)
        sought.push_back(&numbers[random() % numbers.size()]);
    data.OpenFak(0, "DO1");
    for (const std::string* number : sought)  // fills the page cache
        data.Faktury.seek(*number);
    double seconds = 0;
    for (auto _ : state) {
        std::size_t found = 0;
        const auto start = Clock::now();
        for (const std::string* number : sought)
            found += data.Faktury.seek(*number);
        seconds = secondsSince(start);
        report(state, seconds, plain);
        state.counters["seeks_per_s"] = sought.size() / seconds;
        if (found != sought.size())
            state.SkipWithError("a seek missed an existing invoice");
    }
    data.CloseFak();
    const double floor = bench::protocolFloorSeconds(data.Faktury.filePath(),
                                              bench::recordNumbers(data.Faktury.filePath(), sought.size(), true));
    state.counters["protocol_floor_per_s"] = sought.size() / floor;
    state.counters["x_protocol_floor"] = seconds / floor;
}

void JournalWalkInDocumentOrder(benchmark::State& state)
{
    TData& data = company().data;
    const PlainRead plain = plainRead(data.Denik);
    for (auto _ : state) {
        const auto start = Clock::now();
        data.OpenDen(0, "DOK");
        std::uint64_t records = 0;
        for (data.Denik.first(); !data.Denik.eof(); data.Denik.next())
            ++records;
        data.CloseDenik();
        const double seconds = secondsSince(start);
        report(state, seconds, plain);
        state.counters["records"] = static_cast<double>(records);
        state.counters["x_protocol_floor"] =
            seconds / bench::protocolFloorSeconds(data.Denik.filePath(), bench::recordNumbers(data.Denik.filePath(), records, false));
    }
}

BENCHMARK(BuildJournalTags)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(WholeReindex)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(RandomInvoiceSeeks)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(JournalWalkInDocumentOrder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();

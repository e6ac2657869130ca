// The list reports on a demo company (see BenchCompany.h): the invoice
// overview, the sales by salesman and the customer rebate, each for the year
// 2007 and for all years, by issue date. Each is reported as a time and as a
// multiple of the protocol floor (ProtocolFloor.h) of the locked steps the
// run must make: one step per document it reads, per journal line of the
// documents it takes, and per seek of their payments, discounts and splits.
// The overview of a year is also given as a multiple of the settlement of
// one salesman for that year ("x settlement"). A run reads 64 documents at
// a time under one index lock per file, so it takes far fewer locks
// ("index_locks") than the floor counts steps ("floor_steps").
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "BenchCompany.h"
#include "ProtocolFloor.h"
#include "commission/TDataSestavy.h"
#include "data/documents/DocumentRows.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/FileFaults.h"

namespace {

using namespace tarvela;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const SettlementPeriod kYear{toDayNumber({2007, 1, 1}), toDayNumber({2007, 12, 31})};
const SettlementPeriod kAllYears{toDayNumber({1900, 1, 1}), toDayNumber({2100, 12, 31})};

class QuietUi : public ConsoleUi {
public:
    void showMessage(const std::string&) override {}
};

// Each figure is the fastest of a few runs: on a shared machine the others
// measure the neighbours.
constexpr int kRuns = 3;

template <typename Measure>
double fastestOf(Measure measure)
{
    double fastest = measure();
    for (int i = 1; i < kRuns; ++i)
        fastest = std::min(fastest, measure());
    return fastest;
}

template <typename Run>
double fastestSeconds(Run run)
{
    return fastestOf([&] {
        const auto start = Clock::now();
        run();
        return std::chrono::duration<double>(Clock::now() - start).count();
    });
}

struct Company {
    QuietUi ui;
    TData data{ui, fs::absolute(bench::companyFolder()).string() + "/"};
    TDataSestavy sestavy{data};

    Company()
    {
        if (!data.DataCreate())
            throw std::runtime_error("The demo company cannot be opened");
        const std::string documents = (fs::temp_directory_path() / "tarvela-list-bench").string();
        fs::create_directories(documents);
        sestavy.DocumentsFolder = [documents] { return documents; };
        sestavy.Today = [] { return toDayNumber({2008, 1, 15}); };
        sestavy.Now = [] { return double(toDayNumber({2008, 1, 15})); };
        sestavy.Sestavy.setPreview([](const ReportDocument&, int) {});
    }
};

Company& company()
{
    static Company instance;
    return instance;
}

// Documents of the period, and how many of them are in it, of one table.
struct DocumentCount {
    std::size_t read = 0;
    std::size_t taken = 0;
    std::size_t journalLines = 0;
};

DocumentCount countDocuments(DbfTable& headers, const SettlementPeriod& period, bool wholeTable)
{
    TData& data = company().data;
    DocumentCount count;
    const ScopedTableOpen open(headers);
    const ScopedTableOpen journal(data, data.Denik, "DOK");
    for (headers.first(); !headers.eof(); headers.next()) {
        const DayNumber issued = headers.asDate("HLA_DAT");
        const bool taken = period.from <= issued && issued <= period.to;
        count.read += wholeTable || taken;
        if (!taken)
            continue;
        ++count.taken;
        const std::string number = headers.asString("HLA_DO1");
        if (data.Denik.seek(number, true))
            for (; !data.Denik.eof() && sameNumber(data.Denik.asString("DEN_DOK"), number); data.Denik.next())
                ++count.journalLines;
    }
    return count;
}

struct Floor {
    double seconds = 0;
    std::size_t steps = 0;
};

// seeksPerDocument: payments, discounts, splits as the report needs them.
Floor floorOf(const SettlementPeriod& period, bool creditNotes, bool wholeTable, int seeksPerDocument)
{
    TData& data = company().data;
    DocumentCount invoices = countDocuments(data.Faktury, period, wholeTable);
    std::size_t steps = invoices.read + invoices.journalLines + invoices.taken * seeksPerDocument;
    if (creditNotes) {
        const DocumentCount notes = countDocuments(data.Dobropisy, period, wholeTable);
        steps += notes.read + notes.journalLines + notes.taken * seeksPerDocument;
    }
    const std::string journal = data.Denik.filePath();
    const std::vector<std::uint32_t> records = bench::recordNumbers(journal, steps, false);
    return {fastestOf([&] { return bench::protocolFloorSeconds(journal, records); }), steps};
}

double settlementSeconds = 0;

// Besides the time, the index locks one run takes (every lock a run takes
// is one) beside the locked steps the floor counts.
template <typename Run>
double timed(benchmark::State& state, const Floor& floor, Run run)
{
    double seconds = 0;
    for (auto _ : state) {
        disarmFileFaults();  // restarts the count of locks
        seconds = fastestSeconds(run);
        state.SetIterationTime(seconds);
    }
    state.counters["floor_ms"] = floor.seconds * 1000;
    state.counters["x_protocol_floor"] = seconds / floor.seconds;
    state.counters["floor_steps"] = double(floor.steps);
    state.counters["index_locks"] = double(fileOperationCount(FileOperation::Lock)) / kRuns;
    return seconds;
}

ReportRequest requestFor(const SettlementPeriod& period)
{
    ReportRequest request;
    request.period = period;
    return request;
}

void SettlementOfOneSalesmanForAYear(benchmark::State& state)
{
    for (auto _ : state) {
        settlementSeconds = fastestSeconds([] { company().sestavy.SesProvObch("001", kYear.from, kYear.to); });
        state.SetIterationTime(settlementSeconds);
    }
}

void InvoiceOverview(benchmark::State& state, SettlementPeriod period)
{
    const double seconds =
        timed(state, floorOf(period, true, false, 2), [&] { company().sestavy.SesPrehFak(requestFor(period)); });
    if (settlementSeconds > 0 && period.from == kYear.from)
        state.counters["x settlement"] = seconds / settlementSeconds;
}

void SalesTurnover(benchmark::State& state, SettlementPeriod period)
{
    timed(state, floorOf(period, true, false, 2),
          [&] { company().sestavy.SestProdejce(requestFor(period)); });
}

void CustomerRebate(benchmark::State& state, SettlementPeriod period)
{
    timed(state, floorOf(period, false, true, 1),
          [&] { company().sestavy.SestObratuOdberatelu(requestFor(period)); });
}

BENCHMARK(SettlementOfOneSalesmanForAYear)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InvoiceOverview, Year2007, kYear)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InvoiceOverview, AllYears, kAllYears)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SalesTurnover, Year2007, kYear)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SalesTurnover, AllYears, kAllYears)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CustomerRebate, Year2007, kYear)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CustomerRebate, AllYears, kAllYears)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

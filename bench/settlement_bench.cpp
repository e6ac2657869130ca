// The commission settlement reports on a demo company (see BenchCompany.h):
// the settlement of one salesman for a year (report 1) and the summary of
// all salesmen for the same year (report 3, with its text file), each as a
// time and as a multiple of one plain walk of the invoice table in "DO1"
// order and the journal in "DOK" order. The summary's counter
// "x settlement" is its time over the settlement's.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "BenchCompany.h"
#include "commission/TDataSestavy.h"

namespace {

using namespace tarvela;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const DayNumber kYearFrom = toDayNumber({2007, 1, 1});
const DayNumber kYearTo = toDayNumber({2007, 12, 31});

// The demo has cards without a group; their messages are counted, not shown.
class CountingUi : public ConsoleUi {
public:
    void showMessage(const std::string&) override { ++messages; }
    std::size_t messages = 0;
};

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class Company {
public:
    Company() : data_(ui_, fs::absolute(bench::companyFolder()).string() + "/"), sestavy_(data_)
    {
        if (!data_.DataCreate())
            throw std::runtime_error("The demo company cannot be opened");
        const std::string documents = (fs::temp_directory_path() / "tarvela-settlement-bench").string();
        fs::create_directories(documents);
        sestavy_.DocumentsFolder = [documents] { return documents; };
        sestavy_.Today = [] { return toDayNumber({2008, 1, 15}); };
        sestavy_.Sestavy.setPreview([this](const ReportDocument& pages, int) { pageCount_ = pages.pages.size(); });
    }

    double plainWalkSeconds()
    {
        const auto start = Clock::now();
        std::size_t records = 0;
        data_.OpenFak(0, "DO1");
        for (data_.Faktury.first(); !data_.Faktury.eof(); data_.Faktury.next())
            ++records;
        data_.CloseFak();
        data_.OpenDen(0, "DOK");
        for (data_.Denik.first(); !data_.Denik.eof(); data_.Denik.next())
            ++records;
        data_.CloseDenik();
        benchmark::DoNotOptimize(records);
        return secondsSince(start);
    }

    TDataSestavy& sestavy() { return sestavy_; }
    std::size_t pageCount() const { return pageCount_; }

private:
    CountingUi ui_;
    TData data_;
    TDataSestavy sestavy_;
    std::size_t pageCount_ = 0;
};

Company& company()
{
    static Company instance;
    return instance;
}

double plainWalk()
{
    static const double seconds = company().plainWalkSeconds();
    return seconds;
}

double settlementSeconds = 0;

template <typename Run>
double timed(benchmark::State& state, Run run)
{
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        run();
        const double elapsed = secondsSince(start);
        state.SetIterationTime(elapsed);
        total += elapsed;
    }
    const double perIteration = total / double(state.iterations());
    state.counters["x plain walk"] = perIteration / plainWalk();
    return perIteration;
}

void BM_PlainWalkOfInvoicesAndJournal(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(company().plainWalkSeconds());
}

void BM_SettlementOfOneSalesmanForAYear(benchmark::State& state)
{
    settlementSeconds = timed(state, [] { company().sestavy().SesProvObch("001", kYearFrom, kYearTo); });
    state.counters["pages"] = double(company().pageCount());
}

void BM_SummaryOfAllSalesmenForAYear(benchmark::State& state)
{
    const double seconds = timed(state, [] { company().sestavy().SesProvCel(kYearFrom, kYearTo); });
    if (settlementSeconds > 0)
        state.counters["x settlement"] = seconds / settlementSeconds;
}

BENCHMARK(BM_PlainWalkOfInvoicesAndJournal)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettlementOfOneSalesmanForAYear)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryOfAllSalesmenForAYear)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The company data check (tarvela-dbf verify) on a demo company (see
// BenchCompany.h): the whole check, and apart from it its two big parts,
// reading the document books and checking every index file. The Time column
// is wall-clock time, the CPU column the process's processor time, which is
// the steadier figure on a busy machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "BenchCompany.h"
#include "data/company/TData.h"
#include "data/verify/CompanyBooks.h"
#include "data/verify/CompanyCheck.h"
#include "data/verify/CompanyIndexCheck.h"

namespace {

using namespace tarvela;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

TData& company()
{
    static ConsoleUi ui;
    static TData data(ui, fs::absolute(bench::companyFolder()).string() + "/");
    static const bool created = data.DataCreate();
    if (!created)
        throw std::runtime_error("The demo company cannot be opened");
    return data;
}

template <typename Run>
void timed(benchmark::State& state, Run run)
{
    for (auto _ : state) {
        const auto start = Clock::now();
        run();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void BM_WholeCompanyCheck(benchmark::State& state)
{
    std::size_t findings = 0;
    timed(state, [&] { findings = checkCompany(company()).size(); });
    state.counters["findings"] = double(findings);
}

void BM_DocumentBooks(benchmark::State& state)
{
    std::size_t headers = 0;
    timed(state, [&] { headers = CompanyBooks(company()).headers.size(); });
    state.counters["documents"] = double(headers);
}

void BM_IndexFiles(benchmark::State& state)
{
    timed(state, [] { benchmark::DoNotOptimize(checkCompanyIndexes(company().settings())); });
}

BENCHMARK(BM_WholeCompanyCheck)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentBooks)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexFiles)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The table browser's reading on a demo company: opening the invoices with
// the tag "DO1" and filling a window of 25 rows at the end (what the invoice
// browser does when it opens), the jumps to the first and the last row
// (Ctrl+Home, Ctrl+End), one row and one page down, and a drag of the scroll
// bar to the middle, which steps half the table without reading its rows.
// Rows are formatted as the grid shows them, all 33 columns.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "BenchCompany.h"
#include "data/company/TData.h"
#include "data/table/FieldDisplay.h"
#include "data/table/TableWindow.h"

namespace {

using namespace tarvela;

constexpr int kRows = 25;
const char* const kColumns[] = {"HLA_DAT", "HLA_DO1", "HLA_NAC", "HLA_OBC", "HLA_CUH", "HLA_BPL", "HLA_DSP",
                                "HLA_BDP", "HLA_SBD", "HLA_FHV", "HLA_DVS", "HLA_DZP", "HLA_PCA", "HLA_DO2",
                                "HLA_DO3", "HLA_NCA", "HLA_ODB", "HLA_ODP", "HLA_FUH", "HLA_FDO", "HLA_Z00",
                                "HLA_Z05", "HLA_Z22", "HLA_D05", "HLA_D22", "HLA_PLA", "HLA_EDT", "HLA_PRN",
                                "HLA_REF", "HLA_CEN", "HLA_SLE", "HLA_TSK", "HLA_DO4"};

void readRow(const DbfTable& table, WindowRow& row)
{
    for (const char* column : kColumns)
        row.cells.push_back(displayText(table, column));
}

struct Company {
    ConsoleUi ui;
    TData data{ui, bench::companyFolder().string() + "/"};
    Company()
    {
        if (!data.DataCreate())
            throw std::runtime_error("the demo company cannot be opened");
    }
};

Company& company()
{
    static Company shared;
    return shared;
}

void BM_OpenAndShowLastRows(benchmark::State& state)
{
    TData& data = company().data;
    for (auto _ : state) {
        data.OpenFak(0, "DO1");
        if (!data.Faktury.isOpen())
            state.SkipWithError("Faktury cannot be opened");
        TableWindow window(data.Faktury, readRow);
        window.setCapacity(kRows);
        window.last();
        benchmark::DoNotOptimize(window.rows().size());
        data.CloseFak();
    }
}

template <typename Move> void onOpenInvoices(benchmark::State& state, Move move)
{
    TData& data = company().data;
    data.OpenFak(0, "DO1");
    TableWindow window(data.Faktury, readRow);
    window.setCapacity(kRows);
    window.last();
    for (auto _ : state)
        move(window);
    state.counters["records"] = data.Faktury.recordCount();
    data.CloseFak();
}

void BM_CtrlHomeThenCtrlEnd(benchmark::State& state)
{
    onOpenInvoices(state, [](TableWindow& window) {
        window.first();
        window.last();
    });
}

void BM_RowAndPageDown(benchmark::State& state)
{
    onOpenInvoices(state, [](TableWindow& window) {
        window.first();
        window.moveCurrent(kRows + 1);
        window.moveCurrent(kRows);
    });
}

void BM_DragToTheMiddle(benchmark::State& state)
{
    onOpenInvoices(state, [](TableWindow& window) {
        window.first();
        window.scrollTo(window.estimatedCount() / 2);
    });
}

} // namespace

BENCHMARK(BM_OpenAndShowLastRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CtrlHomeThenCtrlEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RowAndPageDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragToTheMiddle)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

// The commission of the invoices of a demo company (GetDokladPro), as
// documents per second and as a multiple of one plain walk of the journal in
// "DOK" order. The company comes from TARVELA_BENCH_COMPANY (a folder made by
// tarvela-demo); without it one is made with tarvela-demo --scale
// TARVELA_BENCH_SCALE (default 100) in the temporary folder. Every invoice is
// computed unless TARVELA_BENCH_INVOICES limits them to the first N; the
// ratio then stands for all invoices at the rate measured.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "BenchCompany.h"
#include "commission/TDataSestavy.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/TData.h"

namespace {

using namespace tarvela;
namespace fs = std::filesystem;

struct Invoice {
    std::string number;
    DayNumber issued;
    std::string salesman;
};

// The demo has cards without a group; their messages are counted, not shown.
class CountingUi : public ConsoleUi {
public:
    void showMessage(const std::string&) override { ++messages; }
    std::size_t messages = 0;
};

class Company {
public:
    Company() : data_(ui_, fs::absolute(bench::companyFolder()).string() + "/"), reports_(data_)
    {
        if (!data_.DataCreate())
            throw std::runtime_error("The demo company cannot be opened");
        data_.OpenFak(0, "DO1");
        for (data_.Faktury.first(); !data_.Faktury.eof(); data_.Faktury.next())
            invoices_.push_back({data_.Faktury.asString("HLA_DO1"), data_.Faktury.asDate("HLA_DVS"),
                                 data_.Faktury.asString("HLA_OBC")});
        data_.CloseFak();
        const std::string limit = bench::environment("TARVELA_BENCH_INVOICES", "");
        total_ = invoices_.size();
        if (!limit.empty() && std::stoul(limit) < invoices_.size())
            invoices_.resize(std::stoul(limit));
        // As the settlement run leaves it: DelProv open on its document tag.
        data_.DelProv.open();
        data_.DelProv.attachIndexFile(indexFileOf("DelProv", data_.settings().companyNumber));
        data_.DelProv.selectTag("DO1");
        reports_.DokladObsahFak.open();
    }

    // One plain walk of the journal in document order.
    double journalWalkSeconds()
    {
        const auto start = std::chrono::steady_clock::now();
        data_.OpenDen(0, "DOK");
        std::size_t lines = 0;
        for (data_.Denik.first(); !data_.Denik.eof(); data_.Denik.next())
            ++lines;
        data_.CloseDenik();
        benchmark::DoNotOptimize(lines);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    void commissionOfEveryInvoice()
    {
        for (const Invoice& invoice : invoices_) {
            reports_.DokladObsahFak.removeAllRows();
            reports_.GetDokladPro(invoice.number, "004", invoice.issued, invoice.salesman, "300", "", "");
        }
    }

    TData& data() { return data_; }
    std::size_t invoiceCount() const { return invoices_.size(); }
    std::size_t allInvoices() const { return total_; }

private:
    CountingUi ui_;
    TData data_;
    TDataSestavy reports_;
    std::vector<Invoice> invoices_;
    std::size_t total_ = 0;
};

Company& company()
{
    static Company instance;
    return instance;
}

void BM_JournalWalkInDokOrder(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(company().journalWalkSeconds());
}

// Arg 0: journal and product range closed between documents, as in the
// settlement run; arg 1: kept open by the caller.
void BM_GetDokladProEveryInvoice(benchmark::State& state)
{
    Company& c = company();
    const bool keepOpen = state.range(0) == 1;
    if (keepOpen) {
        c.data().OpenDen(0, "DOK");
        c.data().OpenSor(0, "KAV");
    }
    const double walk = c.journalWalkSeconds();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        c.commissionOfEveryInvoice();
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
    }
    const double perIteration = seconds / double(state.iterations());
    state.counters["documents/s"] = double(c.invoiceCount()) / perIteration;
    const double allInvoicesSeconds = perIteration * double(c.allInvoices()) / double(c.invoiceCount());
    state.counters["x journal walk"] = allInvoicesSeconds / walk;
    state.counters["invoices"] = double(c.invoiceCount());
    if (keepOpen) {
        c.data().CloseDenik();
        c.data().CloseSor();
    }
}

BENCHMARK(BM_JournalWalkInDokOrder)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetDokladProEveryInvoice)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

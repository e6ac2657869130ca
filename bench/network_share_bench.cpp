// The runs of the program on a data folder on a file server, where every
// lock, unlock, read, write and sync of a shared file waits for a round trip
// to the server. The files are read as on a share (TARVELA_UNMAPPED: never
// mapped) and every such call is counted in platform/; for each run the
// table gives the round trips, the megabytes read, the run's own time and
// its time at 0.2 ms and at 1 ms a round trip (own time plus that much per
// round trip). With --simulate MICROSECONDS every counted call really waits
// that long, and the time measured is the one shown as own time.
//
// The demo company is the one of BenchCompany.h (TARVELA_BENCH_COMPANY, or
// tarvela-demo --scale TARVELA_BENCH_SCALE, default 100); the runs are those
// of the year 2007 and salesman 001. The reindexing rebuilds the company's
// index files, so it runs last and only with --reindex.
//
// With --statements it compares the month-end statements of every salesman
// made in one pass (tarvela-report --all-salesmen, without the saving of the
// files) with the same report of one salesman, for November 2007 and for
// the year: the pass should cost at most 1.5 times the round trips of one.
//
// With --writer SECONDS a second process plays a writer on another computer
// while the report runs are repeated for that long (the check is left out:
// it holds an index file's lock for the whole check of each tag): it takes
// the index byte of the invoices' index file again and again, as a writer
// does before every change, retrying as the lock protocol does, and prints
// how often it had to wait, whether it ever gave up, and its longest wait.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "BenchCompany.h"
#include "data/cdx/IndexLock.h"
#include "commission/ReportTablesOpen.h"
#include "commission/TDataSestavy.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/verify/CompanyCheck.h"
#include "platform/RoundTrips.h"

namespace {

using namespace tarvela;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const SettlementPeriod kYear{toDayNumber({2007, 1, 1}), toDayNumber({2007, 12, 31})};
const SettlementPeriod kMonth{toDayNumber({2007, 11, 1}), toDayNumber({2007, 11, 30})};

class QuietUi : public ConsoleUi {
public:
    void showMessage(const std::string&) override {}
};

struct Company {
    QuietUi ui;
    TData data;
    TDataSestavy sestavy{data};

    explicit Company(const std::string& folder) : data(ui, folder)
    {
        if (!data.DataCreate())
            throw std::runtime_error("The demo company cannot be opened");
        const std::string documents = (fs::temp_directory_path() / "tarvela-share-bench").string();
        fs::create_directories(documents);
        sestavy.DocumentsFolder = [documents] { return documents; };
        sestavy.Today = [] { return toDayNumber({2008, 1, 15}); };
        sestavy.Now = [] { return double(toDayNumber({2008, 1, 15})); };
        sestavy.Sestavy.setPreview([](const ReportDocument&, int) {});
    }
};

ReportRequest yearRequest()
{
    ReportRequest request;
    request.period = kYear;
    return request;
}

void measure(const std::string& name, const std::function<void()>& run)
{
    const RoundTripCounts before = roundTripCounts();
    const auto start = Clock::now();
    run();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const RoundTripCounts used = roundTripCounts() - before;
    const double trips = double(used.total());
    std::printf("| %-44s | %9.0f | %9.0f | %9.0f | %8.1f | %8.2f s | %8.2f s | %8.2f s |\n", name.c_str(), trips,
                double(used.locks + used.unlocks), double(used.reads), double(used.bytesRead) / 1e6, seconds,
                seconds + trips * 0.0002, seconds + trips * 0.001);
    std::fflush(stdout);
}

void runAll(Company& company, bool check, bool reindex)
{
    TDataSestavy& sestavy = company.sestavy;
    measure("settlement of one salesman-year", [&] { sestavy.SesProvObch("001", kYear.from, kYear.to); });
    measure("commission by groups, one salesman-year", [&] { sestavy.SesProvSku("001", kYear.from, kYear.to); });
    measure("summary of all salesmen, one year", [&] { sestavy.SesProvCel(kYear.from, kYear.to); });
    measure("disallowed commission of one salesman", [&] { sestavy.SesNepProvObch("001"); });
    measure("settlement at card rates, one salesman-year",
            [&] { sestavy.SesProvObchKar("001", kYear.from, kYear.to); });
    measure("customer rebate, one year", [&] { sestavy.SestObratuOdberatelu(yearRequest()); });
    measure("invoice overview, one year", [&] { sestavy.SesPrehFak(yearRequest()); });
    measure("sales by salesman, one year", [&] { sestavy.SestProdejce(yearRequest()); });
    if (check)
        measure("check of the company (tarvela-dbf verify)", [&] { checkCompany(company.data); });
    if (reindex)
        measure("reindexing of the company", [&] { company.data.Index(); });
}

void runStatements(Company& company)
{
    TDataSestavy& sestavy = company.sestavy;
    const std::vector<std::string> everyone = salesmanCodes(company.data);
    const auto all = [&](ReportSelector selector, const SettlementPeriod& period) {
        sestavy.SalesmanStatements(selector, everyone, period, [](const ReportSalesman&, auto) {});
    };
    const std::string salesmen = std::to_string(everyone.size()) + " salesmen";
    for (const auto& [period, name] : {std::pair{kMonth, "month"}, std::pair{kYear, "year"}}) {
        measure(std::string("settlement, one salesman-") + name,
                [&] { sestavy.SesProvObch("001", period.from, period.to); });
        measure("settlement, " + salesmen + ", one " + name, [&] { all(ReportSelector::Settlement, period); });
        measure(std::string("by groups, one salesman-") + name,
                [&] { sestavy.SesProvSku("001", period.from, period.to); });
        measure("by groups, " + salesmen + ", one " + name, [&] { all(ReportSelector::Groups, period); });
        measure(std::string("card rates, one salesman-") + name,
                [&] { sestavy.SesProvObchKar("001", period.from, period.to); });
        measure("card rates, " + salesmen + ", one " + name,
                [&] { all(ReportSelector::SpecialSettlement, period); });
    }
    measure("disallowed, one salesman", [&] { sestavy.SesNepProvObch("001"); });
    measure("disallowed, " + salesmen, [&] { all(ReportSelector::Disallowed, kYear); });
}

// The writer's side, as the lock protocol has it: try the index byte, and
// while it is refused wait 50 ms and try again, up to 100 times; then let it
// go and wait a few milliseconds before the next change. Until told to stop;
// sends back the changes tried, those that got the lock only after a wait,
// those that never got it, and the longest wait in microseconds.
struct WriterFigures {
    std::int64_t changes = 0;
    std::int64_t waited = 0;
    std::int64_t failed = 0;
    std::int64_t longest = 0;
};

[[noreturn]] void playWriter(const std::string& indexPath, int stop, int result)
{
    simulateRoundTripDelay(std::chrono::microseconds(0));
    SharedFile index;
    if (index.open(indexPath, ShareMode::Shared) != OpenStatus::Opened)
        _exit(1);
    const std::uint64_t offset = cdx::indexLockOffset(LockProtocol::Clipper);
    WriterFigures figures;
    char stopSignal;
    while (read(stop, &stopSignal, 1) != 1) {
        const auto start = Clock::now();
        int tries = 1;
        while (!index.tryLock(offset, 1) && tries < 100) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ++tries;
        }
        ++figures.changes;
        if (tries == 100) {
            ++figures.failed;
        } else {
            index.unlock(offset, 1);
            figures.waited += tries > 1;
        }
        figures.longest = std::max<std::int64_t>(
            figures.longest, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (write(result, &figures, sizeof figures) != sizeof figures)
        _exit(1);
    _exit(0);
}

void runWithWriter(Company& company, const std::string& indexPath, double seconds)
{
    int stop[2], result[2];
    if (pipe(stop) != 0 || pipe(result) != 0)
        throw std::runtime_error("no pipe");
    fcntl(stop[0], F_SETFL, O_NONBLOCK);
    const pid_t writer = fork();
    if (writer == 0)
        playWriter(indexPath, stop[0], result[1]);
    const auto start = Clock::now();
    int rounds = 0;
    while (std::chrono::duration<double>(Clock::now() - start).count() < seconds) {
        runAll(company, false, false);
        ++rounds;
    }
    if (write(stop[1], "x", 1) != 1)
        throw std::runtime_error("the writer cannot be stopped");
    WriterFigures figures;
    if (read(result[0], &figures, sizeof figures) != sizeof figures)
        figures.longest = -1;
    waitpid(writer, nullptr, 0);
    std::printf("\n%d rounds of every run in %.0f s; a writer taking the index byte of %s:\n"
                "%lld changes, %lld after a wait, %lld never got it; longest wait %.1f ms\n",
                rounds, std::chrono::duration<double>(Clock::now() - start).count(), indexPath.c_str(),
                static_cast<long long>(figures.changes), static_cast<long long>(figures.waited),
                static_cast<long long>(figures.failed), double(figures.longest) / 1000);
}

} // namespace

int main(int argc, char** argv)
{
    bool reindex = false;
    bool statements = false;
    double writerSeconds = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--simulate") == 0 && i + 1 < argc)
            simulateRoundTripDelay(std::chrono::microseconds(std::atoi(argv[++i])));
        else if (std::strcmp(argv[i], "--reindex") == 0)
            reindex = true;
        else if (std::strcmp(argv[i], "--statements") == 0)
            statements = true;
        else if (std::strcmp(argv[i], "--writer") == 0 && i + 1 < argc)
            writerSeconds = std::atof(argv[++i]);
        else {
            std::cerr << "usage: network_share_bench [--simulate MICROSECONDS] [--reindex] [--statements]"
                         " [--writer SECONDS]\n";
            return 2;
        }
    }
    setenv("TARVELA_UNMAPPED", "1", 1);
    try {
        Company company(fs::absolute(bench::companyFolder()).string() + "/");
        std::printf("| %-44s | %9s | %9s | %9s | %8s | %10s | %10s | %10s |\n", "run", "trips", "locks", "reads", "MB read",
                    "own time", "at 0.2 ms", "at 1 ms");
        std::printf("|%s|---:|---:|---:|---:|---:|---:|---:|\n", std::string(46, '-').c_str());
        if (writerSeconds > 0)
            runWithWriter(company, company.data.Faktury.directory() + indexFileOf("Faktury", "0001"),
                          writerSeconds);
        else if (statements)
            runStatements(company);
        else
            runAll(company, true, reindex);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}

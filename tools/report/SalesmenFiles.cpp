#include "SalesmenFiles.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "ReportFileOutput.h"
#include "StatementFileName.h"
#include "commission/ReportTablesOpen.h"
#include "commission/TDataSestavy.h"
#include "platform/Text.h"
#include "platform/AtomicFile.h"
#include "tools/common/TerminalLine.h"

namespace tarvela::tool {

namespace {

ReportSelector selectorOf(ReportKind report)
{
    switch (report) {
    case ReportKind::Disallowed: return ReportSelector::Disallowed;
    case ReportKind::SpecialSettlement: return ReportSelector::SpecialSettlement;
    case ReportKind::Groups: return ReportSelector::Groups;
    default: return ReportSelector::Settlement;
    }
}

class SalesmenRun {
public:
    SalesmenRun(TDataSestavy& sestavy, const ReportToolOptions& options)
        : sestavy_(sestavy), options_(options),
          salesmen_(options.salesmen.empty() ? salesmanCodes(sestavy.data()) : options.salesmen)
    {
        sestavy_.Sestavy.setPreview([this](ReportDocument& generated, int) { pages_ = std::move(generated); });
    }

    bool run()
    {
        std::optional<PdfOutput> pdf;
        if (options_.format == OutputFormat::Pdf)
            pdf.emplace();
        sestavy_.SalesmanStatements(
            selectorOf(options_.report), salesmen_, {options_.from, options_.to},
            [this](const ReportSalesman& salesman, TDataSestavy::StatementOutcome outcome) {
                finished(salesman, outcome);
            },
            [this](std::size_t done, std::size_t total) {
                progress_.show(std::to_string(salesmen_.size()) + " salesmen: " + std::to_string(done) + " of "
                                   + std::to_string(total) + " documents",
                               done != total);
            });
        return allWritten_;
    }

private:
    void finished(const ReportSalesman& salesman, TDataSestavy::StatementOutcome outcome)
    {
        ++salesmanNumber_;
        const std::string who = salesmanLabel(salesman);
        std::optional<ReportDocument> pages = std::exchange(pages_, std::nullopt);
        progress_.clear();
        switch (outcome) {
        case TDataSestavy::StatementOutcome::Unknown:
            fail("Salesman '" + trimmed(salesman.code) + "' not found; no file written");
            break;
        case TDataSestavy::StatementOutcome::Empty: std::cout << who << ": no documents, no file\n"; break;
        case TDataSestavy::StatementOutcome::Made: save(salesman, who, pages); break;
        }
        std::cout.flush();
    }

    void save(const ReportSalesman& salesman, const std::string& who, const std::optional<ReportDocument>& pages)
    {
        const std::string name = statementFileName(salesman, options_, sestavy_.Today());
        const std::string path = (std::filesystem::path(options_.outputDir) / name).string();
        if (const std::string reason = whyImpossibleFileName(name); !reason.empty())
            return fail("Cannot write " + path + ": " + reason);
        if (!pages)
            return fail("Cannot write " + path + ": the report has no pages");
        progress_.show("salesman " + std::to_string(salesmanNumber_) + " of " + std::to_string(salesmen_.size())
                       + ": writing " + name);
        try {
            saveReport(*pages, options_.format, path);
        } catch (const WriteFailed& error) {
            progress_.clear();
            return fail("Cannot write " + path + ": " + error.reason());
        } catch (const std::exception& error) {
            progress_.clear();
            return fail(error.what());
        }
        progress_.clear();
        std::cout << who << ": " << path << "\n";
    }

    void fail(const std::string& message)
    {
        std::cerr << message << "\n";
        allWritten_ = false;
    }

    TDataSestavy& sestavy_;
    const ReportToolOptions& options_;
    const std::vector<std::string> salesmen_;
    std::optional<ReportDocument> pages_;
    TerminalLine progress_;
    std::size_t salesmanNumber_ = 0;
    bool allWritten_ = true;
};

} // namespace

bool writeSalesmenFiles(TDataSestavy& sestavy, const ReportToolOptions& options)
{
    return SalesmenRun(sestavy, options).run();
}

} // namespace tarvela::tool

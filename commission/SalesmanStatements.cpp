// The settlement-type reports of several salesmen from one walk over the
// documents, and where each report takes its documents from.
#include "commission/TDataSestavy.h"

#include "commission/BusyCursor.h"
#include "commission/ReportTablesOpen.h"

namespace tarvela {

namespace {

// The walk's choices, lent to the print handlers while the reports run.
class LentSelections {
public:
    LentSelections(std::vector<SalesmanSelection>*& slot, std::vector<SalesmanSelection>& selections)
        : slot_(slot)
    {
        slot_ = &selections;
    }
    ~LentSelections() { slot_ = nullptr; }
    LentSelections(const LentSelections&) = delete;
    LentSelections& operator=(const LentSelections&) = delete;

private:
    std::vector<SalesmanSelection>*& slot_;
};

} // namespace

void TDataSestavy::SalesmanStatements(ReportSelector selector, const std::vector<std::string>& salesmen,
                                      const SettlementPeriod& period, const StatementFinished& finished,
                                      const DocumentProgress& progress)
{
    const ReportTablesOpen tables(data_);
    std::vector<ReportSalesman> located;
    for (const std::string& code : salesmen)
        if (locateSalesman(data_, code))
            located.push_back(readReportSalesman(data_.Obchodnici));
    std::vector<SalesmanSelection> selections;
    {
        const BusyCursor busy(data_.ui());
        selections = selectDocuments(*this, selector, located, period, Today(), progress);
    }
    const LentSelections lent(passSelections_, selections);
    const ReportRequest request{.selector = selector, .period = period};
    for (const std::string& code : salesmen) {
        // Each report as its own run: the group report closes Obchodnici.
        const ReportTablesOpen own(data_);
        if (!locateSalesman(data_, code)) {
            ReportSalesman unknown;
            unknown.code = code;
            finished(unknown, StatementOutcome::Unknown);
            continue;
        }
        const ReportSalesman salesman = readReportSalesman(data_.Obchodnici);
        const auto chosen = findSelection(selections, salesman.code);
        if (chosen != selections.end() && !chosen->listsDocuments()) {
            selections.erase(chosen);
            finished(salesman, StatementOutcome::Empty);
            continue;
        }
        if (selector == ReportSelector::Groups)
            startGroupReport(selectionFor(request, salesman), request);
        else
            startReport(request);
        finished(salesman, StatementOutcome::Made);
    }
}

SalesmanSelection TDataSestavy::selectionFor(const ReportRequest& request, const ReportSalesman& salesman)
{
    if (passSelections_) {
        auto& lent = *passSelections_;
        const auto chosen = findSelection(lent, salesman.code);
        if (chosen != lent.end()) {
            SalesmanSelection selection = std::move(*chosen);
            lent.erase(chosen);
            return selection;
        }
    }
    return std::move(selectDocuments(*this, request.selector, {salesman}, request.period, Today()).front());
}

} // namespace tarvela

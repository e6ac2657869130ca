// The run of the customer rebate report (report 8): for every invoice of the
// period (credit notes are not read) its sale lines ("004") and trade
// discount lines ("300") from the journal, per salesman and customer, shared
// by the turnover shares of its split records; written to "SestRabatuOdb.txt"
// and, when asked, to a spreadsheet file, then shown by salesman and customer.
#include "commission/TDataSestavy.h"

#include "commission/BusyCursor.h"
#include "commission/ListReportTables.h"
#include "commission/MemTableForRun.h"
#include "commission/MemTableTextExport.h"
#include "commission/MemTableXlsExport.h"
#include "commission/PeriodDocuments.h"
#include "commission/RunProgress.h"
#include "commission/SesMarObr.h"
#include "commission/SplitRecord.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/documents/DocumentJournal.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

const char* const kRebateFileName = "SestRabatuOdb.txt";
const char* const kRebateXlsName = "Sestava rabatu";
const char* const kSaleCode = "004";
const char* const kTradeDiscountCode = "300";
// A sale line without cost still counts, so that its row has a cost.
constexpr double kCostOfFreeLine = 0.0001;

// The sale and discount lines of each invoice, in journal order.
std::vector<std::vector<RebateAmounts>> rebateLinesOf(TData& data, const std::vector<std::string>& invoices)
{
    std::vector<std::vector<RebateAmounts>> lines(invoices.size());
    forEachJournalLineOfDocuments(data, invoices, [&](std::size_t invoice) {
        const std::string operation = withoutTrailingBlanks(data.Denik.asString("DEN_OPE"));
        const double value = -data.Denik.asFloat("DEN_HPC");
        if (operation == kSaleCode) {
            const double cost = -data.Denik.asFloat("DEN_HNC");
            lines[invoice].push_back({true, cost == 0 ? kCostOfFreeLine : cost, value, 0});
        } else if (operation == kTradeDiscountCode) {
            lines[invoice].push_back({false, 0, 0, -value});
        }
    });
    return lines;
}

struct SalesmanShare {
    std::string salesman;
    double share = 1;
};

std::vector<SalesmanShare> sharesOfInvoice(const ListedDocument& invoice, const std::vector<SplitRecord>& splits)
{
    std::vector<SalesmanShare> shares;
    for (const SplitRecord& split : splits)
        shares.push_back({split.salesman, split.turnoverPercent / 100});
    if (shares.empty())
        shares.push_back({invoice.salesman, 1});
    return shares;
}

void addInvoices(TDataSestavy& sestavy, const DocumentBatch& invoices)
{
    TData& data = sestavy.data();
    const std::vector<std::string> numbers = numbersOf(invoices);
    const std::vector<std::vector<RebateAmounts>> lines = rebateLinesOf(data, numbers);
    const std::vector<std::vector<SplitRecord>> splits =
        splitRecordsOfDocuments(data.DelProv, indexFileOf("DelProv", data.settings().companyNumber), numbers);
    for (std::size_t i = 0; i < invoices.size(); ++i)
        for (const SalesmanShare& share : sharesOfInvoice(invoices[i], splits[i]))
            addToSesMarObr(sestavy.SesMarObr, share.salesman, invoices[i].customerId, invoices[i].customerName,
                           lines[i], share.share);
}

} // namespace

void TDataSestavy::SestObratuOdberatelu(const ReportRequest& asked)
{
    ReportRequest request = asked;
    request.selector = ReportSelector::CustomerRebate;
    const MemTableForRun rows(SesMarObr);
    SesMarObr.selectIndex("OBC");
    {
        const ListReportTables tables(*this);
        const RunProgress progress(data_.ui(), kPreparingReportData);
        forEachDocumentOfPeriod(SesFak, request, IssueDateSource::DvsField, data_.ui(),
                                [this](const DocumentBatch& invoices) { addInvoices(*this, invoices); });
        exportToTextFile(SesMarObr, std::filesystem::path(DocumentsFolder()) / kRebateFileName);
    }
    if (request.exportXls && !SesMarObr.isEmpty()) {
        const BusyCursor busy(data_.ui());
        exportToXlsFile(SesMarObr, datedXlsPath(DocumentsFolder(), kRebateXlsName, Today()), data_.ui());
    }
    SesMarObr.selectIndex("OBC");
    SesMarObr.first();
    startReport(request);
}

} // namespace tarvela

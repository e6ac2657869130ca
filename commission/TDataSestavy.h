// The report module: the report parameters that the dialogs set and the print
// handlers read, the memory tables of the reports, and the commission of one
// document. It uses the tables of the data module, which must outlive it.
// Report parameters and memory tables keep their contents from run to run.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commission/OperationCodes.h"
#include "commission/ReportRequest.h"
#include "commission/SalesmanSelection.h"
#include "commission/SesFakMem.h"
#include "commission/SesMarObr.h"
#include "commission/SesObchod.h"
#include "commission/SesProvSkup.h"
#include "data/mem/MemTable.h"
#include "data/company/TData.h"
#include "platform/Date.h"
#include "platform/UserEnvironment.h"
#include "report/TReportSystem.h"

namespace tarvela {

class CommissionCardIndex;

class TDataSestavy {
public:
    explicit TDataSestavy(TData& data);
    TDataSestavy(const TDataSestavy&) = delete;
    TDataSestavy& operator=(const TDataSestavy&) = delete;

    TData& data() { return data_; }

    // One row per card and variant of the documents computed since it was
    // last emptied; callers empty it when they want one document only.
    MemTable DokladObsahFak;

    // The commission of one salesman on one document at product-group rates,
    // added to DokladObsahFak. DelProv must be open. issueDate is HLA_DVS.
    void GetDokladPro(const std::string& document, const std::string& salesCodes, DayNumber issueDate,
                      const std::string& salesman, const std::string& tradeDiscountCodes,
                      const std::string& quantityDiscountCodes, const std::string& specialDiscountCodes);
    // The same at the rates of the salesman's commission cards; lines of cards
    // without one are left out.
    void GetDokladProKar(const std::string& document, const std::string& salesCodes, DayNumber issueDate,
                         const std::string& salesman, const std::string& tradeDiscountCodes,
                         const std::string& quantityDiscountCodes, const std::string& specialDiscountCodes);
    // Whether a card of the document has a commission card of the salesman.
    bool Zarad(const std::string& document, const std::string& salesman);
    // Its two halves, for a pass that asks for many salesmen: the cards
    // (DEN_KAV) of the document's journal lines, and whether the salesman
    // has a commission card for the card.
    std::vector<std::string> DocumentCards(const std::string& document);
    bool HasCommissionCard(const std::string& salesman, const std::string& card);
    // Paid sum and latest payment date (0 without payments) of a document.
    double GetPlacenoFaktura(const std::string& document, DayNumber& paymentDate);

    // While one lives, Zarad and GetDokladProKar search the commission cards
    // through it instead of attaching their index file for every document:
    // a pass over every invoice would otherwise open the file as often.
    class CardIndexForPass {
    public:
        explicit CardIndexForPass(TDataSestavy& sestavy);
        ~CardIndexForPass();
        CardIndexForPass(const CardIndexForPass&) = delete;
        CardIndexForPass& operator=(const CardIndexForPass&) = delete;

    private:
        TDataSestavy& sestavy_;
        std::unique_ptr<CommissionCardIndex> cards_;
    };

    // ---- Commission settlement reports (SettlementRuns.cpp, SesProvSku.cpp,
    // SesProvCel.cpp, print/SestavyPrint.cpp). A run prepares its tables, then
    // starts Sestavy with its request, and the print handler draws the report
    // the request selects.
    TReportSystem Sestavy;
    // Commission by salesman and product group (selector 2), or by salesman
    // alone (selector 3).
    MemTable SesProvSkup = makeSesProvSkup();
    // The day the reports call today and the folder of the export files;
    // the command line and the tests fix them.
    std::function<DayNumber()> Today = [] { return today(); };
    std::function<std::string()> DocumentsFolder = [] { return documentsFolder(); };
    // The moment the page footers of the invoice overview show.
    std::function<double()> Now = [] { return nowDateTime(); };

    void SesProvObch(const std::string& salesman, DayNumber from, DayNumber to);
    void SesProvObchKar(const std::string& salesman, DayNumber from, DayNumber to);
    void SesNepProvObch(const std::string& salesman);
    void SesProvSku(const std::string& salesman, DayNumber from, DayNumber to);
    void SesProvCel(DayNumber from, DayNumber to);

    // ---- The same reports for several salesmen (SalesmanStatements.cpp).
    enum class StatementOutcome { Made, Empty, Unknown };
    using StatementFinished = std::function<void(const ReportSalesman&, StatementOutcome)>;
    // The settlement, card-rate, disallowed or group report of each salesman
    // from one walk over the documents: each report with documents is
    // started as the salesman's own run starts it, one after another in the
    // order given, and `finished` is told after each salesman, also when he
    // has no documents (no report) or is not in Obchodnici (only his code is
    // known then).
    void SalesmanStatements(ReportSelector selector, const std::vector<std::string>& salesmen,
                            const SettlementPeriod& period, const StatementFinished& finished,
                            const DocumentProgress& progress = {});
    // The documents of the salesman's report of the request: those chosen
    // for him by the walk of SalesmanStatements, else chosen now for him alone.
    SalesmanSelection selectionFor(const ReportRequest& request, const ReportSalesman& salesman);

    // ---- List reports (SesPrehFak.cpp, SestProdejce.cpp,
    // SestObratuOdberatelu.cpp). Each collects its rows into its memory
    // table, writes its export files and shows the report; the request
    // carries the dialog's choices, the run sets the selector.
    // The report module's own cursors over the invoice and credit-note files
    // (ListReportTables opens and closes them).
    DbfTable SesFak, SesDob;
    MemTable SesObchod = makeSesObchod();
    MemTable SesFakMem = makeSesFakMem();
    MemTable SesMarObr = makeSesMarObr();
    void SesPrehFak(const ReportRequest& request);
    void SestProdejce(const ReportRequest& request);
    void SestObratuOdberatelu(const ReportRequest& request);

    void SestavyBeforePrint(TBaseReport& sender);
    void SestavyPrint(TBaseReport& sender);
    // Connects the print handlers and runs the report system for the request.
    void startReport(const ReportRequest& request);
    // The request of the report being printed, or printed last.
    const ReportRequest& request() const { return request_; }

private:
    // The pass's card index, else own, made for this call only.
    CommissionCardIndex& cardIndex(std::optional<CommissionCardIndex>& own);
    // Sums the salesman's documents by group into SesProvSkup and starts the
    // group report on them.
    void startGroupReport(SalesmanSelection selection, const ReportRequest& request);

    TData& data_;
    ReportRequest request_;
    CommissionCardIndex* passCards_ = nullptr;
    std::vector<SalesmanSelection>* passSelections_ = nullptr;
};

} // namespace tarvela

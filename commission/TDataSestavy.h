// The report module: the report parameters that the dialogs set and the print
// handlers read, the memory tables of the reports, and the commission of one
// document. It uses the tables of the data module, which must outlive it.
// Report parameters and memory tables keep their contents from run to run.
#pragma once

#include <functional>
#include <string>

#include "commission/OperationCodes.h"
#include "commission/SesProvSkup.h"
#include "data/MemTable.h"
#include "data/TData.h"
#include "platform/Date.h"
#include "platform/UserEnvironment.h"
#include "report/TReportSystem.h"

namespace tarvela {

class TDataSestavy {
public:
    explicit TDataSestavy(TData& data);
    TDataSestavy(const TDataSestavy&) = delete;
    TDataSestavy& operator=(const TDataSestavy&) = delete;

    TData& data() { return data_; }

    // Report parameters.
    int ReportSelector = 0;       // 1 settlement ... 8 customer rebate
    DayNumber PeriodFrom = 0;     // first day of the period, inclusive
    DayNumber PeriodTo = 0;       // last day of the period, inclusive
    int DateBasis = 0;            // 0 issue date, 1 taxable supply, 2 due date
    int PaymentFilter = 0;        // 0 all documents, 1 paid only, 2 unpaid only
    bool SalesmanFilterOn = false;
    std::string SalesmanFilter;   // salesman code, trimmed
    bool ExportXls = false;       // also write the spreadsheet file

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
    // Paid sum and latest payment date (0 without payments) of a document.
    double GetPlacenoFaktura(const std::string& document, DayNumber& paymentDate);

    // ---- Commission settlement reports (SettlementRuns.cpp, SesProvSku.cpp,
    // SesProvCel.cpp, SestavyPrint.cpp). A run prepares its tables and the
    // report parameters, then starts Sestavy, whose print handler draws the
    // report selected by ReportSelector.
    TReportSystem Sestavy;
    // Commission by salesman and product group (selector 2), or by salesman
    // alone (selector 3).
    MemTable SesProvSkup = makeSesProvSkup();
    // The day the reports call today and the folder of the export files;
    // the command line and the tests fix them.
    std::function<DayNumber()> Today = [] { return today(); };
    std::function<std::string()> DocumentsFolder = [] { return documentsFolder(); };

    void SesProvObch(const std::string& salesman, DayNumber from, DayNumber to);
    void SesProvObchKar(const std::string& salesman, DayNumber from, DayNumber to);
    void SesNepProvObch(const std::string& salesman);
    void SesProvSku(const std::string& salesman, DayNumber from, DayNumber to);
    void SesProvCel(DayNumber from, DayNumber to);
    void SestavyBeforePrint(TBaseReport& sender);
    void SestavyPrint(TBaseReport& sender);

private:
    TData& data_;
};

} // namespace tarvela

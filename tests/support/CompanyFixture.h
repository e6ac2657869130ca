// A small company for tests: Merkan.ini and real DBF tables with the layouts
// the program binds, filled with the rows a test adds, and their CDX index
// files built with the tags of the index catalogue. Add rows, then call
// data() (which writes the files once) and work on the returned TData.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "RecordingUi.h"
#include "TempDir.h"
#include "data/dbf/FieldValue.h"
#include "data/company/TData.h"

namespace tarvela::test {

using Row = std::map<std::string, FieldValue>;

class CompanyFixture {
public:
    // priceBasis 2: ZakladniCenySDPH=Ano, 1: =Ne.
    explicit CompanyFixture(int priceBasis = 2);
    ~CompanyFixture();

    // A row of the TData member's table; fields not given stay blank.
    void add(const std::string& member, const Row& row);
    // Writes the tables and indexes on the first call, then creates TData.
    TData& data();

    RecordingUi ui;

    const TempDir& folder() const { return folder_; }
    std::string dataDirectory() const;

    // Journal line of a document, stored as the sibling system stores it.
    void addJournalLine(const std::string& document, const std::string& card, const std::string& operation,
                        int quantity, double value, double cost = 0, double vatRate = 19,
                        const std::string& variant = "");
    void addCard(const std::string& card, const std::string& name, const std::string& group,
                 const std::string& groupBefore2007 = "");
    void addGroup(const std::string& group, double rate);
    void addSalesman(const std::string& code, double discountLimit, double reductionCoefficient, int paymentLimit = 30);
    void addSplit(const std::string& document, const std::string& salesman, double commissionShare,
                  double turnoverShare, const std::string& type = "001", double fixedRate = 0);
    void addPayment(const std::string& document, double amount, DayNumber date);
    void addDiscount(const std::string& document, double amount, double vatRate, bool reducesVatBase,
                     bool spreadIntoItems);
    void addCommissionCard(const std::string& salesman, const std::string& card, double rate);
    void addInvoiceHeader(const std::string& document, const std::string& salesman = "");
    void addCreditNoteHeader(const std::string& document, const std::string& salesman = "");

private:
    void writeFiles();

    TempDir folder_;
    int priceBasis_;
    std::map<std::string, std::vector<Row>> rows_;
    std::unique_ptr<TData> data_;
};

} // namespace tarvela::test

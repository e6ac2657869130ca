// A small company for the settlement report tests, with documents whose
// payment dates, delays, splits and commissions are known, and a report
// module whose report system captures the pages instead of showing them.
// Today is fixed to 15.04.2026 and numbers print with a decimal comma.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "commission/TDataSestavy.h"
#include "report/PlainTextWriter.h"
#include "platform/RegionalSettings.h"
#include "support/CompanyFixture.h"

namespace tarvela::test {

inline DayNumber day(int d, int m, int y = 2026)
{
    return toDayNumber({y, m, d});
}

inline const DayNumber kToday = day(15, 4);
inline const DayNumber kMarchFrom = day(1, 3);
inline const DayNumber kMarchTo = day(31, 3);

class SettlementCompany {
public:
    SettlementCompany()
    {
        company.addGroup("G10", 10);
        company.addGroup("G20", 5);
        company.addCard("K1", "Vrtačka příklepová s kufrem a sadou vrtáků", "G10");
        company.addCard("K2", "Pilka", "G20");
        company.addCard("K3", "Drobnosti", "G10");
    }

    void salesman(const std::string& code, int paymentLimit = 30)
    {
        company.addSalesman(code, 22, 0.5, paymentLimit);
    }

    void invoice(const std::string& number, const std::string& salesman, DayNumber due, double total)
    {
        company.add("Faktury", {{"HLA_DO1", number}, {"HLA_OBC", salesman}, {"HLA_NAC", "Odběratel " + number},
                                {"HLA_DVS", DateValue{day(1, 2)}}, {"HLA_DSP", DateValue{due}}, {"HLA_CUH", total}});
    }

    void creditNote(const std::string& number, const std::string& invoice, const std::string& salesman,
                    DayNumber due, double total)
    {
        company.add("Dobropisy", {{"HLA_DO1", number}, {"HLA_DO2", invoice}, {"HLA_OBC", salesman},
                                  {"HLA_NAC", "Odběratel " + number}, {"HLA_DVS", DateValue{day(1, 2)}},
                                  {"HLA_DSP", DateValue{due}}, {"HLA_CUH", total}});
    }

    // A sale on an invoice, stored as goods leaving the store.
    void sale(const std::string& document, const std::string& card, double value)
    {
        company.addJournalLine(document, card, "004", -1, -value);
    }

    // A return on a credit note, stored as goods coming back.
    void giveBack(const std::string& document, const std::string& card, double value)
    {
        company.addJournalLine(document, card, "008", 1, value);
    }

    void payment(const std::string& document, double amount, DayNumber date)
    {
        company.addPayment(document, amount, date);
    }

    // Salesmen S2, S1, S3 (no documents) and S4 (one credit note), limit 30
    // days, and the documents of March 2026 that the report tests look at:
    //   F001 S1 paid on the first day of the period; K1 1000 and K3 0.1
    //   F002 S1 paid on the last day; K1 2000 less 200 trade discount
    //   F003 S1 paid exactly 30 days late; F004 S1 (K2 400) paid early
    //   F005 S1 paid in two instalments, the later in March
    //   F006 S2 split 40 % to S1 and 60 % to S2; F007 S1 split 0 % to S1
    //   F008 S2 with a split for the longer number F0081 to S1; has K2 100
    //   F009 S1 paid in April, F010 S1 in February
    //   F011 S1 not paid in full, F012 S1 paid 73 days late
    //   D001 S1 credit note of F001 paid in March; K1 100 and K3 0.2 back
    //   D002 S4 credit note paid in March; K1 50 back
    // S1 has a commission card for K2 at 3 %.
    void addMarchDocuments()
    {
        salesman("S2");
        salesman("S1");
        salesman("S3");
        salesman("S4");
        paidInvoice("F001", "S1", day(1, 3), 1100.1, day(1, 3));
        sale("F001", "K1", 1000);
        sale("F001", "K3", 0.1);
        paidInvoice("F002", "S1", day(15, 3), 2000, day(31, 3));
        sale("F002", "K1", 2000);
        company.addJournalLine("F002", "K1", "300", 0, 200);
        paidInvoice("F003", "S1", day(1, 2), 300, day(3, 3));
        sale("F003", "K1", 300);
        paidInvoice("F004", "S1", day(20, 3), 400, day(10, 3));
        sale("F004", "K2", 400);
        invoice("F005", "S1", day(1, 3), 500);
        payment("F005", 200, day(20, 2));
        payment("F005", 300, day(5, 3));
        sale("F005", "K1", 500);
        paidInvoice("F006", "S2", day(1, 3), 1000, day(10, 3));
        sale("F006", "K1", 1000);
        company.addSplit("F006", "S1", 40, 50);
        company.addSplit("F006", "S2", 60, 50);
        paidInvoice("F007", "S1", day(1, 3), 700, day(10, 3));
        sale("F007", "K1", 700);
        company.addSplit("F007", "S1", 0, 0);
        paidInvoice("F008", "S2", day(1, 3), 900, day(10, 3));
        sale("F008", "K1", 800);
        sale("F008", "K2", 100);
        company.addSplit("F0081", "S1", 100, 100);
        paidInvoice("F009", "S1", day(1, 4), 900, day(1, 4));
        sale("F009", "K1", 900);
        paidInvoice("F010", "S1", day(1, 2), 100, day(28, 2));
        sale("F010", "K1", 100);
        invoice("F011", "S1", day(1, 3), 1190);
        payment("F011", 1000, day(10, 3));
        sale("F011", "K1", 1000);
        paidInvoice("F012", "S1", day(1, 1), 600, day(15, 3));
        sale("F012", "K2", 600);
        creditNote("D001", "F001", "S1", day(10, 3), 100);
        payment("D001", 100, day(12, 3));
        giveBack("D001", "K1", 100);
        giveBack("D001", "K3", 0.2);
        creditNote("D002", "F099", "S4", day(10, 3), 50);
        payment("D002", 50, day(11, 3));
        giveBack("D002", "K1", 50);
        company.addCommissionCard("S1", "K2", 3);
    }

    void paidInvoice(const std::string& number, const std::string& salesman, DayNumber due, double total,
                     DayNumber paid)
    {
        invoice(number, salesman, due, total);
        payment(number, total, paid);
    }

    CompanyFixture company;
};

// The report module of a test company with today and the documents folder
// fixed and the report's pages kept.
class ReportSession {
public:
    explicit ReportSession(CompanyFixture& company) : sestavy(company.data())
    {
        setDecimalSeparator(',');
        sestavy.Today = [] { return kToday; };
        sestavy.DocumentsFolder = [&company] { return company.folder().str(); };
        sestavy.Sestavy.setPreview([this](const ReportDocument& generated, int) { pages = generated; });
    }

    std::string text() const { return pages ? plainText(*pages) : std::string(); }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream in(text());
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    // The values after a label such as "Číslo faktury ", in report order.
    std::vector<std::string> valuesAfter(const std::string& label) const
    {
        std::vector<std::string> values;
        for (const std::string& line : lines())
            if (line.starts_with(label + "\t"))
                values.push_back(line.substr(label.size() + 1));
        return values;
    }

    bool hasLine(const std::string& line) const
    {
        const std::vector<std::string> all = lines();
        return std::find(all.begin(), all.end(), line) != all.end();
    }

    TDataSestavy sestavy;
    std::optional<ReportDocument> pages;
};

} // namespace tarvela::test

// The keys the search dialogs seek, and the nearest-key seek on real tags
// with Czech names in the collation order.
#include <gtest/gtest.h>

#include "data/documents/DocumentSearch.h"
#include "data/table/ScopedTableOpen.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using namespace tarvela::test;

TEST(DocumentSearch, InvoiceKeysAreTrimmedCompletedAndUpperCased)
{
    EXPECT_EQ(invoiceSearchKey(InvoiceSearch::Number, " 123 ", "F000000456").key, "F000000123");
    EXPECT_EQ(invoiceSearchKey(InvoiceSearch::Number, "F000000999", "F001").key, "F000000999");
    const SearchKey name = invoiceSearchKey(InvoiceSearch::CustomerName, "  čermák ", "");
    EXPECT_EQ(name.tag, "NAC");
    EXPECT_EQ(name.key, "ČERMÁK");
    EXPECT_EQ(invoiceSearchKey(InvoiceSearch::OrderNumber, " O1 ", "").tag, "DO2");
    EXPECT_EQ(invoiceSearchKey(InvoiceSearch::ProformaNumber, " P1 ", "").key, "P1");
    EXPECT_EQ(stockSearchKey(StockSearch::Card, "000123 ").key, "000123 ") << "journal texts are sought as typed";
}

TEST(DocumentSearch, NearestSeekFollowsTheCzechCollation)
{
    CompanyFixture company;
    const char* names[] = {"Dvořák", "Cibulka", "Čermák", "Chalupa", "Hora"};
    for (int i = 0; i < 5; ++i)
        company.add("Faktury", {{"HLA_DO1", "F0000" + std::to_string(i)}, {"HLA_NAC", std::string(names[i])},
                                {"HLA_DO2", "O" + std::to_string(i)}, {"HLA_DO3", "P" + std::to_string(i)}});
    TData& data = company.data();
    ScopedTableOpen invoices(data, data.Faktury, "DO1");
    const auto found = [&](InvoiceSearch search, const std::string& text) {
        seekNearest(data.Faktury, invoiceSearchKey(search, text, "F00004"));
        return data.Faktury.eof() ? std::string("<end>") : data.Faktury.asString("HLA_NAC");
    };
    EXPECT_EQ(found(InvoiceSearch::CustomerName, "č"), "Čermák");
    EXPECT_EQ(found(InvoiceSearch::CustomerName, "d"), "Dvořák");
    EXPECT_EQ(data.Faktury.activeTag(), "NAC") << "the tag stays";
    EXPECT_EQ(found(InvoiceSearch::Number, "2"), "Čermák");
    EXPECT_EQ(found(InvoiceSearch::OrderNumber, "O3"), "Chalupa");
    EXPECT_EQ(found(InvoiceSearch::ProformaNumber, "P9"), "<end>");
}

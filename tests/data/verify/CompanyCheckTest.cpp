// The company data check on a small company whose headers the program's own
// operations filled in: clean at either price basis, and each fault planted
// afterwards through the table layer is found exactly once.
#include <gtest/gtest.h>

#include "support/CompanyFixture.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/company/TData.h"
#include "data/documents/PaymentStatus.h"
#include "data/table/ScopedTableOpen.h"
#include "data/verify/CompanyCheck.h"

namespace tarvela {
namespace {

using test::CompanyFixture;

const DayNumber kMarch = toDayNumber({2025, 3, 10});
const DayNumber kApril = toDayNumber({2025, 4, 2});

// Totals worth checking: one card at two rates, a variant, a line at the zero
// rate, every kind of discount, a credit note; payments in instalments, an
// unpaid and an overpaid document, a split document.
void fillCompany(CompanyFixture& company)
{
    company.addSalesman("A", 10, 1);
    company.addSalesman("B", 10, 1);
    company.addGroup("G1", 5);
    company.addCard("K1", "Karta 1", "G1", "G1");
    company.addCard("K2", "Karta 2", "G1", "G1");
    company.addCommissionCard("A", "K1", 3);
    for (const char* number : {"F10", "F20", "F30", "F40", "F50"})
        company.addInvoiceHeader(number, number == std::string("F20") || number == std::string("F40") ? "B" : "A");
    company.addCreditNoteHeader("D10", "A");
    company.addJournalLine("F10", "K1", "004", -2, -1000.40, -800, 19);
    company.addJournalLine("F10", "K2", "004", -1, -333.33, -200, 5, "V1");
    company.addJournalLine("F10", "K1", "004", -1, -99.99, -50, 5);
    company.addJournalLine("F10", "K2", "004", -1, -10.00, -5, 0);
    company.addDiscount("F10", 100, 19, true, false);
    company.addDiscount("F10", 20, 19, false, false);
    company.addDiscount("F10", 7, 19, false, true);
    company.addDiscount("F10", 30, 5, true, true);
    company.addPayment("F10", 600, kMarch);
    company.addPayment("F10", 1000, kApril);
    for (const char* number : {"F20", "F30", "F40", "F50"})
        company.addJournalLine(number, "K2", "004", -3, -412.17, -300, 19);
    company.addPayment("F20", 2000, kMarch);
    company.addSplit("F30", "A", 60, 50);
    company.addSplit("F30", "B", 40, 50);
    company.addJournalLine("D10", "K1", "008", 1, 250.55, 200, 19);
    company.addPayment("D10", 100, kApril);
}

// What the header recomputation and the payments screen leave in a header.
void recomputeHeaders(TData& data)
{
    for (auto [table, kind] : {std::pair{&data.Faktury, kInvoiceKind}, std::pair{&data.Dobropisy, kCreditNoteKind}}) {
        ScopedTableOpen open(data, *table, "DO1");
        for (table->first(); !table->eof(); table->next()) {
            const std::string number = table->asString("HLA_DO1");
            data.OpravaHlavicky(number, kind);
            DayNumber lastPayment = 0;
            const double paid = data.GetPlacenoFaktura(number, lastPayment);
            table->edit();
            table->setFloat("HLA_BPL", paid);
            table->setDate("HLA_BDP", lastPayment);
            table->setBool("HLA_PLA", isPaidInFull(paid, table->asFloat("HLA_CUH")));
            table->post();
        }
    }
}

// Changes the first record whose field holds value; with the table's index
// files kept up to date unless behindIndex.
void change(TData& data, DbfTable& table, const std::string& field, const std::string& value,
            const std::function<void()>& edit, bool behindIndex = false)
{
    std::optional<ScopedTableOpen> open;
    if (behindIndex)
        open.emplace(table);
    else
        open.emplace(data, table, "");
    ASSERT_TRUE(table.locate({field}, {value})) << field << " " << value;
    table.edit();
    edit();
    table.post();
}

void append(TData& data, DbfTable& table, const std::function<void()>& fill)
{
    ScopedTableOpen open(data, table, "");
    table.append();
    fill();
    table.post();
}

std::string fileOf(const std::string& member)
{
    return tableFileOf(member, "0001") + ".DBF";
}

struct Expected {
    FindingKind kind;
    std::string file;
    std::string where;
};

TEST(CompanyCheck, RecomputedCompanyIsCleanAtEitherPriceBasis)
{
    for (const int priceBasis : {1, 2}) {
        CompanyFixture company(priceBasis);
        fillCompany(company);
        TData& data = company.data();
        recomputeHeaders(data);
        const Findings findings = checkCompany(data);
        for (const Finding& finding : findings)
            ADD_FAILURE() << "price basis " << priceBasis << ": " << kindName(finding.kind) << " " << finding.file
                          << " " << finding.where << " " << finding.detail;
        EXPECT_TRUE(company.ui.messages.empty());
    }
}

TEST(CompanyCheck, FindsEachPlantedFaultOnce)
{
    CompanyFixture company;
    fillCompany(company);
    TData& data = company.data();
    recomputeHeaders(data);

    change(data, data.Denik, "DEN_DOK", "F10", [&] { data.Denik.setFloat("DEN_HPC", -1100.40); });
    change(data, data.Faktury, "HLA_DO1", "F20", [&] { data.Faktury.setDate("HLA_BDP", kApril); });
    change(data, data.Dobropisy, "HLA_DO1", "D10", [&] { data.Dobropisy.setBool("HLA_PLA", true); });
    append(data, data.Vypisy, [&] {
        data.Vypisy.setString("VYP_DO1", "F1");  // the start of F10 is no document
        data.Vypisy.setFloat("VYP_HOD", 50);
    });
    append(data, data.FaktSlevy, [&] {
        data.FaktSlevy.setString("FAS_FAK", "F60");
        data.FaktSlevy.setFloat("FAS_SLE", 10);
    });
    append(data, data.DelProv, [&] {
        data.DelProv.setString("DPR_FAK", "F70");
        data.DelProv.setString("DPR_OBC", "A");
    });
    change(data, data.DelProv, "DPR_OBC", "B", [&] { data.DelProv.setFloat("DPR_PRO", 30); });
    change(data, data.Faktury, "HLA_DO1", "F40", [&] { data.Faktury.setString("HLA_OBC", "ZZZ"); });
    append(data, data.DelProv, [&] {
        data.DelProv.setString("DPR_FAK", "F50");
        data.DelProv.setString("DPR_OBC", "YYY");
        data.DelProv.setFloat("DPR_OBR", 100);
    });
    append(data, data.Sortiment, [&] { data.Sortiment.setString("SOR_KAV", "K8"); });
    append(data, data.Sortiment, [&] {
        data.Sortiment.setString("SOR_KAV", "K9");
        data.Sortiment.setString("SOR_SKU", "QQQ");
    });
    change(data, data.ProvKar, "PRK_KAR", "K1", [&] { data.ProvKar.setString("PRK_KAR", "K7"); }, true);

    const Findings findings = checkCompany(data);
    const std::vector<Expected> expected{
        {FindingKind::Totals, fileOf("Faktury"), "F10"},
        {FindingKind::PaidState, fileOf("Faktury"), "F20"},
        {FindingKind::PaidState, fileOf("Dobropisy"), "D10"},
        {FindingKind::MissingDocument, fileOf("Vypisy"), "F1"},
        {FindingKind::MissingDocument, fileOf("FaktSlevy"), "F60"},
        {FindingKind::MissingDocument, fileOf("DelProv"), "F70"},
        {FindingKind::SplitShares, fileOf("DelProv"), "F30"},
        {FindingKind::UnknownSalesman, fileOf("Faktury"), "F40"},
        {FindingKind::UnknownSalesman, fileOf("DelProv"), "F50"},
        {FindingKind::CardGroup, fileOf("Sortiment"), "K8"},
        {FindingKind::CardGroup, fileOf("Sortiment"), "K9"},
        {FindingKind::Index, indexFileOf("ProvKar", "0001"), "tag KOD"},
    };
    ASSERT_EQ(findings.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(findings[i].kind, expected[i].kind) << i;
        EXPECT_EQ(findings[i].file, expected[i].file) << i;
        EXPECT_EQ(findings[i].where, expected[i].where) << i << " " << findings[i].detail;
    }
    EXPECT_NE(findings[0].detail.find("HLA_CUH"), std::string::npos) << findings[0].detail;
    EXPECT_EQ(findings[1].detail.find("HLA_BPL"), std::string::npos) << findings[1].detail;
    EXPECT_NE(findings[1].detail.find("HLA_BDP"), std::string::npos) << findings[1].detail;
    EXPECT_NE(findings[2].detail.find("HLA_PLA"), std::string::npos) << findings[2].detail;
    EXPECT_EQ(findings[6].detail, "DPR_PRO add up to 90.00 %");
    EXPECT_NE(findings[9].detail.find("blank"), std::string::npos);
    EXPECT_NE(findings[10].detail.find("QQQ"), std::string::npos);
}

} // namespace
} // namespace tarvela

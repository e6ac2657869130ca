// The commission summary of all salesmen (report 3), its text file, and its
// agreement with the group report and the settlement.
#include <gtest/gtest.h>

#include <filesystem>

#include "SettlementFixture.h"
#include "platform/Error.h"
#include "platform/WholeFile.h"

namespace tarvela {
namespace {

using test::kMarchFrom;
using test::kMarchTo;
using test::ReportSession;
using test::SettlementCompany;

using Values = std::vector<std::string>;

class SummaryReport : public ::testing::Test {
protected:
    SummaryReport()
    {
        company.addMarchDocuments();
        session.emplace(company.company);
    }

    std::filesystem::path exportFile() const { return company.company.folder() / "PrehledProvizeSouhrn.txt"; }

    SettlementCompany company;
    std::optional<ReportSession> session;
};

TEST_F(SummaryReport, OneLinePerSalesmanWithDocumentsInSalesmanOrder)
{
    session->sestavy.SesProvCel(kMarchFrom, kMarchTo);
    // S2: 60 % of F006 (1000, 60) and F008 (800 + 100, 80 + 5). S3 has no
    // documents; S4 only a credit note.
    EXPECT_EQ(session->lines(),
              (Values{"Souhrnná sestava provizí z faktur uhrazených v období od 01.03.2026 do 31.03.2026",
                      "Obchodník\tCelk.zakl.\tProv Kč", "S2\tObchodník S2\t     1900,00\t      145,00",
                      "S1\tObchodník S1\t     4599,90\t      379,99", "S4\tObchodník S4\t      -50,00\t       -5,00",
                      "Celkem\t     6449,90\t      519,99"}));
}

TEST_F(SummaryReport, WritesTheTextFileInCodePage1250WithDecimalPoints)
{
    session->sestavy.SesProvCel(kMarchFrom, kMarchTo);
    // Price-list values: S1's F002 counts 2000 before its trade discount.
    const std::string expected = "\"Obchodnik\",\"Skupina\",\"Soucet CC\",\"Prov v K\xE8\",\"Cel.PC\",\r\n"
                                 "\"S2\",\"000\",\"1900\",\"145\",\"1900\",\r\n"
                                 "\"S1\",\"000\",\"4799.9\",\"379.99\",\"4599.9\",\r\n"
                                 "\"S4\",\"000\",\"-50\",\"-5\",\"-50\",\r\n";
    EXPECT_EQ(readWholeFile(exportFile()), expected);
}

TEST_F(SummaryReport, AgreesWithTheGroupReportAndTheSettlementApartFromHiddenRows)
{
    session->sestavy.SesProvCel(kMarchFrom, kMarchTo);
    const std::string summaryLine = session->lines()[3];
    session->sestavy.SesProvSku("S1", kMarchFrom, kMarchTo);
    const std::string groupSum = session->lines().back();
    session->sestavy.SesProvObch("S1", kMarchFrom, kMarchTo);
    const std::string settlementSum = session->lines().back();
    EXPECT_EQ(summaryLine, "S1\tObchodník S1\t     4599,90\t      379,99");
    EXPECT_EQ(groupSum, "Celkem\t     4599,90\t      379,99");
    // The settlement leaves out F001's row of 0.1 and its commission of 0.01.
    EXPECT_EQ(settlementSum, "Celková částka provize \t      379,98");
}

TEST_F(SummaryReport, ReplacesAnEarlierFileAndKeepsItWhenTheFolderCannotBeWritten)
{
    writeWholeFile(exportFile(), "old");
    session->sestavy.SesProvCel(test::day(1, 6), test::day(30, 6));
    EXPECT_EQ(readWholeFile(exportFile()), "\"Obchodnik\",\"Skupina\",\"Soucet CC\",\"Prov v K\xE8\",\"Cel.PC\",\r\n");
    EXPECT_EQ(session->lines().back(), "Celkem\t        0,00\t        0,00");

    session->pages.reset();
    const std::string missing = (company.company.folder() / "missing").string();
    session->sestavy.DocumentsFolder = [missing] { return missing; };
    EXPECT_THROW(session->sestavy.SesProvCel(kMarchFrom, kMarchTo), Error);
    EXPECT_FALSE(session->pages.has_value());
    EXPECT_FALSE(company.company.data().Faktury.isOpen());
}

} // namespace
} // namespace tarvela

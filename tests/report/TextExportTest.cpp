// The comma-separated text export: quoting, numbers, dates, code page and
// whole-file writing.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Date.h"
#include "platform/Error.h"
#include "platform/RegionalSettings.h"
#include "report/TextExport.h"
#include "support/FaultSweep.h"
#include "platform/WholeFile.h"
#include "support/TempDir.h"

namespace tarvela {
namespace {

TEST(TextExportFormat, QuotesValuesDoublesInnerQuotesAndEndsEveryLineWithACommaAndCrLf)
{
    ExportTable table{{"Název", "Kč"}, {{std::string("Firma \"Ocel\" s.r.o."), 1234.5}}};
    EXPECT_EQ(textExportBytes(table), "\"N\xE1zev\",\"K\xE8\",\r\n\"Firma \"\"Ocel\"\" s.r.o.\",\"1234.5\",\r\n");
}

TEST(TextExportFormat, EmptyTableGivesTheHeaderLineOnly)
{
    EXPECT_EQ(textExportBytes({{"A"}, {}}), "\"A\",\r\n");
}

TEST(TextExportFormat, EmptyValuesAreWrittenAsNothing)
{
    ExportTable table{{"A", "B", "C"}, {{std::monostate{}, std::string(), std::monostate{}}}};
    EXPECT_EQ(textExportBytes(table), "\"A\",\"B\",\"C\",\r\n,\"\",,\r\n");
}

TEST(TextExportFormat, NumbersUseADecimalPointWhateverTheRegionalSettings)
{
    setDecimalSeparator(',');
    EXPECT_EQ(exportNumber(1234.5), "1234.5");
    EXPECT_EQ(exportNumber(-0.25), "-0.25");
    EXPECT_EQ(exportNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(exportNumber(100), "100");
    EXPECT_EQ(exportNumber(123456789012.345), "123456789012.345");
    EXPECT_EQ(exportNumber(1e20), "1E20");
    EXPECT_EQ(exportNumber(1.5e-7), "1.5E-7");
    EXPECT_EQ(decimalSeparator(), ',');
}

TEST(TextExportFormat, DatesAreDayMonthYearWithTheTimeOnlyWhenNotMidnight)
{
    const double day = toDayNumber({2007, 2, 1});
    EXPECT_EQ(exportDateTime(day), "01/02/2007");
    EXPECT_EQ(exportDateTime(day + 0.5), "01/02/2007 12:00:00");
    EXPECT_EQ(exportDateTime(toDayNumber({987, 11, 30}) + (3723.0 / 86400)), "30/11/0987 01:02:03");
    const ExportTable table{{"D"}, {{ExportDateTime{day}}}};
    EXPECT_EQ(textExportBytes(table), "\"D\",\r\n\"01/02/2007\",\r\n");
}

TEST(TextExportFile, ReplacesAnEarlierFileAndLeavesItWhenWritingFails)
{
    test::TempDir folder;
    const std::filesystem::path file = folder / "Export.txt";
    writeWholeFile(file, "old");
    writeTextExport({{"A"}, {}}, file);
    EXPECT_EQ(readWholeFile(file), "\"A\",\r\n");
    EXPECT_THROW(writeTextExport({{"A"}, {}}, folder / "missing" / "Export.txt"), Error);
    EXPECT_EQ(readWholeFile(file), "\"A\",\r\n");
}

TEST(TextExportFile, EveryFailingWriteSyncOrRenameLeavesTheOldFileOrTheWholeNewOne)
{
    test::TempDir folder;
    const std::filesystem::path file = folder / "Export.txt";
    const ExportTable table{{"A", "B"}, {{std::string("Šumava"), 1.5}, {std::string("Žďár"), 2.0}}};
    const std::string whole = textExportBytes(table);
    for (FileOperation kind : {FileOperation::Write, FileOperation::Sync, FileOperation::Rename}) {
        test::sweepFileFaults(
            kind, EIO, [&] { writeWholeFile(file, "old"); }, [&] { writeTextExport(table, file); },
            [&](const test::FaultRun& run) {
                const std::string now = readWholeFile(file);
                EXPECT_TRUE(now == "old" || now == whole) << "operation " << run.nth;
                EXPECT_TRUE(run.failed || now == whole);
                EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
            });
    }
}

} // namespace
} // namespace tarvela

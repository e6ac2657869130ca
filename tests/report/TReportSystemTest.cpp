#include <gtest/gtest.h>

#include <stdexcept>

#include "report/PlainTextWriter.h"
#include "report/TReportSystem.h"
#include "support/SampleReport.h"

using namespace tarvela;

namespace {

// Records the status window and cancels when asked for the n-th time.
class ScriptedStatus : public ReportStatus {
public:
    std::vector<std::string> shown;
    bool isOpen = false;
    int cancelAtPoll = -1;
    int polls = 0;

    void open(const std::string& caption) override
    {
        isOpen = true;
        shown.push_back("[" + caption + "]");
    }
    void setText(const std::string& text) override { shown.push_back(text); }
    bool cancelRequested() override { return ++polls == cancelAtPoll; }
    void close() override { isOpen = false; }
};

} // namespace

TEST(ReportSystem, CallsBeforePrintThenPrintOnSameCanvas)
{
    TReportSystem sestavy;
    std::vector<std::string> calls;
    TBaseReport* before = nullptr;
    sestavy.SestavyBeforePrint = [&](TBaseReport& sender) {
        calls.push_back("before");
        before = &sender;
    };
    sestavy.SestavyPrint = [&](TBaseReport& sender) {
        calls.push_back("print");
        EXPECT_EQ(&sender, before);
    };
    sestavy.Execute();
    EXPECT_EQ(calls, (std::vector<std::string>{"before", "print"}));
}

TEST(ReportSystem, StatusWindowShowsPagesBeingGenerated)
{
    TReportSystem sestavy;
    ScriptedStatus status;
    sestavy.setStatusWindow(&status);
    sestavy.SestavyPrint = [](TBaseReport& canvas) {
        canvas.WriteLine("a");
        canvas.PageBreak();
        canvas.WriteLine("b");
    };
    const ReportDocument pages = sestavy.Execute();
    EXPECT_EQ(pages.pages.size(), 2u);
    EXPECT_EQ(status.shown,
              (std::vector<std::string>{"[Stav přípravy tisku]", "Generuji stranu 1", "Generuji stranu 2"}));
    EXPECT_FALSE(status.isOpen);
}

TEST(ReportSystem, StatusWindowClosesWhenHandlerFails)
{
    TReportSystem sestavy;
    ScriptedStatus status;
    sestavy.setStatusWindow(&status);
    sestavy.SestavyPrint = [](TBaseReport&) { throw std::runtime_error("chyba"); };
    EXPECT_THROW(sestavy.Execute(), std::runtime_error);
    EXPECT_FALSE(status.isOpen);
}

TEST(ReportSystem, CancelDropsPageBeingGeneratedAndLaterOnes)
{
    TReportSystem sestavy;
    ScriptedStatus status;
    status.cancelAtPoll = 5;
    sestavy.setStatusWindow(&status);
    bool previewShown = false;
    sestavy.setPreview([&](const ReportDocument&, int) { previewShown = true; });
    int linesWritten = 0;
    sestavy.SestavyPrint = [&](TBaseReport& canvas) {
        for (int page = 0; page < 4; ++page) {
            for (int line = 0; line < 3; ++line) {
                canvas.WriteLine("strana " + std::to_string(page + 1));
                ++linesWritten;
            }
            if (page < 3)
                canvas.PageBreak();
        }
    };
    const ReportDocument pages = sestavy.Execute();
    EXPECT_EQ(linesWritten, 12);
    ASSERT_EQ(pages.pages.size(), 1u);
    EXPECT_EQ(plainText(pages), "strana 1\nstrana 1\nstrana 1\n");
    EXPECT_TRUE(previewShown);
}

TEST(ReportSystem, CancelOnFirstPageShowsNoPreview)
{
    TReportSystem sestavy;
    ScriptedStatus status;
    status.cancelAtPoll = 1;
    sestavy.setStatusWindow(&status);
    bool previewShown = false;
    sestavy.setPreview([&](const ReportDocument&, int) { previewShown = true; });
    sestavy.SestavyPrint = [](TBaseReport& canvas) { canvas.WriteLine("a"); };
    EXPECT_TRUE(sestavy.Execute().pages.empty());
    EXPECT_FALSE(previewShown);
}

TEST(ReportSystem, ReportWithoutRowsReachesPreviewWithOnePage)
{
    TReportSystem sestavy;
    size_t previewPages = 0;
    sestavy.setPreview([&](const ReportDocument& pages, int) { previewPages = pages.pages.size(); });
    sestavy.SestavyPrint = [](TBaseReport& canvas) { test::drawSampleReport(canvas, 0); };
    sestavy.Execute();
    EXPECT_EQ(previewPages, 1u);
}

TEST(ReportSystem, PrinterIndexRulesOfMainPrinter)
{
    TReportSystem sestavy;
    sestavy.setInstalledPrinterCount([] { return 3; });
    int wanted = 0;
    int previewPrinter = -99;
    sestavy.setPreview([&](const ReportDocument&, int printer) { previewPrinter = printer; });
    sestavy.SestavyBeforePrint = [&](TBaseReport& sender) { sender.Printer().select(wanted); };

    EXPECT_EQ(sestavy.printerIndex(), kDefaultPrinter);
    wanted = 2;
    sestavy.Execute();
    EXPECT_EQ(previewPrinter, 2);
    wanted = 3;
    sestavy.Execute();
    EXPECT_EQ(previewPrinter, 2);
    wanted = -2;
    sestavy.Execute();
    EXPECT_EQ(sestavy.printerIndex(), 2);
    wanted = -1;
    sestavy.Execute();
    EXPECT_EQ(sestavy.printerIndex(), kDefaultPrinter);
    wanted = 0;
    sestavy.Execute();
    EXPECT_EQ(sestavy.printerIndex(), 0);
}

TEST(ReportSystem, WithoutPrintersEveryIndexKeepsDefault)
{
    PrinterSelection printer(kDefaultPrinter, 0);
    printer.select(0);
    printer.select(1);
    EXPECT_EQ(printer.index(), kDefaultPrinter);
}

TEST(ReportSystem, OrientationAppliesToEveryPageOfRun)
{
    TReportSystem sestavy;
    sestavy.setOrientation(Orientation::Landscape);
    sestavy.SestavyPrint = [](TBaseReport& canvas) { canvas.PageBreak(); };
    ReportDocument pages = sestavy.Execute();
    ASSERT_EQ(pages.pages.size(), 2u);
    EXPECT_TRUE(pages.pages[0].isLandscape());
    EXPECT_TRUE(pages.pages[1].isLandscape());
    sestavy.setOrientation(Orientation::Portrait);
    EXPECT_FALSE(sestavy.Execute().pages[0].isLandscape());
}

// Finding text in the preview with real keys: F3 opens the find bar, typing
// finds across all pages and shows the match's page with the match marked,
// F3 / Shift+F3 go round the matches, Esc closes the bar but not the preview.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "report/TBaseReport.h"
#include "report/render_qt/FindBar.h"
#include "report/render_qt/PageView.h"
#include "report/render_qt/PreviewWindow.h"
#include "support/RecordingUi.h"
#include "support/SampleReport.h"

using namespace tarvela;

namespace {

// The sample settlement with one more line on its third page.
ReportDocument settlementWithWordOnPageThree()
{
    SilentReportStatus status;
    TBaseReport canvas(Orientation::Portrait, PrinterSelection(kDefaultPrinter, 0), status);
    test::drawSampleReport(canvas, 20);
    ReportDocument document = canvas.TakeDocument();
    EXPECT_GE(document.pages.size(), 3u);
    TextRun word;
    word.x = 3;
    word.baseline = 27;
    word.text = "Poznámka: Žluťoučký kůň";
    document.pages[2].ops.push_back(word);
    return document;
}

struct SearchedPreview {
    test::RecordingUi ui;
    PreviewWindow window {settlementWithWordOnPageThree(), kDefaultPrinter, &ui};

    SearchedPreview()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTest::keyClick(&window, Qt::Key_F3);
    }
    QLineEdit& text() { return window.findBar().edit(); }
    void type(const QString& typed)
    {
        text().clear();
        // Key by key with their text: QTest's key tables know ASCII only.
        for (const QChar letter : typed)
            QTest::sendKeyEvent(QTest::Click, &text(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
};

} // namespace

TEST(PreviewSearch, AWordOnPageThreeIsFoundAndMarked)
{
    SearchedPreview p;
    ASSERT_TRUE(p.window.findBar().isVisible());
    ASSERT_TRUE(p.text().hasFocus());
    p.type("kůň");
    EXPECT_EQ(p.window.matches().size(), 1u);
    EXPECT_EQ(p.window.currentPage(), 3);
    EXPECT_FALSE(p.window.pageView().highlight().isEmpty());

    // Accents count as typed unless the option says otherwise.
    p.type("zlutoucky");
    EXPECT_TRUE(p.window.matches().empty());
    EXPECT_TRUE(p.window.pageView().highlight().isEmpty());
    p.window.findBar().findChild<QCheckBox*>("findFolded")->setChecked(true);
    EXPECT_EQ(p.window.matches().size(), 1u);
    EXPECT_EQ(p.window.currentPage(), 3);

    QTest::keyClick(&p.text(), Qt::Key_Escape);
    EXPECT_FALSE(p.window.findBar().isVisible());
    EXPECT_TRUE(p.window.isVisible());
    EXPECT_TRUE(p.window.pageView().highlight().isEmpty());
}

TEST(PreviewSearch, NextAndPreviousGoRound)
{
    SearchedPreview p;
    p.type("Železářství Řeřicha");
    const int count = int(p.window.matches().size());
    ASSERT_GE(count, 3);
    EXPECT_EQ(p.window.currentMatch(), 0);
    QTest::keyClick(&p.window, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(p.window.currentMatch(), count - 1);
    EXPECT_EQ(p.window.currentPage(), p.window.matches().back().page + 1);
    QTest::keyClick(&p.window, Qt::Key_F3);
    EXPECT_EQ(p.window.currentMatch(), 0);
    EXPECT_EQ(p.window.currentPage(), 1);
    QTest::keyClick(&p.text(), Qt::Key_Return);
    EXPECT_EQ(p.window.currentMatch(), 1);
}

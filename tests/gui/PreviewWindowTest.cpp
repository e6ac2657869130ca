#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "report/PageSnapshot.h"
#include "report/TReportSystem.h"
#include "report/render_qt/PageView.h"
#include "report/render_qt/PreviewWindow.h"
#include "report/render_qt/QtReportDevices.h"
#include "support/RecordingUi.h"
#include "support/SampleReport.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

ReportDocument pagesOfSample(int documents)
{
    SilentReportStatus status;
    TBaseReport canvas(Orientation::Portrait, PrinterSelection(kDefaultPrinter, 0), status);
    test::drawSampleReport(canvas, documents);
    return canvas.TakeDocument();
}

ReportDocument threePages()
{
    ReportDocument document = pagesOfSample(20);
    EXPECT_GE(document.pages.size(), 3u);
    document.pages.resize(3);
    return document;
}

QAction* command(PreviewWindow& window, const char* name)
{
    QAction* action = window.findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void press(PreviewWindow& window, int key)
{
    QTest::keyClick(&window, Qt::Key(key), Qt::ControlModifier);
}

struct ShownPreview {
    test::RecordingUi ui;
    PreviewWindow window;
    explicit ShownPreview(ReportDocument document) : window(std::move(document), kDefaultPrinter, &ui)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
    }
};

} // namespace

TEST(PreviewWindow, OpensModalAtFixedSizeAndFullZoom)
{
    ShownPreview p(threePages());
    EXPECT_EQ(p.window.windowTitle(), QString::fromUtf8("Náhled před tiskem"));
    EXPECT_TRUE(p.window.isModal());
    EXPECT_EQ(p.window.size(), QSize(615, 450));
    EXPECT_EQ(p.window.zoomPercent(), 100);
    EXPECT_EQ(p.window.currentPage(), 1);
    EXPECT_EQ(p.window.findChild<QSpinBox*>("zoomBox")->value(), 100);
    const QSizeF shown = p.window.findChild<PageView*>()->size();
    EXPECT_NEAR(shown.width() - 2 * PageView::kPaperMargin, 21.0 * p.window.logicalDpiX() / 2.54, 1.0);
}

TEST(PreviewWindow, CommandsCarryTheirHintsAndShortcuts)
{
    ShownPreview p(threePages());
    const std::vector<std::tuple<const char*, const char*, const char*>> expected{
        {"openReport", "Otevření jiného reportu", "Ctrl+O"},
        {"saveReport", "Uložit report", "Ctrl+S"},
        {"printReport", "Tisk sestavy", "Ctrl+P"},
        {"firstPage", "Posun na první stranu", "Ctrl+Home"},
        {"previousPage", "Jdi na předcházející stranu", "Ctrl+PgUp"},
        {"nextPage", "Jdi na další stranu", "Ctrl+PgDown"},
        {"lastPage", "Jdi  na poslední stranu", "Ctrl+End"},
        {"goToPage", "", "Ctrl+G"},
        {"zoomIn", "Zvětšení (+)", ""},
        {"zoomOut", "Zmenšení (-)", ""},
        {"fitWidth", "Roztáhnout na šířku strany", "Ctrl+W"},
        {"fitPage", "Zobrazit celou stranu", "Ctrl+F"},
        {"closePreview", "Ukončení prohlížeče", ""},
    };
    for (const auto& [name, hint, keys] : expected) {
        QAction* action = command(p.window, name);
        ASSERT_NE(action, nullptr);
        if (*hint) {
            EXPECT_EQ(action->toolTip(), QString::fromUtf8(hint)) << name;
        }
        EXPECT_EQ(action->shortcut(), QKeySequence(keys)) << name;
    }
}

TEST(PreviewWindow, ShortcutsMoveBetweenPagesAndDisabledStatesFollow)
{
    ShownPreview p(threePages());
    QAction* first = command(p.window, "firstPage");
    QAction* previous = command(p.window, "previousPage");
    QAction* next = command(p.window, "nextPage");
    QAction* last = command(p.window, "lastPage");
    auto* pageBox = p.window.findChild<QSpinBox*>("pageBox");

    EXPECT_FALSE(first->isEnabled());
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(last->isEnabled());

    press(p.window, Qt::Key_PageDown);
    EXPECT_EQ(p.window.currentPage(), 2);
    EXPECT_EQ(pageBox->value(), 2);
    EXPECT_TRUE(first->isEnabled());
    EXPECT_TRUE(next->isEnabled());

    press(p.window, Qt::Key_End);
    EXPECT_EQ(p.window.currentPage(), 3);
    EXPECT_FALSE(next->isEnabled());
    EXPECT_FALSE(last->isEnabled());
    EXPECT_TRUE(previous->isEnabled());

    press(p.window, Qt::Key_PageDown);
    EXPECT_EQ(p.window.currentPage(), 3);
    press(p.window, Qt::Key_PageUp);
    EXPECT_EQ(p.window.currentPage(), 2);
    press(p.window, Qt::Key_Home);
    EXPECT_EQ(p.window.currentPage(), 1);
    EXPECT_FALSE(previous->isEnabled());
}

TEST(PreviewWindow, PageBoxShowsCountAndCtrlGJumpsToTypedPage)
{
    ShownPreview p(threePages());
    auto* pageBox = p.window.findChild<QSpinBox*>("pageBox");
    bool countShown = false;
    for (QLabel* label : p.window.findChildren<QLabel*>())
        countShown = countShown || label->text().trimmed() == "z 3";
    EXPECT_TRUE(countShown);

    press(p.window, Qt::Key_G);
    EXPECT_TRUE(pageBox->hasFocus());
    QTest::keyClicks(pageBox, "3");
    QTest::keyClick(pageBox, Qt::Key_Return);
    EXPECT_EQ(p.window.currentPage(), 3);
}

TEST(PreviewWindow, SinglePageDisablesAllNavigation)
{
    ShownPreview p(pagesOfSample(1));
    for (const char* name : {"firstPage", "previousPage", "nextPage", "lastPage"})
        EXPECT_FALSE(command(p.window, name)->isEnabled()) << name;
}

TEST(PreviewWindow, ZoomCommandsChangeZoom)
{
    ShownPreview p(threePages());
    command(p.window, "zoomIn")->trigger();
    EXPECT_EQ(p.window.zoomPercent(), 110);
    command(p.window, "zoomOut")->trigger();
    command(p.window, "zoomOut")->trigger();
    EXPECT_EQ(p.window.zoomPercent(), 90);

    auto* zoomBox = p.window.findChild<QSpinBox*>("zoomBox");
    zoomBox->setValue(250);
    EXPECT_EQ(p.window.zoomPercent(), 250);

    p.window.setZoom(PreviewWindow::kMaxZoom);
    EXPECT_FALSE(command(p.window, "zoomIn")->isEnabled());
    p.window.setZoom(1);
    EXPECT_EQ(p.window.zoomPercent(), PreviewWindow::kMinZoom);
    EXPECT_FALSE(command(p.window, "zoomOut")->isEnabled());
}

TEST(PreviewWindow, FitCommandsMakePageFitViewport)
{
    ShownPreview p(threePages());
    const QSize viewport = p.window.findChild<QScrollArea*>()->viewport()->size();
    auto* view = p.window.findChild<PageView*>();

    press(p.window, Qt::Key_F);
    const int whole = p.window.zoomPercent();
    EXPECT_LT(whole, 100);
    EXPECT_LE(view->height(), viewport.height());
    EXPECT_LE(view->width(), viewport.width());
    EXPECT_GT(view->height(), viewport.height() * 0.9);

    press(p.window, Qt::Key_W);
    EXPECT_GT(p.window.zoomPercent(), whole);
    EXPECT_LE(view->width(), viewport.width());
    EXPECT_GT(view->width(), viewport.width() * 0.85);
}

TEST(PreviewWindow, OpensSavedSnapshotAndRefusesDamagedOne)
{
    ShownPreview p(threePages());
    test::TempDir dir;
    const ReportDocument single = pagesOfSample(1);
    writeSnapshot(single, dir / "jina.tvs");
    ASSERT_TRUE(p.window.saveReport({QString::fromStdString((dir / "ulozena.tvs").string()), ReportFileFormat::Snapshot}));

    EXPECT_TRUE(p.window.openSnapshot(QString::fromStdString((dir / "jina.tvs").string())));
    EXPECT_EQ(p.window.document(), single);
    EXPECT_EQ(p.window.pageCount(), 1);
    EXPECT_FALSE(command(p.window, "nextPage")->isEnabled());

    std::string bytes = snapshotBytes(single);
    bytes[bytes.size() / 2] ^= 1;
    std::ofstream(dir / "vadna.tvs", std::ios::binary) << bytes;
    EXPECT_FALSE(p.window.openSnapshot(QString::fromStdString((dir / "vadna.tvs").string())));
    ASSERT_EQ(p.ui.messages.size(), 1u);
    EXPECT_NE(p.ui.messages[0].find("není platný snímek sestavy"), std::string::npos);
    EXPECT_EQ(p.window.document(), single);

    EXPECT_TRUE(p.window.openSnapshot(QString::fromStdString((dir / "ulozena.tvs").string())));
    EXPECT_EQ(p.window.document(), threePages());
}

TEST(PreviewWindow, SavingToMissingFolderIsReported)
{
    ShownPreview p(threePages());
    test::TempDir dir;
    EXPECT_FALSE(p.window.saveReport({QString::fromStdString((dir / "chybi" / "a.pdf").string()), ReportFileFormat::Pdf}));
    EXPECT_FALSE(p.window.saveReport({QString::fromStdString((dir / "chybi" / "a.html").string()), ReportFileFormat::Html}));
    EXPECT_EQ(p.ui.messages.size(), 2u);
}

TEST(PreviewWindow, PrintingWithoutPrinterGivesClearMessage)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    ShownPreview p(threePages());
    EXPECT_FALSE(p.window.printPages());
    EXPECT_EQ(p.ui.messages, std::vector<std::string>{"Není nainstalována žádná tiskárna."});
}

TEST(PreviewWindow, ReportSystemShowsGeneratedPagesInModalPreview)
{
    TReportSystem sestavy;
    test::RecordingUi ui;
    QtReportDevices devices(sestavy, nullptr, &ui);
    sestavy.SestavyPrint = [](TBaseReport& canvas) { test::drawSampleReport(canvas, 20); };
    int previewPages = 0;
    bool modal = false;
    QString title;
    // The status window comes first; wait for the preview to open.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<PreviewWindow*>(widget);
            if (preview && preview->isVisible()) {
                title = preview->windowTitle();
                previewPages = preview->pageCount();
                modal = QApplication::activeModalWidget() == preview;
                preview->reject();
            }
        }
    });
    watcher.start(10);
    const ReportDocument pages = sestavy.Execute();
    EXPECT_EQ(title, QString::fromUtf8("Náhled před tiskem"));
    EXPECT_EQ(previewPages, int(pages.pages.size()));
    EXPECT_GE(previewPages, 3);
    EXPECT_TRUE(modal);
}

TEST(PreviewWindow, EveryCommandFitsTheToolBar)
{
    ShownPreview p(threePages());
    QWidget* overflow = p.window.findChild<QWidget*>("qt_toolbar_ext_button");
    ASSERT_NE(overflow, nullptr);
    EXPECT_FALSE(overflow->isVisible());
}

// The modal preview of a generated report: pages one at a time, paging and
// zoom commands, finding a text across all pages (F3 opens the find bar and
// goes to the next match, Shift+F3 to the previous one), printing on the
// chosen printer, saving as PDF, HTML or page snapshot and opening a saved
// snapshot. It owns its copy of the pages.
#pragma once

#include <QDialog>
#include <QStyle>

#include "platform/Ui.h"
#include "report/PageModel.h"
#include "report/PageSearch.h"
#include "report/render_qt/SaveTarget.h"

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace tarvela {

class FindBar;
class PageView;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Messages go to ui when given, else to message boxes. printerIndex is
    // the position in the installed printers, -1 for the default one.
    PreviewWindow(ReportDocument document, int printerIndex, Ui* ui = nullptr, QWidget* parent = nullptr);

    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 400;
    static constexpr int kZoomStep = 10;

    int currentPage() const { return current_; }
    int pageCount() const { return int(document_.pages.size()); }
    int zoomPercent() const { return zoom_; }
    const ReportDocument& document() const { return document_; }
    // The pages shown, for whoever lent them; the window shows none after.
    ReportDocument takeDocument();

    void goToPage(int number);
    void setZoom(int percent);
    void fitWidth();
    void fitPage();
    // Each reports its failure to the user and returns false.
    bool openSnapshot(const QString& path);
    bool saveReport(const SaveTarget& target);
    bool printPages();
    // Opens the find bar, or moves to the next (+1) or previous (-1) match,
    // round from the last page to the first and back.
    void findNext(int direction);
    FindBar& findBar() const { return *find_; }
    // The match shown, from 0; -1 without one.
    int currentMatch() const { return match_; }
    const std::vector<PageMatch>& matches() const { return matches_; }
    const PageView& pageView() const { return *view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepPageKeysFromEditors();
    QAction* addCommand(const QString& name, const QString& hint, const QKeySequence& shortcut,
                        QStyle::StandardPixmap icon, const QString& text);
    void buildToolBar();
    void refresh();
    void showError(const std::string& text);
    double fitZoom(double availablePixels, double pageCm) const;
    void searchAgain();
    void showMatch();

    ReportDocument document_;
    int printerIndex_;
    Ui* ui_;
    int current_ = 1;
    int zoom_ = 100;

    std::vector<PageMatch> matches_;
    int match_ = -1;

    FindBar* find_ = nullptr;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QSpinBox* zoomBox_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
};

} // namespace tarvela

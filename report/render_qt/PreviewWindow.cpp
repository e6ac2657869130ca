#include "report/render_qt/PreviewWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

#include "platform/Error.h"
#include "report/HtmlWriter.h"
#include "report/PageSnapshot.h"
#include "report/ReportTexts.h"
#include "report/render_qt/FindBar.h"
#include "report/render_qt/PageView.h"
#include "report/render_qt/PdfWriter.h"
#include "report/render_qt/ReportPrinter.h"
#include "report/render_qt/StatusDialog.h"

namespace tarvela {

PreviewWindow::PreviewWindow(ReportDocument document, int printerIndex, Ui* ui, QWidget* parent)
    : QDialog(parent), document_(std::move(document)), printerIndex_(printerIndex), ui_(ui)
{
    setWindowTitle(QString::fromUtf8(reporttext::kPreviewTitle));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    find_ = new FindBar(this);
    layout->addWidget(find_);
    connect(find_, &FindBar::searchChanged, this, &PreviewWindow::searchAgain);
    connect(find_, &FindBar::nextWanted, this, [this] { findNext(1); });
    connect(find_, &FindBar::closed, this, [this] {
        matches_.clear();
        match_ = -1;
        refresh();
    });
    view_ = new PageView;
    scroll_ = new QScrollArea;
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    layout->addWidget(scroll_);
    keepPageKeysFromEditors();
    resize(615, 450);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    refresh();
}

// The page and zoom boxes and the find bar would take Ctrl+Home, Ctrl+End,
// Ctrl+PgUp and Ctrl+PgDown for their own text; the page moves win wherever
// the focus is.
void PreviewWindow::keepPageKeysFromEditors()
{
    for (auto* editor : findChildren<QLineEdit*>())
        editor->installEventFilter(this);
    for (auto* box : findChildren<QAbstractSpinBox*>())
        box->installEventFilter(this);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* move : {first_, previous_, next_, last_}) {
        if (move->shortcut() == pressed) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QAction* PreviewWindow::addCommand(const QString& name, const QString& hint, const QKeySequence& shortcut,
                                   QStyle::StandardPixmap icon, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(style()->standardIcon(icon));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(action);
    return action;
}

void PreviewWindow::buildToolBar()
{
    auto* bar = new QToolBar(this);
    // Small icons keep every command visible in the window's fixed width.
    bar->setIconSize(QSize(16, 16));
    bar->setStyleSheet("QToolBar { spacing: 0px; } QToolButton { padding: 1px; }");
    layout()->addWidget(bar);
    const auto none = QStyle::SP_CustomBase;

    bar->addAction(addCommand("openReport", "Otevření jiného reportu", QKeySequence("Ctrl+O"),
                              QStyle::SP_DialogOpenButton, "Otevřít"));
    bar->addAction(addCommand("saveReport", "Uložit report", QKeySequence("Ctrl+S"), QStyle::SP_DialogSaveButton,
                              "Uložit"));
    bar->addAction(addCommand("printReport", "Tisk sestavy", QKeySequence("Ctrl+P"), none, "Tisk"));
    bar->addSeparator();
    first_ = addCommand("firstPage", "Posun na první stranu", QKeySequence("Ctrl+Home"),
                        QStyle::SP_MediaSkipBackward, "První");
    previous_ = addCommand("previousPage", "Jdi na předcházející stranu", QKeySequence("Ctrl+PgUp"),
                           QStyle::SP_MediaSeekBackward, "Předcházející");
    next_ = addCommand("nextPage", "Jdi na další stranu", QKeySequence("Ctrl+PgDown"),
                       QStyle::SP_MediaSeekForward, "Další");
    last_ = addCommand("lastPage", "Jdi  na poslední stranu", QKeySequence("Ctrl+End"),
                       QStyle::SP_MediaSkipForward, "Poslední");
    for (QAction* action : {first_, previous_, next_, last_})
        bar->addAction(action);

    bar->addWidget(new QLabel(" Strana "));
    pageBox_ = new QSpinBox;
    pageBox_->setObjectName("pageBox");
    pageBox_->setKeyboardTracking(false);
    pageBox_->setMinimumWidth(pageBox_->fontMetrics().horizontalAdvance("9999") + 20);
    bar->addWidget(pageBox_);
    pageCountLabel_ = new QLabel;
    bar->addWidget(pageCountLabel_);
    QAction* goTo = addCommand("goToPage", QString(), QKeySequence("Ctrl+G"), none, "Jdi na stranu");
    connect(goTo, &QAction::triggered, this, [this] {
        pageBox_->setFocus();
        pageBox_->selectAll();
    });
    bar->addSeparator();

    zoomIn_ = addCommand("zoomIn", "Zvětšení (+)", QKeySequence(), none, "+");
    zoomOut_ = addCommand("zoomOut", "Zmenšení (-)", QKeySequence(), none, "-");
    QAction* width = addCommand("fitWidth", "Roztáhnout na šířku strany", QKeySequence("Ctrl+W"), none, "Šířka");
    QAction* whole = addCommand("fitPage", "Zobrazit celou stranu", QKeySequence("Ctrl+F"), none, "Celá");
    for (QAction* action : {zoomIn_, zoomOut_, width, whole})
        bar->addAction(action);
    bar->addWidget(new QLabel(" Vel. "));
    zoomBox_ = new QSpinBox;
    zoomBox_->setObjectName("zoomBox");
    zoomBox_->setRange(kMinZoom, kMaxZoom);
    zoomBox_->setKeyboardTracking(false);
    bar->addWidget(zoomBox_);
    bar->addWidget(new QLabel(" % "));
    bar->addSeparator();
    QAction* find = addCommand("find", "Hledat text v sestavě (F3)", QKeySequence(Qt::Key_F3),
                               QStyle::SP_FileDialogContentsView, "Hledat");
    bar->addAction(find);
    connect(find, &QAction::triggered, this, [this] { findNext(1); });
    QAction* findBack = addCommand("findPrevious", QString(), QKeySequence(Qt::SHIFT | Qt::Key_F3), none, "Zpět");
    connect(findBack, &QAction::triggered, this, [this] { findNext(-1); });
    bar->addAction(addCommand("closePreview", "Ukončení prohlížeče", QKeySequence(), QStyle::SP_DialogCloseButton,
                              "Konec"));

    connect(findChild<QAction*>("openReport"), &QAction::triggered, this, [this] {
        if (const auto path = askSnapshotToOpen(this))
            openSnapshot(*path);
    });
    connect(findChild<QAction*>("saveReport"), &QAction::triggered, this, [this] {
        if (const auto target = askSaveTarget(this))
            saveReport(*target);
    });
    connect(findChild<QAction*>("printReport"), &QAction::triggered, this, [this] { printPages(); });
    connect(first_, &QAction::triggered, this, [this] { goToPage(1); });
    connect(previous_, &QAction::triggered, this, [this] { goToPage(current_ - 1); });
    connect(next_, &QAction::triggered, this, [this] { goToPage(current_ + 1); });
    connect(last_, &QAction::triggered, this, [this] { goToPage(pageCount()); });
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int page) { goToPage(page); });
    connect(zoomIn_, &QAction::triggered, this, [this] { setZoom(zoom_ + kZoomStep); });
    connect(zoomOut_, &QAction::triggered, this, [this] { setZoom(zoom_ - kZoomStep); });
    connect(width, &QAction::triggered, this, [this] { fitWidth(); });
    connect(whole, &QAction::triggered, this, [this] { fitPage(); });
    connect(zoomBox_, &QSpinBox::valueChanged, this, [this](int percent) { setZoom(percent); });
    connect(findChild<QAction*>("closePreview"), &QAction::triggered, this, &QDialog::reject);
}

void PreviewWindow::goToPage(int number)
{
    if (pageCount() == 0)
        return;
    current_ = std::clamp(number, 1, pageCount());
    refresh();
    scroll_->verticalScrollBar()->setValue(0);
}

void PreviewWindow::setZoom(int percent)
{
    zoom_ = std::clamp(percent, kMinZoom, kMaxZoom);
    refresh();
}

double PreviewWindow::fitZoom(double availablePixels, double pageCm) const
{
    return 100.0 * (availablePixels - 2 * PageView::kPaperMargin) / (pageCm * view_->pixelsPerCm());
}

void PreviewWindow::fitWidth()
{
    if (pageCount() == 0)
        return;
    const Page& page = document_.pages[size_t(current_ - 1)];
    const int room = scroll_->viewport()->width() - scroll_->verticalScrollBar()->sizeHint().width();
    setZoom(int(std::floor(fitZoom(room, page.widthCm))));
}

void PreviewWindow::fitPage()
{
    if (pageCount() == 0)
        return;
    const Page& page = document_.pages[size_t(current_ - 1)];
    const QSize room = scroll_->viewport()->size();
    setZoom(int(std::floor(std::min(fitZoom(room.width(), page.widthCm), fitZoom(room.height(), page.heightCm)))));
}

void PreviewWindow::searchAgain()
{
    matches_ = findInDocument(document_, find_->text().toStdString(), find_->ignoresCaseAndAccents());
    // The first match from the page shown on.
    const auto from = std::find_if(matches_.begin(), matches_.end(),
                                   [this](const PageMatch& m) { return m.page + 1 >= current_; });
    match_ = matches_.empty() ? -1 : from == matches_.end() ? 0 : int(from - matches_.begin());
    showMatch();
}

void PreviewWindow::findNext(int direction)
{
    if (find_->isHidden() || find_->text().isEmpty()) {
        find_->open();
        return;
    }
    if (matches_.empty())
        return;
    const int count = int(matches_.size());
    match_ = ((match_ + direction) % count + count) % count;
    showMatch();
}

void PreviewWindow::showMatch()
{
    find_->showPosition(match_ + 1, int(matches_.size()));
    if (match_ < 0) {
        refresh();
        return;
    }
    goToPage(matches_[size_t(match_)].page + 1);
    const QRectF shown = view_->toWidget(QRectF(matches_[size_t(match_)].x, matches_[size_t(match_)].top,
                                                matches_[size_t(match_)].width, matches_[size_t(match_)].height));
    scroll_->ensureVisible(int(shown.center().x()), int(shown.center().y()), int(shown.width()) / 2 + 40,
                           int(shown.height()) / 2 + 40);
}

bool PreviewWindow::openSnapshot(const QString& path)
{
    try {
        document_ = readSnapshot(path.toStdString());
    } catch (const Error& e) {
        showError(e.what());
        return false;
    }
    current_ = 1;
    matches_.clear();
    match_ = -1;
    refresh();
    return true;
}

bool PreviewWindow::saveReport(const SaveTarget& target)
{
    try {
        switch (target.format) {
        case ReportFileFormat::Pdf:
            writePdf(document_, target.path);
            break;
        case ReportFileFormat::Html:
            writeHtml(document_, target.path.toStdString());
            break;
        case ReportFileFormat::Snapshot:
            writeSnapshot(document_, target.path.toStdString());
            break;
        }
    } catch (const Error& e) {
        showError(e.what());
        return false;
    }
    return true;
}

bool PreviewWindow::printPages()
{
    try {
        StatusDialog status(this);
        printReport(document_, printerIndex_, status);
    } catch (const Error& e) {
        showError(e.what());
        return false;
    }
    return true;
}

ReportDocument PreviewWindow::takeDocument()
{
    ReportDocument taken = std::move(document_);
    document_ = {};
    matches_.clear();
    match_ = -1;
    refresh();
    return taken;
}

void PreviewWindow::refresh()
{
    const int count = pageCount();
    const QSignalBlocker pageSignals(pageBox_);
    const QSignalBlocker zoomSignals(zoomBox_);
    pageBox_->setRange(count ? 1 : 0, count);
    pageBox_->setValue(count ? current_ : 0);
    pageCountLabel_->setText(QString(" z %1 ").arg(count));
    zoomBox_->setValue(zoom_);
    first_->setEnabled(current_ > 1);
    previous_->setEnabled(current_ > 1);
    next_->setEnabled(current_ < count);
    last_->setEnabled(current_ < count);
    zoomIn_->setEnabled(zoom_ < kMaxZoom);
    zoomOut_->setEnabled(zoom_ > kMinZoom);
    view_->showPage(count ? &document_.pages[size_t(current_ - 1)] : nullptr, zoom_);
    const bool matchHere = match_ >= 0 && matches_[size_t(match_)].page + 1 == current_;
    const PageMatch shown = matchHere ? matches_[size_t(match_)] : PageMatch {};
    view_->setHighlight(QRectF(shown.x, shown.top, shown.width, shown.height));
}

void PreviewWindow::showError(const std::string& text)
{
    if (ui_)
        ui_->showMessage(text);
    else
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(text));
}

} // namespace tarvela

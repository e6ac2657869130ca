#include "gui/TableBrowser.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QWheelEvent>
#include <exception>

#include "gui/ColumnFit.h"
#include "data/table/DbfTable.h"
#include "platform/Ui.h"

namespace tarvela {

namespace {

constexpr int kRowHeight = 18;
constexpr int kWheelRows = 3;
// The rows read before the window is laid out, enough for any list window:
// laying it out then leaves out rows instead of reading them again.
constexpr int kRowsBeforeLayout = 48;
// Rows read this recently are not read again when the window is activated,
// as it is after the opening or after a dialog whose command read them.
constexpr auto kRowsFreshFor = std::chrono::seconds(1);

// A width that shows the title and a field's usual content.
int defaultWidth(const QFontMetrics& metrics, const DbfTable& table, const BrowserColumn& column)
{
    const LayoutField* field = table.layout() ? table.layout()->find(column.field) : nullptr;
    int characters = 8;
    if (field != nullptr) {
        switch (field->kind) {
        case FieldKind::Character: characters = field->width; break;
        case FieldKind::Date: characters = 10; break;
        case FieldKind::Logical: characters = 3; break;
        case FieldKind::Float: characters = field->format.empty() ? 8 : 12; break;
        default: characters = 6;
        }
    }
    const int content = metrics.horizontalAdvance(QString(characters, QLatin1Char('0')));
    return std::max(content, metrics.horizontalAdvance(column.title)) + 10;
}

// Given widths were drawn for a smaller font: the title, a short code (a
// payment type, a salesman) and an amount below a million must still fit.
int givenWidth(const QFontMetrics& metrics, const DbfTable& table, const BrowserColumn& column)
{
    constexpr int kLongestCode = 5;
    const LayoutField* field = table.layout() ? table.layout()->find(column.field) : nullptr;
    QString sample = column.title;
    if (field != nullptr && field->kind == FieldKind::Character && field->width <= kLongestCode)
        sample = QString(field->width, QLatin1Char('W'));
    else if (field != nullptr && field->kind == FieldKind::Float && !field->format.empty())
        sample = QStringLiteral("000 000,00");
    const int least = std::max(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(column.title)) + 10;
    return std::max(column.width, least);
}

} // namespace

TableBrowser::TableBrowser(QWidget* parent, Ui& ui, DbfTable& table, std::vector<BrowserColumn> columns,
                           TableWindow::RowFilter filter)
    : QWidget(parent),
      ui_(ui),
      model_(new TableBrowserModel(table, std::move(columns), std::move(filter), this)),
      view_(new QTableView(this)),
      scrollBar_(new QScrollBar(Qt::Vertical, this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(scrollBar_);
    setFocusProxy(view_);

    model_->window().setCapacity(kRowsBeforeLayout);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view_->horizontalHeader()->setHighlightSections(false);
    const auto& shown = model_->columns();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int width = shown[i].width > 0 ? givenWidth(view_->fontMetrics(), table, shown[i])
                                             : defaultWidth(view_->fontMetrics(), table, shown[i]);
        view_->setColumnWidth(static_cast<int>(i), width);
        designedWidths_.push_back(width);
    }
    scrollBar_->setTracking(false);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &TableBrowser::scrollBarMoved);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TableBrowser::followView);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    if (parent != nullptr)
        parent->window()->installEventFilter(this);
}

template <typename Move> void TableBrowser::run(Move move)
{
    if (broken_)
        return;
    try {
        move();
    } catch (const std::exception& error) {
        broken_ = true;
        model_->window().clear();
        showWindow();
        ui_.showMessage(error.what());
        return;
    }
    showWindow();
}

void TableBrowser::showWindow()
{
    const TableWindow& window = model_->window();
    showing_ = true;
    model_->rowsReplaced();
    if (window.currentRow() >= 0) {
        const int column = std::max(0, view_->currentIndex().column());
        const QModelIndex current = model_->index(window.currentRow(), column);
        view_->selectionModel()->setCurrentIndex(
            current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        view_->selectionModel()->clear();
    }
    showing_ = false;
    const QSignalBlocker blocker(scrollBar_);
    const int shown = static_cast<int>(window.rows().size());
    scrollBar_->setRange(0, std::max(0, window.estimatedCount() - shown));
    scrollBar_->setPageStep(std::max(1, shown));
    scrollBar_->setValue(window.estimatedTop());
    emit currentChanged();
}

template <typename Move> void TableBrowser::readAgain(Move move)
{
    run(move);
    rowsReadAt_ = std::chrono::steady_clock::now();
}

void TableBrowser::first() { readAgain([this] { model_->window().first(); }); }
void TableBrowser::last() { readAgain([this] { model_->window().last(); }); }
void TableBrowser::prior() { run([this] { model_->window().moveCurrent(-1); }); }
void TableBrowser::next() { run([this] { model_->window().moveCurrent(1); }); }
void TableBrowser::showTableRecord() { readAgain([this] { model_->window().showTableRecord(0); }); }
void TableBrowser::refresh() { readAgain([this] { model_->window().refresh(); }); }

void TableBrowser::standOnCurrent()
{
    run([this] { model_->window().setCurrentRow(model_->window().currentRow()); });
}

void TableBrowser::followView(const QModelIndex& current)
{
    if (!showing_ && current.isValid() && current.row() != model_->window().currentRow())
        run([this, row = current.row()] { model_->window().setCurrentRow(row); });
}

void TableBrowser::scrollBarMoved(int value)
{
    run([this, value] { model_->window().scrollTo(value); });
}

void TableBrowser::fitRows()
{
    const int rows = std::max(1, view_->viewport()->height() / kRowHeight);
    if (rows != model_->window().capacity())
        run([this, rows] { model_->window().setCapacity(rows); });
}

bool TableBrowser::handleKey(QKeyEvent& event)
{
    TableWindow& window = model_->window();
    const bool control = event.modifiers() & Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Up: run([&] { window.moveCurrent(-1); }); return true;
    case Qt::Key_Down: run([&] { window.moveCurrent(1); }); return true;
    case Qt::Key_PageUp: run([&] { window.moveCurrent(-window.capacity()); }); return true;
    case Qt::Key_PageDown: run([&] { window.moveCurrent(window.capacity()); }); return true;
    case Qt::Key_Home:
        if (!control)
            return false;
        first();
        return true;
    case Qt::Key_End:
        if (!control)
            return false;
        last();
        return true;
    default:
        return false;
    }
}

// The widest column gives up what the others need, so that the last one
// does not run under the scroll bar.
void TableBrowser::fitColumns()
{
    const auto widest = std::max_element(designedWidths_.begin(), designedWidths_.end());
    if (widest != designedWidths_.end())
        fitColumnWidths(*view_, designedWidths_, static_cast<int>(widest - designedWidths_.begin()),
                        view_->viewport()->width());
}

bool TableBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent&>(*event));
    if (watched == view_->viewport()) {
        if (event->type() == QEvent::Resize) {
            fitRows();
            fitColumns();
        }
        if (event->type() == QEvent::Wheel) {
            const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
            if (steps != 0)
                run([this, steps] { model_->window().scroll(-steps * kWheelRows); });
            return true;
        }
    }
    if (watched == window() && event->type() == QEvent::WindowActivate
        && std::chrono::steady_clock::now() - rowsReadAt_ >= kRowsFreshFor)
        refresh();
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvela

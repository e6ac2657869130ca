#include "gui/CodeListWindow.h"

#include <QKeyEvent>
#include <QTableView>

#include "controls/MessageBoxes.h"
#include "data/company/TData.h"
#include "data/table/LockRecordWithRetry.h"
#include "platform/Error.h"

namespace tarvela {

CodeListWindow::CodeListWindow(QWidget* owner, TData& data, DbfTable& table,
                               std::vector<TableRowsModel::Column> columns,
                               std::initializer_list<GridStep> navigator)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data), table_(table), rows_(new TableRowsModel(table, std::move(columns), this)),
      grid_(new QTableView(this)), panel_(std::make_unique<GridPanel>(*this, *grid_, navigator))
{
    grid_->setModel(rows_);
    refreshRows();
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { followGrid(); });
    connect(grid_, &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    grid_->setFocus();
}

CodeListWindow::~CodeListWindow() = default;

void CodeListWindow::refreshRows()
{
    rows_->refresh();
    showCurrentRow();
}

void CodeListWindow::showCurrentRow()
{
    const int row = rows_->rowOf(table_.recordNumber());
    if (row >= 0)
        grid_->selectRow(row);
}

bool CodeListWindow::followGrid()
{
    const std::uint32_t record = rows_->recordOf(grid_->currentIndex().row());
    if (record != 0 && table_.state() == DbfTable::State::Browse)
        table_.setRecordNumber(record);
    return record != 0;
}

void CodeListWindow::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CodeListWindow::chooseCurrent()
{
    if (followGrid())
        accept();
}

void CodeListWindow::editInForm(bool isNew, const std::function<bool()>& runForm)
{
    if (!isNew && (!followGrid() || !LockRecordWithRetry(table_, data_.ui())))
        return;
    try {
        if (isNew)
            table_.append();
        else
            table_.edit();
        if (runForm())
            table_.post();
        else
            table_.cancel();
    } catch (const Error& error) {
        if (table_.state() != DbfTable::State::Browse)
            table_.cancel();
        data_.ui().showMessage(error.what());
    }
    if (!isNew)
        table_.unlockRecord();
    refreshRows();
    grid_->setFocus();
}

bool CodeListWindow::confirmDelete()
{
    if (!grid_->hasFocus() || !followGrid())
        return false;
    const auto answer = askQuestion(this, windowTitle(), QStringLiteral("Delete record?"),
                                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    return answer == QMessageBox::Ok;
}

} // namespace tarvela

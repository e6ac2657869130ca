#include "screens/users/TPrehledPravUzi.h"

#include <QEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include "controls/MessageBoxes.h"
#include "data/company/TData.h"
#include "gui/ColumnFit.h"
#include "gui/GridPanel.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

constexpr int kTaskRole = Qt::UserRole + 1;

} // namespace

TPrehledPravUzi::TPrehledPravUzi(QWidget* owner, TData& data, UserRights& rights, const std::string& code,
                                 const std::string& group)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data), rights_(data, rights, code, group), rows_(new QStandardItemModel(0, 3, this)),
      grid_(new QTableView(this)),
      panel_(std::make_unique<GridPanel>(*this, *grid_,
                                         std::initializer_list<GridStep> {GridStep::First, GridStep::Previous,
                                                                          GridStep::Next, GridStep::Last}))
{
    setWindowTitle(rights_.isGroupMode() ? QStringLiteral("Přehled práv skupiny uživatelů")
                                         : QStringLiteral("Přehled práv uživatele"));
    setFixedSize(382, 254);
    rows_->setHorizontalHeaderLabels(
        {QStringLiteral("Název funkce programu"), QStringLiteral("Typ práva"), QStringLiteral("Hodn.")});
    grid_->setModel(rows_);
    QPushButton* change = panel_->addCommand(QStringLiteral("F4 Změna"), Qt::Key_F4, [this] { changeRight(); });
    change->setEnabled(rights_.mayChange());
    panel_->addShortcut(Qt::Key_Delete, [this] { deriveFromGroup(); });
    showRows({});
    fitColumnWidths(*grid_, {225, 70}, 0, width() - 2);
    grid_->setFocus();
}

TPrehledPravUzi::~TPrehledPravUzi() = default;

bool TPrehledPravUzi::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        showRows(currentTask());
    return QDialog::event(event);
}

std::string TPrehledPravUzi::currentTask() const
{
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? rows_->index(current.row(), 0).data(kTaskRole).toString().toStdString()
                             : std::string();
}

void TPrehledPravUzi::showRows(const std::string& selectedTask)
{
    std::vector<TaskRight> rows;
    try {
        rows = rights_.rows();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    rows_->setRowCount(0);
    int selected = 0;
    for (const TaskRight& row : rows) {
        auto* name = new QStandardItem(QString::fromStdString(row.NazevUlohy));
        name->setData(QString::fromStdString(row.KodUlohy), kTaskRole);
        rows_->appendRow({name, new QStandardItem(QString::fromStdString(row.Zdroj)),
                          new QStandardItem(QString::fromStdString(row.Stav))});
        if (row.KodUlohy == selectedTask)
            selected = rows_->rowCount() - 1;
    }
    if (rows_->rowCount() > 0)
        grid_->selectRow(selected);
}

void TPrehledPravUzi::changeRight()
{
    const std::string task = currentTask();
    if (task.empty())
        return;
    try {
        rights_.change(task);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    showRows(task);
    grid_->setFocus();
}

void TPrehledPravUzi::deriveFromGroup()
{
    // The question deactivates the window and rebuilds its rows: act on the
    // task chosen before it.
    const std::string task = currentTask();
    if (task.empty() || rights_.isGroupMode() || !rights_.mayChange())
        return;
    const auto answer = askQuestion(this, windowTitle(), QStringLiteral("Odvodit právo od uživ. skupiny ?"),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
                                    pos() + QPoint(10, 50));
    if (answer != QMessageBox::Yes) {
        showRows(task);
        return;
    }
    try {
        rights_.deriveFromGroup(task);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    showRows(task);
    grid_->setFocus();
}

} // namespace tarvela

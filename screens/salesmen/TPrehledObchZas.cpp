#include "screens/salesmen/TPrehledObchZas.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/WindowPlacement.h"
#include "data/table/LockRecordWithRetry.h"
#include "data/company/TData.h"
#include "platform/Error.h"
#include "screens/cards/TPrehledProvKarta.h"
#include "screens/salesmen/TObchEditForm.h"
#include "gui/TableRowsModel.h"

namespace tarvela {

TPrehledObchZas::TPrehledObchZas(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      rows_(new TableRowsModel(data.Obchodnici,
                               {{"OBC_KOD", QStringLiteral("Kód")},
                                {"OBC_NAC", QStringLiteral("Název obchodníka")},
                                {"OBC_LIM", QStringLiteral("Lim.sl. %")},
                                {"OBC_KRA", QStringLiteral("Koe.kr.pr.")},
                                {"OBC_SPL", QStringLiteral("Lim.spl.")}},
                               this)),
      grid_(new QTableView(this))
{
    setWindowTitle(QStringLiteral("Přehled obchodních zástupců"));
    resize(414, 230);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(4, 4, 4, 4);
    const QString navigation[] = {"|<", "<", ">", ">|"};
    QPushButton* navigators[4];
    for (int i = 0; i < 4; ++i) {
        navigators[i] = new QPushButton(navigation[i], this);
        navigators[i]->setFixedWidth(26);
        navigators[i]->setFocusPolicy(Qt::NoFocus);
        panel->addWidget(navigators[i]);
    }
    panel->addStretch();
    const std::pair<QString, void (TPrehledObchZas::*)()> buttons[] = {
        {QStringLiteral("F9 Karty"), &TPrehledObchZas::showCards},
        {QStringLiteral("F4 Oprava"), &TPrehledObchZas::changeSalesman},
        {QStringLiteral("F2 Nový"), &TPrehledObchZas::newSalesman}};
    for (const auto& [caption, command] : buttons) {
        auto* button = new QPushButton(caption, this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
        panel->addWidget(button);
    }
    layout->addLayout(panel);
    layout->addWidget(grid_);

    grid_->setModel(rows_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(18);
    grid_->horizontalHeader()->setStretchLastSection(true);
    refreshRows();
    grid_->setColumnWidth(0, 40);
    grid_->setColumnWidth(1, 170);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TPrehledObchZas::followGrid);
    connect(grid_, &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    const int steps[] = {0, -1, 1, 2};
    for (int i = 0; i < 4; ++i) {
        connect(navigators[i], &QPushButton::clicked, this, [this, step = steps[i]] {
            const int last = rows_->rowCount() - 1;
            const int row = step == 0 ? 0 : step == 2 ? last : grid_->currentIndex().row() + step;
            grid_->selectRow(std::clamp(row, 0, std::max(0, last)));
        });
    }

    addShortcut(Qt::Key_F2, &TPrehledObchZas::newSalesman);
    addShortcut(Qt::Key_F4, &TPrehledObchZas::changeSalesman);
    addShortcut(Qt::Key_F9, &TPrehledObchZas::showCards);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), &TPrehledObchZas::deleteSalesman);
    grid_->setFocus();
}

void TPrehledObchZas::addShortcut(const QKeySequence& keys, void (TPrehledObchZas::*command)())
{
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, command);
}

void TPrehledObchZas::refreshRows()
{
    rows_->refresh();
    showCurrentRow();
}

void TPrehledObchZas::showCurrentRow()
{
    const int row = rows_->rowOf(data_.Obchodnici.recordNumber());
    if (row >= 0)
        grid_->selectRow(row);
}

void TPrehledObchZas::followGrid()
{
    const std::uint32_t record = rows_->recordOf(grid_->currentIndex().row());
    if (record != 0 && data_.Obchodnici.state() == DbfTable::State::Browse)
        data_.Obchodnici.setRecordNumber(record);
}

void TPrehledObchZas::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrehledObchZas::chooseCurrent()
{
    if (rows_->rowCount() > 0) {
        followGrid();
        accept();
    }
}

void TPrehledObchZas::newSalesman()
{
    editInForm(true, &DbfTable::append);
    refreshRows();
    grid_->setFocus();
}

void TPrehledObchZas::changeSalesman()
{
    DbfTable& salesmen = data_.Obchodnici;
    if (rows_->rowCount() == 0)
        return;
    followGrid();
    if (!LockRecordWithRetry(salesmen, data_.ui()))
        return;
    editInForm(false, &DbfTable::edit);
    salesmen.unlockRecord();
    refreshRows();
    grid_->setFocus();
}

void TPrehledObchZas::editInForm(bool isNew, void (DbfTable::*start)())
{
    DbfTable& salesmen = data_.Obchodnici;
    try {
        TObchEditForm form(this, data_, isNew);
        (salesmen.*start)();
        form.refreshFields();
        placeAt(form, *this, 40, 30);
        if (form.exec() == QDialog::Accepted)
            salesmen.post();
        else
            salesmen.cancel();
    } catch (const Error& error) {
        if (salesmen.state() != DbfTable::State::Browse)
            salesmen.cancel();
        data_.ui().showMessage(error.what());
    }
}

void TPrehledObchZas::deleteSalesman()
{
    if (rows_->rowCount() == 0 || !grid_->hasFocus())
        return;
    followGrid();
    const auto answer = QMessageBox::question(this, windowTitle(), QStringLiteral("Delete record?"),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    DbfTable& salesmen = data_.Obchodnici;
    try {
        if (LockRecordWithRetry(salesmen, data_.ui())) {
            salesmen.deleteRecord();
            salesmen.unlockRecord();
        }
    } catch (const Error& error) {
        salesmen.unlockRecord();
        data_.ui().showMessage(error.what());
    }
    refreshRows();
}

void TPrehledObchZas::showCards()
{
    if (rows_->rowCount() > 0) {
        followGrid();
        TPrehledProvKarta::showFor(*this, data_, data_.Obchodnici.asString("OBC_KOD"));
    }
    grid_->setFocus();
}

} // namespace tarvela

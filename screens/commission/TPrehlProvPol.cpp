#include "screens/commission/TPrehlProvPol.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "commission/CommissionItemRows.h"
#include "data/mem/MemTable.h"

namespace tarvela {

TPrehlProvPol::TPrehlProvPol(QWidget* owner, MemTable& items)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      grid_(new QTableView(this))
{
    setWindowTitle(QStringLiteral("Přehled položek dokladu"));
    setSizeGripEnabled(true);
    resize(639, 247);
    const auto& columns = commissionItemColumns();
    auto* model = new QStandardItemModel(0, static_cast<int>(columns.size()), this);
    for (std::size_t c = 0; c < columns.size(); ++c)
        model->setHeaderData(static_cast<int>(c), Qt::Horizontal, QString::fromStdString(columns[c].title));
    for (const auto& texts : commissionItemTexts(items)) {
        QList<QStandardItem*> row;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            auto* cell = new QStandardItem(QString::fromStdString(texts[c]));
            const bool numeric = items.schema().at(items.schema().indexOf(columns[c].field)).type
                                 == MemFieldType::Float;
            cell->setTextAlignment(numeric ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
            row.append(cell);
        }
        model->appendRow(row);
    }
    grid_->setModel(model);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(18);
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].width > 0)
            grid_->setColumnWidth(static_cast<int>(c), columns[c].width);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(2, 2, 2, 2);
    const std::pair<QString, int> moves[] = {{"|<", 0}, {"<", -1}, {">", 1}, {">|", 2}};
    for (const auto& [caption, step] : moves) {
        auto* button = new QPushButton(caption, this);
        button->setFixedWidth(26);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, model, step = step] {
            const int last = model->rowCount() - 1;
            const int row = step == 0 ? 0 : step == 2 ? last : grid_->currentIndex().row() + step;
            grid_->selectRow(std::clamp(row, 0, std::max(0, last)));
        });
        panel->addWidget(button);
    }
    panel->addStretch();
    layout->addLayout(panel);
    layout->addWidget(grid_);
    grid_->selectRow(0);
    grid_->setFocus();
}

} // namespace tarvela

#include "screens/commission/TPrehlProvPol.h"

#include <QStandardItemModel>
#include <QTableView>

#include "commission/CommissionItemRows.h"
#include "data/mem/MemTable.h"
#include "gui/GridPanel.h"

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
    layOutGridPanel(*this, *grid_, {GridStep::First, GridStep::Previous, GridStep::Next, GridStep::Last});
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].width > 0)
            grid_->setColumnWidth(static_cast<int>(c), columns[c].width);
    grid_->selectRow(0);
    grid_->setFocus();
}

} // namespace tarvela

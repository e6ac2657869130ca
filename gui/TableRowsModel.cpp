#include "gui/TableRowsModel.h"

#include "controls/FieldBinding.h"
#include "data/table/DbfTable.h"

namespace tarvela {

TableRowsModel::TableRowsModel(DbfTable& table, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns))
{
}

void TableRowsModel::refresh()
{
    beginResetModel();
    rows_.clear();
    numeric_.assign(columns_.size(), false);
    if (table_.isOpen()) {
        std::vector<FieldBinding> bindings(columns_.size());
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            bindings[i].bind(&table_, columns_[i].field);
            numeric_[i] = bindings[i].holdsFloat();
        }
        const std::uint32_t current = table_.recordNumber();
        for (table_.first(); !table_.eof(); table_.next()) {
            Row row {table_.recordNumber(), {}};
            for (const auto& binding : bindings)
                row.texts << binding.storedText();
            rows_.push_back(std::move(row));
        }
        if (current != 0)
            table_.setRecordNumber(current);
        else
            table_.first();
    }
    endResetModel();
}

std::uint32_t TableRowsModel::recordOf(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].recordNumber : 0;
}

int TableRowsModel::rowOf(std::uint32_t recordNumber) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].recordNumber == recordNumber)
            return static_cast<int>(i);
    }
    return -1;
}

int TableRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TableRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[index.row()].texts.value(index.column());
    if (role == Qt::TextAlignmentRole && numeric_[index.column()])
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TableRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < static_cast<int>(columns_.size()))
        return columns_[section].label;
    return {};
}

} // namespace tarvela

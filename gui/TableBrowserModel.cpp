#include "gui/TableBrowserModel.h"

#include <algorithm>

#include "data/table/DbfTable.h"
#include "data/table/FieldDisplay.h"
#include "platform/Text.h"

namespace tarvela {

TableBrowserModel::TableBrowserModel(DbfTable& table, std::vector<BrowserColumn> columns,
                                     TableWindow::RowFilter filter, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      columns_(std::move(columns)),
      window_(table, [this](const DbfTable& t, WindowRow& row) { readRow(t, row); }, std::move(filter))
{
    for (BrowserColumn& column : columns_) {
        const LayoutField* field = table.layout() ? table.layout()->find(column.field) : nullptr;
        if (column.title.isEmpty() && field != nullptr)
            column.title = QString::fromStdString(field->label);
    }
}

void TableBrowserModel::readRow(const DbfTable& table, WindowRow& row) const
{
    row.cells.reserve(columns_.size());
    for (const BrowserColumn& column : columns_)
        row.cells.push_back(column.lookup ? column.lookup(table) : displayText(table, column.field));
    const QColor colour = rowColour_ ? rowColour_(table) : QColor();
    row.mark = colour.isValid() ? static_cast<int>(colour.rgb()) : 0;
}

// Rows are replaced in place rather than by a reset, which would also reset
// the column widths of the header.
void TableBrowserModel::rowsReplaced()
{
    const int now = static_cast<int>(window_.rows().size());
    if (now > shownRows_) {
        beginInsertRows({}, shownRows_, now - 1);
        shownRows_ = now;
        endInsertRows();
    } else if (now < shownRows_) {
        beginRemoveRows({}, now, shownRows_ - 1);
        shownRows_ = now;
        endRemoveRows();
    }
    if (now > 0)
        emit dataChanged(index(0, 0), index(now - 1, columnCount() - 1));
}

int TableBrowserModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
}

int TableBrowserModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool TableBrowserModel::isNumeric(int column) const
{
    if (!table_.isOpen())
        return false;
    const auto& fields = table_.fields();
    const auto found = std::ranges::find_if(fields, [&](const FieldDescriptor& d) {
        return equalIgnoringAsciiCase(d.name, columns_[column].field);
    });
    return found != fields.end() && (found->type == 'N' || found->type == 'F');
}

QVariant TableBrowserModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(window_.rows().size()))
        return {};
    const WindowRow& row = window_.rows()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(row.cells[index.column()]);
    case Qt::ForegroundRole:
        return row.mark != 0 ? QVariant(QColor::fromRgb(static_cast<QRgb>(row.mark))) : QVariant();
    case Qt::TextAlignmentRole:
        return isNumeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant TableBrowserModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < static_cast<int>(columns_.size()))
        return columns_[section].title;
    return {};
}

} // namespace tarvela

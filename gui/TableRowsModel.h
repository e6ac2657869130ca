// The rows of an open DbfTable for a read-only grid: chosen fields as
// columns, one row per record in the table's current order. Rows are read
// when refresh() is called (small code lists only); rowOf/recordOf connect
// grid rows with record numbers.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <string>
#include <vector>

namespace tarvela {

class DbfTable;

class TableRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        std::string field;
        QString label;
    };

    TableRowsModel(DbfTable& table, std::vector<Column> columns, QObject* parent = nullptr);

    // Reads every row again; the table stays on the record it stood on.
    void refresh();
    std::uint32_t recordOf(int row) const;
    int rowOf(std::uint32_t recordNumber) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        std::uint32_t recordNumber;
        QStringList texts;
    };

    DbfTable& table_;
    std::vector<Column> columns_;
    std::vector<bool> numeric_;
    std::vector<Row> rows_;
};

} // namespace tarvela

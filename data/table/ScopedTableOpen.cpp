#include "data/table/ScopedTableOpen.h"

#include "data/company/TData.h"
#include "data/table/DbfTable.h"

namespace tarvela {

ScopedTableOpen::ScopedTableOpen(DbfTable& table) : table_(table)
{
    if (table_.isOpen())
        return;
    table_.open();
    openedHere_ = true;
}

ScopedTableOpen::ScopedTableOpen(TData& data, DbfTable& table, const std::string& tag)
    : data_(&data), table_(table)
{
    if (table_.isOpen())
        return;
    data.openTable(table_, tag);
    openedHere_ = table_.isOpen();
}

ScopedTableOpen::~ScopedTableOpen()
{
    if (!openedHere_)
        return;
    try {
        if (data_)
            data_->closeTable(table_);
        else
            table_.close();
    } catch (...) {
        // Closing only releases files; a failure here must not hide the
        // error that may be unwinding the operation.
    }
}

} // namespace tarvela

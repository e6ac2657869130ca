#include "data/ScopedTableOpen.h"

#include "data/DbfTable.h"

namespace tarvela {

ScopedTableOpen::ScopedTableOpen(DbfTable& table, const std::function<void()>& open,
                                 std::function<void()> close)
    : close_(std::move(close))
{
    if (table.isOpen())
        return;
    open();
    openedHere_ = table.isOpen();
}

ScopedTableOpen::~ScopedTableOpen()
{
    if (!openedHere_)
        return;
    try {
        close_();
    } catch (...) {
        // Closing only releases files; a failure here must not hide the
        // error that may be unwinding the operation.
    }
}

} // namespace tarvela

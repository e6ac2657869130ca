#include "data/cdx/HeldIndexLock.h"

#include "platform/Error.h"

namespace tarvela::cdx {

HeldIndexLock::HeldIndexLock(IndexFile& file, const std::string& tableName) : file_(&file)
{
    if (!file_->lock())
        throw Error(formatMessage("Could not lock indexes for Table %s", tableName));
}

HeldIndexLock::~HeldIndexLock()
{
    if (file_)
        file_->unlock();
}

} // namespace tarvela::cdx

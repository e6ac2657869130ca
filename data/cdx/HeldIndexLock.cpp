#include "data/cdx/HeldIndexLock.h"

#include "platform/Error.h"
#include "platform/ReadBatch.h"

namespace tarvela::cdx {

HeldIndexLock::HeldIndexLock(IndexFile& file, const std::string& tableName) : file_(&file)
{
    // Our own lock kept by another opening of the file would refuse us.
    releaseLocksKeptOn(file.identity(), nullptr);
    if (!file_->lock())
        throw Error(formatMessage("Could not lock indexes for Table %s", tableName));
}

HeldIndexLock::~HeldIndexLock()
{
    if (file_)
        file_->unlock();
}

} // namespace tarvela::cdx

// Locks the current record of a table before it is changed: up to 10
// attempts about 100 ms apart, letting window messages be processed after
// each. The table stands on the same record afterwards, whatever those
// messages did with it. On failure the user is told and the change must be
// given up.
#pragma once

#include "data/table/DbfTable.h"
#include "platform/Ui.h"

namespace tarvela {

bool LockRecordWithRetry(DbfTable& table, Ui& ui);

} // namespace tarvela

// The memory table of the commission of documents: one row per card and
// variant, in the order each first appeared in the journal.
#pragma once

#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeDokladObsahFak();

} // namespace tarvela

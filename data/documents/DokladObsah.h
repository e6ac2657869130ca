// The work table of the document totals: one row per card and variant of the
// document being totalled, located by DOK_KAV and DOK_IND.
#pragma once

#include "data/mem/MemTable.h"

namespace tarvela {

MemTable makeDokladObsah();

} // namespace tarvela

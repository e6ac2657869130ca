// Which group field of a product card rates the items of a document: the
// products were regrouped on 1 January 2007, and documents issued before then
// keep the old group (SOR_SKO), later ones take the current one (SOR_SKU).
#pragma once

#include "platform/Date.h"

namespace tarvela {

const char* cardGroupField(DayNumber issueDate);

} // namespace tarvela

// Stores the chosen main and receipt printers by their positions in the list
// of installed printers: in the owner record (VLA_PR1, VLA_PR2), in the data
// module and in Merkan.ini. The owner record is written under its lock. A
// printer the user did not choose (no printer installed, or a stored
// position beyond the list) keeps its stored value everywhere.
#pragma once

#include <optional>

namespace tarvela {

class TData;

// False when the owner record stayed locked; nothing is changed then.
bool storePrinterChoice(TData& data, std::optional<int> mainPrinter, std::optional<int> receiptPrinter);

} // namespace tarvela

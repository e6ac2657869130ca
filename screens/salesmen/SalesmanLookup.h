// The salesman code check of the document dialogs: whether a code names a
// salesman, and the salesmen list as a lookup. Each opens Obchodnici for as
// long as it needs it.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tarvela {

class TData;

// Whether a salesman of exactly this 3-character code exists.
bool salesmanExists(TData& data, const std::string& code);
// The salesman's name; empty for an unknown code.
std::string salesmanName(TData& data, const std::string& code);
// The salesmen list in selection mode at the dialog's position plus 40, 30,
// on the first salesman; the chosen code, nothing when cancelled.
std::optional<std::string> chooseSalesman(QWidget& dialog, TData& data);

} // namespace tarvela

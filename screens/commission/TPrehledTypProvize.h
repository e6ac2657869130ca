// The list of commission kinds (TypProvize), the lookup of the split row
// dialog's kind field: in selection mode Enter or a double click closes it
// with OK and the table stands on the chosen kind. TypProvize must be open.
#pragma once

#include <optional>
#include <string>

#include "gui/CodeLookupList.h"

namespace tarvela {

class TData;

class TPrehledTypProvize : public CodeLookupList {
    Q_OBJECT
public:
    TPrehledTypProvize(QWidget* owner, TData& data);

    // Whether a kind of exactly this 3-character code exists.
    static bool kindExists(TData& data, const std::string& code);
    // Shows the list in selection mode at the opener's position plus 40, 90
    // on the first kind; the chosen code, nothing when cancelled.
    static std::optional<std::string> choose(QWidget& opener, TData& data);
};

} // namespace tarvela

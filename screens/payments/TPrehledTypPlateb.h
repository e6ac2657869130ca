// The list of payment types (TypPlatby), mostly as the lookup of the payment
// dialog's type field: in selection mode Enter or a double click closes it
// with OK and the table stands on the chosen type. Its "F4 Oprava" and
// "F2 Nový" do nothing. TypPlatby must be open.
#pragma once

#include <optional>
#include <string>

#include "gui/CodeLookupList.h"

namespace tarvela {

class TData;

class TPrehledTypPlateb : public CodeLookupList {
    Q_OBJECT
public:
    TPrehledTypPlateb(QWidget* owner, TData& data);

    // Whether a type of exactly this 3-character code exists.
    static bool typeExists(TData& data, const std::string& code);
    // Shows the list in selection mode at the opener's position plus 40, 45
    // on the first type; the chosen code, nothing when cancelled.
    static std::optional<std::string> choose(QWidget& opener, TData& data);
};

} // namespace tarvela

// The check of a typed stock card number against the product range
// (Sortiment): a complete existing number passes, anything else goes to the
// product range list; a card retired from sale can be refused with
// "Sortiment vyřazen z prodeje". Sortiment is opened for the check when it
// is closed and closed again afterwards.
#pragma once

#include <functional>
#include <string>

namespace tarvela {

class TData;

inline constexpr const char* kRetiredCardMessage = "Sortiment vyřazen z prodeje";

// Shows the product range list in selection mode on the record Sortiment
// stands on; true when it closed with OK, Sortiment then on the chosen card.
using ProductChooser = std::function<bool()>;

// True when a card was found or chosen (and not refused); `card` then holds
// its SOR_KAV. The record of the card is remembered in data.lastCardRecord,
// where the list opens next time.
bool SorValidNew(TData& data, const std::string& text, bool refuseRetired, const ProductChooser& choose,
                 std::string& card);

} // namespace tarvela

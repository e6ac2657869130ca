// Turning the text of a seek or a range bound into a key of a tag: text keys
// lose their trailing blanks (an exact search pads them back to the key
// length), numeric tags read a number, date tags "dd.mm.yyyy" or "YYYYMMDD".
// nullopt when the text is not a value of the tag's type.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/dbf/FieldValue.h"
#include "data/cdx/Tag.h"

namespace tarvela::cdx {

std::optional<std::string> searchKey(const Tag& tag, const std::string& text852, bool exact);

// The full key of the tag built from one value per field of its expression,
// in the order the fields appear; missing values count as blank fields.
std::string keyFromValues(const Tag& tag, const std::vector<FieldValue>& values);

} // namespace tarvela::cdx

// Keys of a tag stored in another order than the Czech collation, as in an
// index that another program built with its own collation. Such a tag can be
// walked in its stored order but not searched: a seek would find the wrong
// place. The layer above names the file and the repair.
#pragma once

#include <string>

#include "platform/Error.h"

namespace tarvela::cdx {

class ForeignOrder : public Error {
public:
    explicit ForeignOrder(const std::string& tagName) : Error(tagName), tagName_(tagName) {}
    const std::string& tagName() const { return tagName_; }

private:
    std::string tagName_;
};

} // namespace tarvela::cdx

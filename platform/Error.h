// Failures are exceptions that carry the exact text the user should read.
// The caller decides whether to show it or to handle it.
#pragma once

#include <stdexcept>
#include <string>

namespace tarvela {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern with the argument.
std::string formatMessage(const std::string& pattern, const std::string& argument);

} // namespace tarvela

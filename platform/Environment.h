// The process environment, read in one place so that a port has one place
// to change.
#pragma once

#include <string>

namespace tarvela {

// The variable's value; empty when it is not set.
std::string environmentValue(const char* name);

} // namespace tarvela

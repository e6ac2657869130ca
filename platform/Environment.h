// The process environment, read in one place so that a port has one place
// to change.
#pragma once

#include <string>

namespace tarvela {

// The variable's value; empty when it is not set.
std::string environmentValue(const char* name);

// Whether standard error goes to a terminal (a person watching), rather than
// to a file or a pipe.
bool isStandardErrorTerminal();

} // namespace tarvela

// Where the program finds Merkan.ini: $TARVELA_HOME when it is set, else the
// folder of the running executable. The result always ends with '/'.
#pragma once

#include <string>

namespace tarvela {

// argv0 is the fallback when the executable's own path cannot be read.
std::string findProgramDirectory(const std::string& argv0);

} // namespace tarvela

// The user who runs the program and his documents folder, in place of the
// Windows logon name and the "Personal" shell folder of the registry.
#pragma once

#include <string>

namespace tarvela {

// The logon name of the current user; empty when it cannot be found.
std::string logonName();

// $TARVELA_DOCUMENTS, else the XDG documents folder, else the home folder;
// never the file-system root.
std::string documentsFolder();

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config; empty
// when neither is set.
std::string configFolder();

} // namespace tarvela

// Where the program finds Merkan.ini (and the path-mapping file beside it):
//   1. $TARVELA_HOME when it is set;
//   2. the folder of the executable when Merkan.ini is there (a build, or a
//      copy kept beside Merkan.ini as on Windows);
//   3. the first of $XDG_CONFIG_HOME/tarvela/ (default ~/.config/tarvela/)
//      and DIR/tarvela/ for each DIR of $XDG_CONFIG_DIRS (default /etc/xdg)
//      that holds Merkan.ini: what an installed copy uses;
//   4. otherwise the user's folder of step 3, so that the message about the
//      missing file names the place to put it.
// The result always ends with '/'.
#pragma once

#include <filesystem>
#include <string>

namespace tarvela {

// argv0 is the fallback when the executable's own path cannot be read.
std::string findProgramDirectory(const std::string& argv0);

// The search above for the given executable.
std::string programDirectoryFor(const std::filesystem::path& executable);

// A folder named on the command line (--program-dir), with its separator.
std::string namedProgramDirectory(std::string folder);

} // namespace tarvela

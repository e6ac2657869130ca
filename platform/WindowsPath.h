// Windows paths from Merkan.ini ("X:\merkan\data\", "\\server\share\data")
// turned into local paths. Backslashes are separators; a drive letter or a
// \\server\share prefix is replaced by the local folder the user's own
// path-mapping file names. Merkan.ini itself is never used for this: the
// sibling system shares it.
//
// The mapping file "tarvela-paths.ini" is looked for in the program
// directory (the folder of Merkan.ini), then in $XDG_CONFIG_HOME/tarvela/
// (default ~/.config/tarvela/). One mapping per line, prefix "=" local
// folder, letter case of the prefix ignored; blank lines and lines starting
// with ";" or "#" are ignored:
//     X:=/mnt/merkan
//     \\server\share=/mnt/share
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvela {

class PathMapping {
public:
    static constexpr const char* kFileName = "tarvela-paths.ini";

    // The first mapping file found (see above); empty when there is none.
    static PathMapping load(const std::string& programDirectory);
    static PathMapping parse(std::string_view text);

    void add(const std::string& windowsPrefix, const std::string& localFolder);
    bool empty() const { return entries_.empty(); }

    // A path without drive or server prefix only gets its separators turned.
    // A doubled separator (the program directory joined with "\data\")
    // becomes one.
    // Error when a drive or \\server\share prefix has no mapping.
    std::string toLocal(const std::string& windowsPath) const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;  // prefix with '/', local folder
};

} // namespace tarvela

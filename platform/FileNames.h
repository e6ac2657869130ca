// File names of the shared data folder compared without regard to letter
// case: the sibling system spells one file "Fak", "FAK" and "fak". An exact
// match is always preferred, so case-sensitive folders behave as before.
#pragma once

#include <optional>
#include <string>

namespace tarvela {

// The entry of directory whose name equals name ignoring ASCII case, as a
// full path; nullopt when there is none.
std::optional<std::string> findFileIgnoringCase(const std::string& directory, const std::string& name);

// The existing path that equals path ignoring the case of each component;
// path itself when no such file exists.
std::string resolvePathIgnoringCase(const std::string& path);

} // namespace tarvela

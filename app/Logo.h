// The company logo named by LogoFile, loaded once at start-up.
#pragma once

#include <QPixmap>
#include <optional>
#include <string>

namespace tarvela {

// Nothing when the file does not exist; throws Error when it exists but is
// no picture.
std::optional<QPixmap> loadLogo(const std::string& path);

} // namespace tarvela

// The Qt font that draws report text. Every report font name ("Arial",
// "ArialCE", "Arial CE", ...) maps to Liberation Sans, the Arial-compatible
// font whose widths the canvas measured with; the character set has no
// further effect. Needs a QGuiApplication.
#pragma once

#include <QFont>

#include "report/Font.h"

namespace tarvela {

// size is the font's em height in the painter's user units; dpi is the
// logical resolution of the device painted on.
QFont reportFont(const FontSpec& spec, double size, double dpi);

} // namespace tarvela

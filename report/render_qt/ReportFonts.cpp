#include "report/render_qt/ReportFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace tarvela {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/liberation2";
constexpr const char* kFamily = "Liberation Sans";

// Registers the font files with Qt once, so the family is found even where
// the font configuration of the machine does not list it.
void loadFontFiles()
{
    static const bool loaded = [] {
        const QDir folder(kFontFolder);
        for (const QString& file : folder.entryList({"LiberationSans-*.ttf"}, QDir::Files))
            QFontDatabase::addApplicationFont(folder.filePath(file));
        return true;
    }();
    (void)loaded;
}

} // namespace

QFont reportFont(const FontSpec& spec, double size, double dpi)
{
    loadFontFiles();
    QFont font(kFamily);
    font.setPointSizeF(size * 72.0 / dpi);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    // The canvas measured with plain advance widths: no kerning, no hinting.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

} // namespace tarvela

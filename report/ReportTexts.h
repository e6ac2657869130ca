// The fixed texts and settings of report output that both the report system
// and the Qt devices show; kept in one place so they cannot drift apart.
#pragma once

namespace tarvela::reporttext {

inline constexpr const char* kStatusTitle = "Stav přípravy tisku";
inline constexpr const char* kGeneratingPage = "Generuji stranu %p";
inline constexpr const char* kPrintingPage = "Tisknu stranu %p";
inline constexpr const char* kPreviewTitle = "Náhled před tiskem";
inline constexpr const char* kPrintJobTitle = "Dodavky od dodavatele";

inline constexpr const char* kPdfFormatName = "Adobe Acrobat (PDF)";
inline constexpr const char* kPdfPattern = "*.pdf";
inline constexpr const char* kHtmlFormatName = "Stánky WWW (HTML)";
inline constexpr const char* kHtmlPattern = "*.html;*.htm";
inline constexpr const char* kSnapshotFormatName = "Snímek sestavy";
inline constexpr const char* kSnapshotPattern = "*.tvs";

} // namespace tarvela::reporttext

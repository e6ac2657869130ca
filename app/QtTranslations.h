// Qt's own texts (the standard buttons, the file dialog, the print dialog)
// in Czech, like every text of the program: the translations that Qt ships
// (Debian package qt6-translations-l10n). Without them Qt stays English.
#pragma once

class QApplication;

namespace tarvela {

// True when the Czech translation of Qt was found and installed.
bool installCzechQtTexts(QApplication& application);

} // namespace tarvela

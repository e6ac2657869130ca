#include "gui/TProgresWin.h"

#include <QLabel>
#include <QProgressBar>

namespace tarvela {

TProgresWin::TProgresWin(QWidget* owner)
    : ProgressWindow(owner, QStringLiteral("Indexace datových souborů"), new QLabel)
{
    auto* fixed = new QLabel(QStringLiteral("Indexace souboru :"), this);
    // The caption follows the fixed text at the width the font gives it.
    const int fixedWidth = fixed->sizeHint().width();
    fixed->setGeometry(8, 10, fixedWidth, 16);
    captionLabel()->setGeometry(12 + fixedWidth, 10, 356 - fixedWidth, 16);
    bar()->setGeometry(8, 40, 360, 20);
}

} // namespace tarvela

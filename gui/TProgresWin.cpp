#include "gui/TProgresWin.h"

#include <QLabel>
#include <QProgressBar>

namespace tarvela {

TProgresWin::TProgresWin(QWidget* owner)
    : ProgressWindow(owner, QStringLiteral("Indexace datových souborů"), new QLabel)
{
    auto* fixed = new QLabel(QStringLiteral("Indexace souboru :"), this);
    fixed->setGeometry(8, 10, 100, 16);
    captionLabel()->setGeometry(112, 10, 256, 16);
    bar()->setGeometry(8, 40, 360, 20);
}

} // namespace tarvela

#include "gui/TProSesWin.h"

#include <QLabel>
#include <QProgressBar>

namespace tarvela {

TProSesWin::TProSesWin(QWidget* owner)
    : ProgressWindow(owner, QStringLiteral("Příprava dat pro sestavu"), new QLabel(QStringLiteral("Příprava dat")))
{
    captionLabel()->setAlignment(Qt::AlignCenter);
    captionLabel()->setGeometry(8, 10, 360, 16);
    bar()->setGeometry(8, 40, 360, 20);
}

} // namespace tarvela

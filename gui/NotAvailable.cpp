#include "gui/NotAvailable.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvela {

void showNotAvailable(QWidget* owner)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                    QStringLiteral("Tato funkce zatím není k dispozici."), QMessageBox::Ok, owner);
    box.exec();
}

} // namespace tarvela

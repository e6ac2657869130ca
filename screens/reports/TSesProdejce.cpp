#include "screens/reports/TSesProdejce.h"

#include <QButtonGroup>
#include <QCheckBox>

namespace tarvela {

TSesProdejce::TSesProdejce(QWidget* owner, const QString& title)
    : ListReportDialog(owner, title, 237, QStringLiteral("Sestava obratu  od  data"),
                       {QStringLiteral("Datumem je datum vystavení dokladu"),
                        QStringLiteral("Datumem je datum zdanitelného plnění"),
                        QStringLiteral("Datumem je datum splatnosti dokladu")})
{
    addXlsBox();
}

QWidget* TSesProdejce::enterTarget(QObject* control)
{
    if (dateKind()->buttons().contains(qobject_cast<QAbstractButton*>(control)))
        return xlsBox();
    return ListReportDialog::enterTarget(control);
}

} // namespace tarvela

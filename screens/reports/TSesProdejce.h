// Parameters of the sales by salesman: the period (preset by the command),
// the date kind and the spreadsheet check box. Enter on the date kind moves
// to the check box, Enter on the check box to "Storno". TSesOdberat, the
// dialog of the customer rebate, is the same under its own title.
#pragma once

#include "screens/reports/ListReportDialog.h"

namespace tarvela {

class TSesProdejce : public ListReportDialog {
    Q_OBJECT
public:
    explicit TSesProdejce(QWidget* owner, const QString& title = QStringLiteral("Sestava prodeje za obchodníky"));

protected:
    QWidget* enterTarget(QObject* control) override;
};

class TSesOdberat : public TSesProdejce {
    Q_OBJECT
public:
    explicit TSesOdberat(QWidget* owner) : TSesProdejce(owner, QStringLiteral("Sestava provizí za odběratele")) {}
};

} // namespace tarvela

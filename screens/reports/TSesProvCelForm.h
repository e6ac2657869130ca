// Parameters of the commission summary of all salesmen: the period only.
#pragma once

#include "screens/reports/ReportDialog.h"

namespace tarvela {

class TSesProvCelForm : public ReportDialog {
    Q_OBJECT
public:
    explicit TSesProvCelForm(QWidget* owner);
};

} // namespace tarvela

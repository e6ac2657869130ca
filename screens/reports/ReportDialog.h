// The common frame of the report parameter dialogs: a fixed window 317
// pixels wide with labelled fields from top to bottom and a lowered panel
// with "Spusť" and "Storno" along the bottom. Esc cancels; "Spusť" closes
// with OK only when canStart() agrees.
#pragma once

#include <QDialog>

namespace tarvela {

class TEditOrvo;
class TPelzarDateEdit;

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    TPelzarDateEdit* firstDate() const { return firstDate_; }
    TPelzarDateEdit* secondDate() const { return secondDate_; }

protected:
    ReportDialog(QWidget* owner, const QString& title, int clientHeight);

    TEditOrvo* addSalesmanField();
    void addPeriodFields();
    virtual bool canStart() { return true; }
    // Both dates show today when the dialog opens.
    void showEvent(QShowEvent* event) override;

private:
    int nextTop_ = 12;
    TPelzarDateEdit* firstDate_ = nullptr;
    TPelzarDateEdit* secondDate_ = nullptr;
};

} // namespace tarvela

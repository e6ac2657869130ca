// The progress window of work the user may stop (the spreadsheet export):
// a title, a gauge from 0 to 100 and a "Storno" button; closing the window
// cancels as well. Modeless; it lets pending window messages through at
// each step so that the button can be pressed.
#pragma once

#include <QDialog>

#include "platform/CancellableProgress.h"

class QProgressBar;
class QPushButton;

namespace tarvela {

class CancellableProgressWindow : public QDialog, public CancellableProgress {
    Q_OBJECT
public:
    CancellableProgressWindow(QWidget* owner, const QString& title);

    bool advance(int percent) override;
    bool isCancelled() const { return cancelled_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void reject() override;

private:
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool cancelled_ = false;
};

} // namespace tarvela

// A small modeless window with a caption line and a gauge from 0 to 100 that
// long runs keep up to date. The bar is repainted at once, because the run
// only lets pending window messages through now and then.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace tarvela {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    void setCaption(const QString& caption);
    QString caption() const;
    void setPercent(int percent);
    int percent() const;

protected:
    // The caption label and the bar are placed by the concrete window.
    ProgressWindow(QWidget* owner, const QString& title, QLabel* captionLabel);
    QLabel* captionLabel() const { return captionLabel_; }
    QProgressBar* bar() const { return bar_; }

private:
    QLabel* captionLabel_;
    QProgressBar* bar_;
};

} // namespace tarvela

#include "gui/ProgressWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace tarvela {

ProgressWindow::ProgressWindow(QWidget* owner, const QString& title, QLabel* captionLabel)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      captionLabel_(captionLabel), bar_(new QProgressBar(this))
{
    setWindowTitle(title);
    setFixedSize(376, 78);
    captionLabel_->setParent(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
}

void ProgressWindow::setCaption(const QString& caption)
{
    captionLabel_->setText(caption);
    captionLabel_->repaint();
}

QString ProgressWindow::caption() const
{
    return captionLabel_->text();
}

void ProgressWindow::setPercent(int percent)
{
    bar_->setValue(std::clamp(percent, 0, 100));
    bar_->repaint();
}

int ProgressWindow::percent() const
{
    return bar_->value();
}

} // namespace tarvela

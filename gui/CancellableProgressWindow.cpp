#include "gui/CancellableProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace tarvela {

CancellableProgressWindow::CancellableProgressWindow(QWidget* owner, const QString& title)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      bar_(new QProgressBar(this)), cancel_(new QPushButton(QStringLiteral("Storno"), this))
{
    setWindowTitle(title);
    setFixedSize(376, 96);
    auto* text = new QLabel(QStringLiteral("Zapisuji řádky do souboru"), this);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(8, 8, 360, 16);
    bar_->setGeometry(8, 30, 360, 20);
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    cancel_->setGeometry(150, 60, 75, 25);
    // The cancel button must stay usable under the busy cursor of the run.
    cancel_->setCursor(Qt::ArrowCursor);
    connect(cancel_, &QPushButton::clicked, this, &CancellableProgressWindow::reject);
}

bool CancellableProgressWindow::advance(int percent)
{
    bar_->setValue(std::clamp(percent, 0, 100));
    bar_->repaint();
    QApplication::processEvents();
    return !cancelled_;
}

void CancellableProgressWindow::reject()
{
    cancelled_ = true;
    hide();
}

} // namespace tarvela

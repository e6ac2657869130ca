#include "gui/QtUi.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "controls/MessageBoxes.h"
#include "gui/CancellableProgressWindow.h"
#include "gui/TProgresWin.h"
#include "gui/TProSesWin.h"
#include "platform/ReadBatch.h"

namespace tarvela {

namespace {

void centreOn(QWidget& window, const QRect& area)
{
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

QRect desktopArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

} // namespace

QtUi::QtUi(QWidget* owner)
    : owner_(owner)
{
}

QtUi::~QtUi()
{
    delete progress_.data();
    while (busyDepth_ > 0)
        setBusy(false);
}

void QtUi::showMessage(const std::string& text)
{
    releaseKeptForBatch();
    showMessageBox(messageOwner(owner_), QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                   QString::fromStdString(text));
}

bool QtUi::askYesNo(const std::string& text)
{
    releaseKeptForBatch();
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::NoButton, messageOwner(owner_));
    QPushButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
    focusKeepingAnswer(box, box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

void QtUi::processEvents()
{
    QCoreApplication::processEvents();
}

void QtUi::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

ProgressWindow* QtUi::createProgressWindow()
{
    if (kind_ == ProgressKind::ReportData) {
        auto* window = new TProSesWin(owner_);
        centreOn(*window, desktopArea());
        return window;
    }
    auto* window = new TProgresWin(owner_);
    centreOn(*window, owner_ != nullptr ? owner_->frameGeometry() : desktopArea());
    return window;
}

void QtUi::showProgress(const std::string& caption)
{
    if (progress_ == nullptr)
        progress_ = createProgressWindow();
    if (!caption.empty())
        progress_->setCaption(QString::fromStdString(caption));
    progress_->show();
    progress_->raise();
    QCoreApplication::processEvents();
}

void QtUi::setProgressCaption(const std::string& caption)
{
    if (progress_ != nullptr)
        progress_->setCaption(QString::fromStdString(caption));
}

void QtUi::setProgressPercent(int percent)
{
    if (progress_ != nullptr)
        progress_->setPercent(percent);
}

void QtUi::hideProgress()
{
    delete progress_.data();
}

std::unique_ptr<CancellableProgress> QtUi::openCancellableProgress(const std::string& title)
{
    auto window = std::make_unique<CancellableProgressWindow>(owner_, QString::fromStdString(title));
    centreOn(*window, desktopArea());
    window->show();
    QCoreApplication::processEvents();
    return window;
}

ReportProgressScope::ReportProgressScope(QtUi& ui)
    : ui_(ui), previous_(ui.progressKind())
{
    ui.setProgressKind(QtUi::ProgressKind::ReportData);
}

ReportProgressScope::~ReportProgressScope()
{
    ui_.setProgressKind(previous_);
}

} // namespace tarvela

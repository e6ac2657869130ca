#include "report/render_qt/StatusDialog.h"

#include <QCoreApplication>

namespace tarvela {

namespace {

constexpr int kEventIntervalMs = 50;

} // namespace

StatusDialog::StatusDialog(QWidget* parent) : parent_(parent) {}

StatusDialog::~StatusDialog()
{
    close();
}

void StatusDialog::open(const std::string& caption)
{
    close();
    dialog_ = new QProgressDialog(parent_);
    dialog_->setWindowTitle(QString::fromStdString(caption));
    dialog_->setCancelButtonText("Storno");
    dialog_->setRange(0, 0);
    dialog_->setMinimumDuration(0);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->show();
    sinceEvents_.start();
    QCoreApplication::processEvents();
}

void StatusDialog::setText(const std::string& text)
{
    if (dialog_)
        dialog_->setLabelText(QString::fromStdString(text));
}

bool StatusDialog::cancelRequested()
{
    if (!dialog_)
        return false;
    if (sinceEvents_.elapsed() >= kEventIntervalMs) {
        QCoreApplication::processEvents();
        sinceEvents_.restart();
    }
    return dialog_ && dialog_->wasCanceled();
}

void StatusDialog::close()
{
    delete dialog_.data();
}

} // namespace tarvela

#include "ShellModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace tarvela::test {

ShellModalWatcher::ShellModalWatcher(std::function<void(QDialog&)> onDialog)
    : onDialog_(std::move(onDialog))
{
    connect(&timer_, &QTimer::timeout, this, &ShellModalWatcher::poll);
    timer_.start(15);
}

void ShellModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        // A click, as the static QMessageBox functions read the clicked button.
        if (QAbstractButton* answer = box->button(QMessageBox::StandardButton(boxAnswer)))
            answer->click();
        else
            box->done(boxAnswer);
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr || !dialog->isVisible())
        return;
    dialogTitles << dialog->windowTitle();
    if (onDialog_)
        onDialog_(*dialog);
    else
        dialog->reject();
}

} // namespace tarvela::test

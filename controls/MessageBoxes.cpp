#include "controls/MessageBoxes.h"

#include <QApplication>
#include <QPushButton>

namespace tarvela {

QWidget* messageOwner(QWidget* preferred)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return preferred != nullptr ? preferred->window() : nullptr;
}

void showMessageBox(QWidget* over, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, over != nullptr ? over : messageOwner());
    box.exec();
}

void focusKeepingAnswer(QMessageBox& box, QAbstractButton* keeping)
{
    auto* button = qobject_cast<QPushButton*>(keeping);
    if (button == nullptr)
        return;
    box.setDefaultButton(button);
    box.setEscapeButton(button);
    button->setFocus();
}

QMessageBox::StandardButton askQuestion(QWidget* over, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton keeping, std::optional<QPoint> at)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, over != nullptr ? over : messageOwner());
    focusKeepingAnswer(box, box.button(keeping));
    if (at)
        box.move(*at);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace tarvela

// The program's message boxes: shown over the window that raised them (the
// active modal window or the active window when none is given), and with the
// button that keeps the data focused first, so that a hasty Enter, which
// presses the focused button, loses nothing.
#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <optional>

namespace tarvela {

// The window a message raised from `preferred` appears over.
QWidget* messageOwner(QWidget* preferred = nullptr);

void showMessageBox(QWidget* over, QMessageBox::Icon icon, const QString& title, const QString& text);

// Makes `keeping` the button focused first, the default and the Esc answer.
void focusKeepingAnswer(QMessageBox& box, QAbstractButton* keeping);

// `keeping` is the answer that changes nothing; it has the focus first and
// is what Esc answers. `at` places the box where a screen wants it.
QMessageBox::StandardButton askQuestion(QWidget* over, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton keeping,
                                        std::optional<QPoint> at = std::nullopt);

} // namespace tarvela

// Answers the modal windows that code under test opens: every message box is
// recorded and closed with boxAnswer (OK unless a test sets another); other
// modal dialogs are handed to a callback (default: rejected). Active from
// construction to destruction.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QDialog;

namespace tarvela::test {

class ShellModalWatcher : public QObject {
public:
    explicit ShellModalWatcher(std::function<void(QDialog&)> onDialog = {});

    QStringList messages;
    int boxAnswer = QMessageBox::Ok;
    QStringList dialogTitles;

private:
    void poll();

    std::function<void(QDialog&)> onDialog_;
    QTimer timer_;
};

} // namespace tarvela::test

// Gives the keyboard back when a window closes. A window manager activates
// the window beneath a closed dialog, but without one (or on the offscreen
// platform) no window is left active and every key typed afterwards is lost.
// Install it once on the application, before the first window opens.
#pragma once

#include <QObject>

class QApplication;

namespace tarvela {

class OwnerActivation : public QObject {
    Q_OBJECT
public:
    static void install(QApplication& application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit OwnerActivation(QObject* parent) : QObject(parent) {}
};

} // namespace tarvela

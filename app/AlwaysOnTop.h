// The main window's always-on-top switch: a pin button in the corner of the
// menu bar (hint "Always on top") and the item "Always on &top" of the
// window's context menu. Both toggle the window between topmost and normal
// stacking and show its actual state. It starts off and is not stored.
#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QToolButton;

namespace tarvela {

class AlwaysOnTop : public QObject {
    Q_OBJECT
public:
    explicit AlwaysOnTop(QMainWindow& window);

    bool isOn() const;
    void toggle();
    QAction& action() const { return *action_; }
    QToolButton& button() const { return *button_; }

private:
    void apply(bool on);

    QMainWindow& window_;
    QAction* action_;
    QToolButton* button_;
};

} // namespace tarvela

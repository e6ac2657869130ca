// The keys every validating control shares: Tab, or Enter while EnterIsTab
// is set, moves the focus on and marks the exit as a Tab exit; Space calls
// OnClickSpace when one is set. The owning control installs it on itself.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace tarvela {

class KeyRules : public QObject {
    Q_OBJECT
public:
    explicit KeyRules(QWidget& control);

    bool enterIsTab = true;
    // Enter also reaches the window as a dialog key, so that its default
    // button reacts once the control has been left.
    bool enterIsDialogKey = false;
    std::function<void()> onClickSpace;
    // Enter stays with the control while this answers true (an open calendar).
    std::function<bool()> holdsEnter;

    // True once after the control was left with Tab or Enter-as-Tab.
    bool takeTabExit();
    Qt::KeyboardModifiers tabExitModifiers() const { return tabModifiers_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent& key);
    void moveFocusOn(Qt::KeyboardModifiers modifiers);

    QWidget& control_;
    bool tabExit_ = false;
    Qt::KeyboardModifiers tabModifiers_;
};

bool isEnterKey(int key);

} // namespace tarvela

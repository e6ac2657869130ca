// A shown, active window holding controls in tab order, for key tests.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QVBoxLayout>

namespace tarvela::test {

class ControlsTestForm : public QDialog {
public:
    ControlsTestForm() { new QVBoxLayout(this); }

    template <class Control>
    Control* add()
    {
        auto* control = new Control(this);
        layout()->addWidget(control);
        return control;
    }

    bool showActive()
    {
        show();
        activateWindow();
        QApplication::setActiveWindow(this);
        return QTest::qWaitForWindowActive(this);
    }
};

} // namespace tarvela::test

// GoogleTest entry for the GUI tests: one application object on the
// offscreen platform for the whole run, which gives the keyboard back to the
// window beneath a closed dialog, lets Enter press a focused button and
// stops a failing command as the program does.
#include <QApplication>
#include <gtest/gtest.h>

#include "controls/DialogKeys.h"
#include "gui/OwnerActivation.h"
#include "gui/SafeApplication.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    tarvela::SafeApplication app(argc, argv);
    tarvela::OwnerActivation::install(app);
    tarvela::installDialogKeys(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// GoogleTest entry for the GUI tests: one QApplication on the offscreen
// platform for the whole run, which gives the keyboard back to the window
// beneath a closed dialog as the program does.
#include <QApplication>
#include <gtest/gtest.h>

#include "gui/OwnerActivation.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    tarvela::OwnerActivation::install(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

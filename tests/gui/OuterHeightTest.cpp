// The window heights of Merkan.ini are outer heights: the client area is
// smaller by the frame, and the height written back is the one read, so a
// height passed between the programs keeps its title bar.
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "gui/OuterHeight.h"

using namespace tarvela;

TEST(OuterHeight, ClientAreaLeavesRoomForTheFrameAndTheStoredHeightComesBack)
{
    QWidget window;
    auto* height = new OuterHeight(window, 430, 400, 361);
    EXPECT_EQ(window.width(), 430);
    EXPECT_LT(window.height(), 400);
    EXPECT_EQ(height->current(), 400);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(height->current(), 400) << "showing the window changes nothing";
    window.resize(430, window.height() + 25);
    EXPECT_EQ(height->current(), 425) << "the user's new size, frame included";

    QWidget unset;
    EXPECT_EQ((new OuterHeight(unset, 100, 0, 361))->current(), 361);
}

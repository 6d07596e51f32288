// Without a display SDL quietly picks a driver that shows nothing; the game
// must refuse to start then instead of running invisibly.
#include <gtest/gtest.h>

#include "platform/window/video_driver.h"

TEST(VideoDriver, OnlyDriversThatShowWindowsCount) {
    using sd::platform::ShowsWindows;
    EXPECT_TRUE(ShowsWindows("x11"));
    EXPECT_TRUE(ShowsWindows("wayland"));
    EXPECT_TRUE(ShowsWindows("KMSDRM"));
    EXPECT_FALSE(ShowsWindows("offscreen"));
    EXPECT_FALSE(ShowsWindows("dummy"));
    EXPECT_FALSE(ShowsWindows(nullptr));
}

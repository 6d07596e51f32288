// Alt+Enter between the window and full screen, and the canvas shown right
// after each switch.
#include <gtest/gtest.h>

#include <string>

#include "platform/input/element.h"
#include "platform_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

using namespace sd::platform;
using sd::platform::testing::HeadlessPlatform;

namespace {

// The first window pixel that is not the canvas pixel under its centre, or "".
// The dummy display is 4:3 like the canvas, so full screen has no bars.
std::string FirstWrongPixel(Platform& p) {
    const Surface window = Driver(p).windowPixels();
    const Surface canvas = Driver(p).snapshot();
    if (window.width() * 3 != window.height() * 4) return "window not 4:3";
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) {
            const int cx = static_cast<int>((x + 0.5) * canvas.width() / window.width());
            const int cy = static_cast<int>((y + 0.5) * canvas.height() / window.height());
            if (window.pixel(x, y) != canvas.pixel(cx, cy)) return std::to_string(x) + "," + std::to_string(y);
        }
    return "";
}

}  // namespace

class FullscreenKey : public HeadlessPlatform {
protected:
    void SetUp() override {
        Screen& s = platform.createScreen("Main");
        s.setBackground(Color{0, 0, 60});
        Surface stripes(400, 300);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) stripes.setPixel(x, y, MakeColor(x % 7 * 30, y % 5 * 50, 90));
        Element& e = s.addPanel("Stripes");
        e.setPicture(stripes);
        e.setPosition(200, 150);
        platform.showScreen(s);
        platform.processPendingEvents();
    }

    void press(Driver::Key key, bool alt, bool repeat = false) {
        Driver(platform).injectKeyDown(key, alt, repeat);
        platform.processPendingEvents();
    }
};

TEST_F(FullscreenKey, AltEnterSwitchesToFullScreenAndBack) {
    const uint64_t before = Driver(platform).presentCount();
    press(Driver::Key::Return, true);
    ASSERT_TRUE(platform.window().displayMode().isFullscreen());
    EXPECT_GT(Driver(platform).windowPixels().width(), kCanvasWidth);
    EXPECT_GT(Driver(platform).presentCount(), before) << "the new size gets a frame at once";
    EXPECT_EQ(FirstWrongPixel(platform), "");

    press(Driver::Key::KeypadEnter, true);
    ASSERT_FALSE(platform.window().displayMode().isFullscreen());
    EXPECT_EQ(Driver(platform).windowPixels().width(), kCanvasWidth);
    EXPECT_EQ(FirstWrongPixel(platform), "");
}

TEST_F(FullscreenKey, OtherKeysAndHeldKeysChangeNothing) {
    const uint64_t before = Driver(platform).presentCount();
    press(Driver::Key::Return, false);
    press(Driver::Key::KeypadEnter, false);
    press(Driver::Key::LetterA, true);
    press(Driver::Key::Return, true, /*repeat=*/true);
    EXPECT_FALSE(platform.window().displayMode().isFullscreen());
    EXPECT_EQ(Driver(platform).presentCount(), before) << "nothing to show anew";

    // A held Alt+Enter switches once, however long the keyboard repeats it.
    press(Driver::Key::Return, true);
    press(Driver::Key::Return, true, true);
    press(Driver::Key::Return, true, true);
    EXPECT_TRUE(platform.window().displayMode().isFullscreen());
}

// Panels that the game lays other pictures and text over: the buttons blend
// into the slots they sit in, the dial's scale points the way the angles run,
// and the victory panel stays calm where its four lines go.
#include <gtest/gtest.h>

#include <cmath>

#include "asset_readers.h"

using namespace asset_test;

namespace {

// Largest channel difference between two pixels.
int difference(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift : {0, 8, 16}) d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return d;
}

}  // namespace

TEST(PanelLayout, ButtonCornersMatchTheSlotsTheySitIn) {
    // Command buttons at (16, 21), (16, 59), (16, 97) of the info panel;
    // exit buttons at (54, 91) and (54, 135) of the exit dialog.
    struct Place {
        const char* panel;
        const char* button;
        int x, y;
    };
    const Place places[] = {{"screen1.bmp", "butt1_a.bmp", 16, 21}, {"screen1.bmp", "butt3_a.bmp", 16, 59},
                            {"screen1.bmp", "butt2_a.bmp", 16, 97}, {"screen2.bmp", "butt4_a.bmp", 54, 91},
                            {"screen2.bmp", "butt5_a.bmp", 54, 135}};
    for (const Place& p : places) {
        SCOPED_TRACE(p.button);
        Bmp panel = loadBmpFile(p.panel), button = loadBmpFile(p.button);
        ASSERT_TRUE(panel.ok && button.ok);
        // Just outside each corner of the button, the panel shows the slot colour
        // that the button's own rounded corners show.
        EXPECT_LE(difference(panel.at(p.x - 1, p.y + button.h / 2), button.at(0, 0)), 12);
        EXPECT_LE(difference(panel.at(p.x + button.w, p.y + button.h / 2), button.at(button.w - 1, 0)), 12);
        EXPECT_LE(difference(panel.at(p.x + button.w / 2, p.y + button.h), button.at(0, button.h - 1)), 12);
    }
}

TEST(PanelLayout, DialMarksTheQuarterAnglesOnTheAxesThroughItsCentre) {
    Bmp dial = loadBmpFile("screen3.bmp");
    ASSERT_TRUE(dial.ok);
    const double cx = 75, cy = 65, r = 55;  // the pointer line starts at (W/2, H/2)
    auto at = [&](double degrees) {
        // Counter-clockwise from the right, as the aiming angle runs.
        const double t = degrees * 3.14159265358979 / 180;
        return brightness(dial.at(static_cast<int>(std::floor(cx + r * std::cos(t))),
                                  static_cast<int>(std::floor(cy - r * std::sin(t)))));
    };
    for (double d : {0.0, 90.0, 180.0, 270.0}) EXPECT_GT(at(d), 300) << d << " degrees";
    for (double d : {45.0, 135.0, 225.0, 315.0}) EXPECT_LT(at(d), 200) << d << " degrees";
}

TEST(PanelLayout, VictoryPanelIsCalmWhereItsFourLinesGo) {
    Bmp win = loadBmpFile("screen4.bmp");
    ASSERT_TRUE(win.ok);
    EXPECT_LT(meanBrightness(win, 8, 5, 290, 90), 25.0);
    EXPECT_EQ(inkIn(win, 8, 5, 290, 90, 250), 0);
    EXPECT_GT(inkIn(win, 0, 0, win.w, 2, 250), 100) << "a gold frame";
}

// Elements: pictures, drawing layer, sizes, borders, labels as composited.
#include <gtest/gtest.h>

#include "platform/input/element.h"
#include "platform_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

using namespace sd::platform;
using sd::platform::testing::HeadlessPlatform;

namespace {

Surface Picture(int w, int h, Color c) { return Surface(w, h, c); }

}  // namespace

TEST(Element, PictureSetsSizeAndClearBringsItBack) {
    Element e(ElementKind::Panel, "PicBack", -1);
    e.setBackground(Color{0, 0, 50});
    e.setPicture(Picture(30, 20, Color{200, 0, 0}));
    EXPECT_EQ(e.bounds().w, 30);
    EXPECT_EQ(e.bounds().h, 20);
    e.canvas().fillRect(0, 0, 5, 5, Color{0, 255, 0});
    EXPECT_EQ(e.canvas().pixel(2, 2), 0x00FF00u);
    EXPECT_EQ(e.picture().pixel(2, 2), 0xC80000u) << "drawing never touches the picture";
    e.clear();
    EXPECT_EQ(e.canvas().pixel(2, 2), 0xC80000u);

    e.setSize(40, 25);  // larger than the picture: drawing and picture stay, the rest is background
    EXPECT_EQ(e.canvas().pixel(29, 19), 0xC80000u);
    EXPECT_EQ(e.canvas().pixel(35, 22), 0x000032u);

    e.setPicture(sd::platform::Surface());
    EXPECT_TRUE(e.picture().empty());
    EXPECT_EQ(e.canvas().pixel(2, 2), 0x000032u);
    EXPECT_EQ(e.bounds().w, 40) << "no picture, no change of size";

    Element fixed(ElementKind::Panel, "PicMMC", -1);
    fixed.setAutoSize(false);
    fixed.setSize(10, 10);
    fixed.setPicture(Picture(30, 20, Color{1, 2, 3}));
    EXPECT_EQ(fixed.bounds().w, 10);
    EXPECT_EQ(fixed.canvas().width(), 10);
}

TEST(Element, ResizeKeepsTheDrawingAtTheTopLeft) {
    Element e(ElementKind::Panel, "Box", 3);
    e.setSize(10, 10);
    e.canvas().setPixel(1, 1, Color{9, 9, 9});
    e.canvas().setPixel(9, 9, Color{9, 9, 9});
    e.setSize(5, 20);
    EXPECT_EQ(e.canvas().width(), 5);
    EXPECT_EQ(e.canvas().height(), 20);
    EXPECT_EQ(e.canvas().pixel(1, 1), 0x090909u);
    e.setSize(10, 10);
    EXPECT_EQ(e.canvas().pixel(9, 9), 0u) << "cut off by the smaller size";
}

TEST(Element, BorderTakesOnePixelOnEachSide) {
    Element e(ElementKind::Panel, "PicWorld", 0);
    e.setSize(101, 71);
    e.setBorder(true);
    EXPECT_EQ(e.bounds().w, 101);
    EXPECT_EQ(e.clientSize().width, 99);
    EXPECT_EQ(e.clientSize().height, 69);
    EXPECT_EQ(e.canvas().width(), 99);

    Element p(ElementKind::Panel, "Pic", -1);
    p.setBorder(true);
    p.setPicture(Picture(20, 10, Color{}));
    EXPECT_EQ(p.bounds().w, 22) << "an auto-sized panel grows by its border";
    p.setBorder(false);
    EXPECT_EQ(p.bounds().w, 20);
}

TEST(Element, PositionRoundsHalvesToEven) {
    Element e(ElementKind::Panel, "PicWin", -1);
    e.setPosition(249.5, 200.0);
    EXPECT_EQ(e.bounds().x, 250);
    e.setPosition(250.5, 0.5);
    EXPECT_EQ(e.bounds().x, 250);
    EXPECT_EQ(e.bounds().y, 0);
    e.setPosition(1.5, -2.5);
    EXPECT_EQ(e.bounds().x, 2);
    EXPECT_EQ(e.bounds().y, -2);
}

using Compositing = HeadlessPlatform;

TEST_F(Compositing, LaterElementsAndScreensLieOnTop) {
    Screen& a = platform.createScreen("A");
    a.setBackground(Color{0, 0, 40});
    Element& under = a.addPanel("Under");
    under.setPicture(Picture(100, 100, Color{255, 0, 0}));
    Element& over = a.addPanel("Over");
    over.setPosition(50, 50);
    over.setPicture(Picture(100, 100, Color{0, 255, 0}));
    Element& hidden = a.addPanel("Hidden");
    hidden.setPicture(Picture(800, 600, Color{255, 255, 255}));
    hidden.setVisible(false);
    platform.showScreen(a);

    Screen& dialog = platform.createScreen("Dialog", 40, 30);
    dialog.setBackground(Color{0, 0, 200});
    dialog.centreOnCanvas();
    platform.showScreen(dialog);

    Surface shot = Driver(platform).snapshot();
    EXPECT_EQ(shot.pixel(10, 10), 0xFF0000u);
    EXPECT_EQ(shot.pixel(75, 75), 0x00FF00u);
    EXPECT_EQ(shot.pixel(500, 100), 0x000028u);
    EXPECT_EQ(shot.pixel(400, 300), 0x0000C8u);

    a.bringToFront(under);
    platform.hideScreen(dialog);
    shot = Driver(platform).snapshot();
    EXPECT_EQ(shot.pixel(75, 75), 0xFF0000u);
    EXPECT_EQ(shot.pixel(400, 300), 0x000028u);
}

TEST_F(Compositing, BorderIsAFrameAroundTheDrawingArea) {
    Screen& s = platform.createScreen("S");
    Element& box = s.addPanel("Box");
    box.setPosition(10, 10);
    box.setSize(20, 20);
    box.setBorder(true);
    box.setBackground(Color{0, 0, 0});
    box.canvas().setPixel(0, 0, Color{255, 255, 0});
    platform.showScreen(s);
    const Surface shot = Driver(platform).snapshot();
    EXPECT_EQ(shot.pixel(11, 11), 0xFFFF00u) << "drawing starts one pixel in";
    EXPECT_NE(shot.pixel(10, 10), 0u);
    EXPECT_EQ(shot.pixel(10, 10), shot.pixel(29, 29));
    EXPECT_EQ(shot.pixel(30, 30), 0u);
}

TEST_F(Compositing, LabelTextIsCentredWithoutBackground) {
    Screen& s = platform.createScreen("S");
    Element& back = s.addPanel("Back");
    back.setPicture(Picture(800, 600, Color{0, 0, 90}));
    Element& label = s.addLabel("LblButton", 1);
    label.setPosition(100, 100);
    label.setSize(241, 46);
    label.setFont(Font::open("Arial", 18, true));
    ASSERT_TRUE(label.look().font.valid()) << label.look().font.error();
    label.setText("Information");
    label.setTextColor(Color{0, 250, 0});
    platform.showScreen(s);
    const Surface shot = Driver(platform).snapshot();

    int minX = 800, maxX = -1, minY = 600, maxY = -1;
    for (int y = 100; y < 146; ++y)
        for (int x = 100; x < 341; ++x) {
            const uint32_t p = shot.pixel(x, y);
            if (p == 0x00005Au) continue;
            EXPECT_EQ(p & 0xFF0000u, 0u) << "only green text over the blue picture";
            minX = std::min(minX, x); maxX = std::max(maxX, x);
            minY = std::min(minY, y); maxY = std::max(maxY, y);
        }
    ASSERT_GE(maxX, 0) << "no text drawn";
    // Ink is centred to within a few pixels (glyph bearings are not symmetric).
    EXPECT_NEAR((minX + maxX) / 2.0, 100 + 120, 4);
    EXPECT_NEAR((minY + maxY) / 2.0, 100 + 23, 5);
    EXPECT_EQ(shot.pixel(100, 100), 0x00005Au) << "no background behind the text";

    // The colour can change while the label is shown.
    const uint64_t before = Driver(platform).presentCount();
    label.setTextColor(Color{200, 250, 200});
    platform.processPendingEvents();
    EXPECT_GT(Driver(platform).presentCount(), before);
    const Surface again = Driver(platform).snapshot();
    bool reddish = false;
    for (int x = minX; x <= maxX && !reddish; ++x)
        for (int y = minY; y <= maxY && !reddish; ++y) reddish = (again.pixel(x, y) >> 16) > 100;
    EXPECT_TRUE(reddish);
}

TEST_F(Compositing, PresentsOnlyWhenSomethingChanged) {
    Screen& s = platform.createScreen("S");
    Element& e = s.addPanel("E");
    e.setSize(10, 10);
    platform.showScreen(s);
    platform.processPendingEvents();
    const uint64_t once = Driver(platform).presentCount();
    platform.processPendingEvents();
    platform.waitEvents(10);
    EXPECT_EQ(Driver(platform).presentCount(), once);
    e.canvas().setPixel(1, 1, Color{1, 1, 1});
    platform.processPendingEvents();
    EXPECT_EQ(Driver(platform).presentCount(), once + 1);

    // Drawing nobody sees: a loose surface, a hidden element, a hidden screen.
    Surface loose(5, 5);
    loose.fill(Color{9, 9, 9});
    Element& hidden = s.addPanel("H");
    hidden.setSize(10, 10);
    hidden.setVisible(false);
    Screen& other = platform.createScreen("Other");
    Element& offScreen = other.addPanel("O");
    offScreen.setSize(10, 10);
    platform.processPendingEvents();
    const uint64_t settled = Driver(platform).presentCount();
    hidden.canvas().line(0, 0, 9, 9, Color{255, 0, 0});
    offScreen.canvas().fill(Color{0, 255, 0});
    loose.fill(Color{1, 2, 3});
    platform.processPendingEvents();
    EXPECT_EQ(Driver(platform).presentCount(), settled);
    // Showing the hidden element makes its drawing count.
    hidden.setVisible(true);
    platform.processPendingEvents();
    EXPECT_EQ(Driver(platform).presentCount(), settled + 1);
}

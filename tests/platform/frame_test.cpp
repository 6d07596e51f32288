// Frames: only what changed is recomposed and sent, and the window always
// ends up showing exactly what recomposing everything would show.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/input/element.h"
#include "platform_fixture.h"
#include "platform/testing/driver.h"
#include "platform/draw/surface_access.h"

using sd::platform::testing::Driver;

using namespace sd::platform;
using sd::platform::testing::HeadlessPlatform;

namespace {

Surface Pattern(int w, int h, int seed) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, MakeColor(x * 3 + seed, y * 5, (x ^ y) + seed * 7));
    return s;
}

// The first pixel where the window differs from a full recomposition, or "".
std::string FirstDifference(Platform& p) {
    const Surface window = Driver(p).windowPixels();
    const Surface full = Driver(p).snapshot();
    if (window.width() != full.width() || window.height() != full.height()) return "window size differs";
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            if (window.pixel(x, y) != full.pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    return "";
}

}  // namespace

// A game-like scene: a board, an info panel with three buttons in three looks,
// a label, a framed box, and a dialog with a title bar over it all.
class Frames : public HeadlessPlatform {
protected:
    void SetUp() override {
        main = &platform.createScreen("FrmMain");
        main->setBackground(Color{0, 0, 30});
        clean = Pattern(721, 421, 1);
        board = &main->addPanel("PicBack");
        board->setPosition(15, 0);
        board->setPicture(clean);
        info = &main->addPanel("PicDisplay1");
        info->setPicture(Pattern(800, 170, 2));
        info->setPosition(0, 430);
        for (int i = 0; i < 9; ++i) {
            buttons[i] = &main->addPanel("PicButton", i);
            buttons[i]->setPicture(Surface(150, 34, MakeColor(40 * (i % 3), 80 + i, 120)));
            buttons[i]->setPosition(16, 430 + 20 + 38 * (i / 3));
            buttons[i]->setVisible(i % 3 == 0);
        }
        label = &main->addLabel("LblButton", 0);
        label->setPosition(280, 200);
        label->setSize(241, 46);
        label->setFont(Font::open("Arial", 18, true));
        label->setText("Spiel starten");
        label->setTextColor(Color{0, 150, 0});
        box = &main->addPanel("PicWorld", 3);
        box->setAutoSize(false);
        box->setBorder(true);
        box->setSize(101, 71);
        box->setPosition(340, 290);
        platform.showScreen(*main);

        dialog = &platform.createScreen("FrmExit", 251, 200);
        dialog->setCaption("eXIT");
        dialog->setBackground(Color{60, 0, 0});
        dialog->centreOnCanvas();
        Element& face = dialog->addPanel("PicWin");
        face.setPicture(Pattern(200, 150, 3));
        face.setPosition(25, 25);
        platform.processPendingEvents();
    }

    Screen* main = nullptr;
    Screen* dialog = nullptr;
    Surface clean;
    Element* board = nullptr;
    Element* info = nullptr;
    Element* buttons[9] = {};
    Element* label = nullptr;
    Element* box = nullptr;
};

TEST_F(Frames, WindowShowsWhatAFullRecompositionShows) {
    ASSERT_EQ(FirstDifference(platform), "");
    std::mt19937 random(11);
    auto any = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 150; ++step) {
        const int op = any(13);
        switch (op) {
            case 0: board->canvas().line(any(800) - 40, any(500) - 40, any(800), any(500), Color{200, 200, 0},
                                         1 + any(4), any(2) ? DrawMode::Xor : DrawMode::Copy); break;
            case 1: info->canvas().fillRect(any(800), any(170), any(800), any(170), MakeColor(any(256), 0, 99)); break;
            case 2: box->setPosition(any(900) - 50, any(700) - 50); break;
            case 3: { Element* b = buttons[any(9)]; b->setVisible(!b->look().visible); break; }
            case 4: {
                label->setTextColor(MakeColor(any(256), 200, any(256)));
                if (any(2)) label->setText(any(2) ? "Beenden" : "Information");
                break;
            }
            case 5: {
                board->setPicture(clean);
                const int cx = 60 * any(12), cy = 60 * any(7);
                board->canvas().rect(cx, cy, cx + 60, cy + 60, Color{0, 255, 0});
                break;
            }
            case 6: {
                if (dialog->visible()) platform.hideScreen(*dialog);
                else platform.showScreen(*dialog);
                if (any(2)) dialog->setBounds(any(600), any(400) + 21, 251, 200);
                break;
            }
            case 7: main->bringToFront(*main->elements()[static_cast<size_t>(any(static_cast<int>(main->elements().size())))]); break;
            case 8: box->setSize(20 + any(150), 20 + any(100)); break;
            case 9: info->clear(); break;
            case 10: board->canvas().drawText(label->look().font, any(700), any(400), "Zug 7", Color{255, 255, 255}); break;
            case 11: box->setBorder(!box->look().border); break;
            case 12: main->setBackground(MakeColor(0, any(60), 30)); break;
        }
        platform.processPendingEvents();
        ASSERT_EQ(FirstDifference(platform), "") << "after step " << step << ", operation " << op;
    }
}

TEST_F(Frames, SmallChangesMakeSmallFramesAndNoChangeNoFrame) {
    const uint64_t before = Driver(platform).presentCount();
    platform.processPendingEvents();
    platform.waitEvents(50);
    EXPECT_EQ(Driver(platform).presentCount(), before) << "nothing changed, nothing drawn";

    board->canvas().rect(120, 60, 180, 120, Color{0, 255, 0});  // a cell frame
    platform.processPendingEvents();
    EXPECT_EQ(Driver(platform).presentCount(), before + 1);
    EXPECT_LE(Driver(platform).lastFrameArea(), 61 * 61) << "the cell, not the board";

    // A button changes its look: two elements at one place.
    buttons[3]->setVisible(false);
    buttons[4]->setVisible(true);
    platform.processPendingEvents();
    EXPECT_LE(Driver(platform).lastFrameArea(), 150 * 34);

    // Two cells far apart are two small areas, not the board between them.
    board->canvas().rect(0, 0, 60, 60, Color{0, 255, 0});
    board->canvas().rect(660, 360, 720, 420, Color{0, 255, 0});
    platform.processPendingEvents();
    EXPECT_LE(Driver(platform).lastFrameArea(), 2 * 61 * 61);

    // The dialog appears: its place with the title bar, not the whole canvas.
    platform.showScreen(*dialog);
    platform.processPendingEvents();
    EXPECT_EQ(Driver(platform).lastFrameArea(), dialog->frameBounds().area());
    EXPECT_EQ(FirstDifference(platform), "");
}

TEST_F(Frames, ScaledWindowTakesEachPixelFromUnderItsCentre) {
    ASSERT_TRUE(platform.window().displayMode().enterFullscreen(800, 600));
    platform.processPendingEvents();
    for (int step = 0; step < 3; ++step) {
        board->canvas().line(10 + 200 * step, 5, 300, 400, Color{255, 0, 255}, 3);
        buttons[0]->setVisible(step % 2 == 1);
        platform.processPendingEvents();
        const Surface window = Driver(platform).windowPixels();
        const Surface canvas = Driver(platform).snapshot();
        ASSERT_GT(window.width(), 800);
        // Letterboxed: the largest 4:3 area, centred; black around it.
        const double scale = std::min(window.width() / 800.0, window.height() / 600.0);
        const int w = static_cast<int>(800 * scale + 0.5), h = static_cast<int>(600 * scale + 0.5);
        const int left = (window.width() - w) / 2, top = (window.height() - h) / 2;
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x) {
                const bool inside = x >= left && y >= top && x < left + w && y < top + h;
                const uint32_t want = inside ? canvas.pixel(static_cast<int>((x - left + 0.5) * 800 / w),
                                                            static_cast<int>((y - top + 0.5) * 600 / h))
                                             : 0u;
                ASSERT_EQ(window.pixel(x, y), want) << x << "," << y << " step " << step;
            }
    }
    EXPECT_TRUE(platform.window().displayMode().leaveFullscreen());
    platform.processPendingEvents();
    EXPECT_EQ(FirstDifference(platform), "");
}

TEST_F(Frames, PanelsShareTheirPictureUntilTheyDrawOnIt) {
    Surface picture = Pattern(150, 34, 5);
    Element& a = main->addPanel("A");
    Element& b = main->addPanel("B");
    a.setPicture(picture);
    b.setPicture(picture);
    EXPECT_TRUE(SurfaceAccess::sharesPixels(a.canvas(), picture)) << "a panel that draws nothing holds no copy";
    EXPECT_TRUE(SurfaceAccess::sharesPixels(b.picture(), picture));

    a.canvas().setPixel(3, 3, Color{255, 255, 255});
    EXPECT_EQ(a.canvas().pixel(3, 3), 0xFFFFFFu);
    EXPECT_EQ(b.canvas().pixel(3, 3), picture.pixel(3, 3));
    EXPECT_EQ(a.picture().pixel(3, 3), picture.pixel(3, 3)) << "drawing never touches the picture";

    // Cleared, a panel that draws keeps its own pixels for the next drawing.
    a.clear();
    EXPECT_TRUE(SurfaceAccess::ownsPixels(a.canvas()));
    EXPECT_EQ(a.canvas().pixel(3, 3), picture.pixel(3, 3));
    // The board of a game: the clean background given again wipes the frames.
    board->canvas().rect(0, 0, 60, 60, Color{0, 255, 0});
    board->setPicture(clean);
    EXPECT_EQ(board->canvas().pixel(0, 0), clean.pixel(0, 0));
}

TEST_F(Frames, EndProcessLeavesWithTheCodeAtOnce) {
    ASSERT_TRUE(platform.window().displayMode().enterFullscreen(800, 600));
    EXPECT_EXIT(platform.window().endProcess(3), ::testing::ExitedWithCode(3), "");
}

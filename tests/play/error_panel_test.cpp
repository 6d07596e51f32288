// The error panel in the game's window: wrapping, its place and look, that it
// holds all input until it is closed, how it closes, the way the message
// box falls back to it (play/error_panel.h), and that the system box's
// process goes with the game.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "play/error_panel.h"
#include "platform/platform_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

using namespace sd::platform;
using sd::CutLines;
using sd::WrapText;
using sd::platform::testing::HeadlessPlatform;

namespace {

constexpr uint32_t kTitleBar = 0x1E285A;  // the caption bar's colour
constexpr uint32_t kFrame = 0x46506E;     // the one-pixel frame around a captioned screen
constexpr uint32_t kBehind = 0x008000;    // the screen under the panel

struct Box {
    int left = 800, top = 600, right = -1, bottom = -1;
    bool found() const { return right >= 0; }
};

// Where pixels of this colour lie on the snapshot.
Box Find(const Surface& s, uint32_t rgb) {
    Box b;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == rgb) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

std::string Join(const std::vector<std::string>& lines, const char* sep) {
    std::string all;
    for (const std::string& l : lines) all += (all.empty() ? "" : sep) + l;
    return all;
}

}  // namespace

TEST(WrapText, BreaksBetweenWordsAtLineBreaksAndInsideWordsTooLongForALine) {
    const Font font = Font::open("Arial", 10);
    ASSERT_TRUE(font.valid());
    const std::string text = "Die Datei worlds.dat kann nicht gelesen werden, weil ihr Inhalt nicht stimmt.";
    const std::vector<std::string> lines = WrapText(font, text, 150);
    ASSERT_GT(lines.size(), 2u);
    for (const std::string& l : lines) EXPECT_LE(font.textWidth(l), 150) << l;
    EXPECT_EQ(Join(lines, " "), text);  // every word, in order, none cut

    EXPECT_EQ(WrapText(font, "eins\r\n\nzwei", 500), (std::vector<std::string>{"eins", "", "zwei"}));

    const std::string path = "/home/spieler/" + std::string(200, 'x') + "/worlds.dat";
    const std::vector<std::string> pieces = WrapText(font, "Datei " + path + " fehlt", 120);
    for (const std::string& l : pieces) EXPECT_LE(font.textWidth(l), 120) << l;
    EXPECT_NE(Join(pieces, "").find(path), std::string::npos);  // broken between letters, none lost
}

TEST(WrapText, TooManyLinesEndInAnEllipsisThatFits) {
    const Font font = Font::open("Arial", 10);
    std::vector<std::string> lines(10, std::string(60, 'W'));
    const int width = font.textWidth(lines[0]);
    const std::vector<std::string> cut = CutLines(font, lines, 3, width);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut.back().back(), '\x85');
    EXPECT_LE(font.textWidth(cut.back()), width);
    EXPECT_EQ(CutLines(font, {"a", "b"}, 3, width).size(), 2u);  // nothing left out, nothing added
}

class ErrorPanel : public HeadlessPlatform {
protected:
    void SetUp() override {
        behind = &platform.createScreen("Behind");
        behind->setBackground(Color{0, 128, 0});
        Element& all = behind->addPanel("All");
        all.setSize(800, 600);
        all.setBackground(Color{0, 128, 0});
        all.on.click = [this](int) { ++clicksBehind; };
        all.on.mouseMove = [this](double, double, int) { ++movesBehind; };
        platform.showScreen(*behind);
        platform.processPendingEvents();
    }

    // Runs each step when the panel's loop waits for the player; a step
    // answers it (or not). Returns what ShowErrorPanel returned.
    bool Show(const std::string& text, std::vector<std::function<void()>> steps) {
        size_t next = 0;
        Driver(platform).setIdleHook([&] {
            if (next < steps.size()) steps[next++]();
            else {
                forcedClose = true;  // a panel the steps left open fails the test, not hangs it
                Driver(platform).injectCloseRequest();
            }
        });
        const bool shown = sd::ShowErrorPanel(platform, "Error", text);
        Driver(platform).setIdleHook(nullptr);
        EXPECT_EQ(next, steps.size()) << "the panel closed before every step ran";
        EXPECT_FALSE(std::exchange(forcedClose, false)) << "the panel stayed open after the last step";
        return shown;
    }

    // The OK button's centre, found from the panel's frame.
    void ClickOk() {
        const Box frame = Find(Driver(platform).snapshot(), kFrame);
        ASSERT_TRUE(frame.found());
        Driver(platform).injectClick((frame.left + frame.right) / 2.0, frame.bottom - 1 - 14 - 14);
    }

    Screen* behind = nullptr;
    int clicksBehind = 0;
    int movesBehind = 0;
    bool forcedClose = false;
};

TEST_F(ErrorPanel, ShowsCentredWithCaptionIconAndTextAndGoesWithItsButton) {
    Box frame, bar;
    int redPixels = 0, textPixels = 0;
    const bool shown = Show("worlds.dat: Zugriff verweigert", {[&] {
                                const Surface s = Driver(platform).snapshot();
                                frame = Find(s, kFrame);
                                bar = Find(s, kTitleBar);
                                for (int y = frame.top; y <= frame.bottom; ++y)
                                    for (int x = frame.left; x <= frame.right; ++x) {
                                        const uint32_t p = s.pixel(x, y);
                                        if (p == 0xC8322E) ++redPixels;                    // the icon
                                        if (((p >> 16) & 0xFF) > 200 && (p & 0xFF) > 200) ++textPixels;  // pale text
                                    }
                                ClickOk();
                            }});
    EXPECT_TRUE(shown);
    ASSERT_TRUE(frame.found());
    EXPECT_NEAR(frame.left + frame.right, 799, 1);  // centred
    EXPECT_NEAR(frame.top + frame.bottom, 599, 1);
    EXPECT_GE(frame.right - frame.left + 1, 300);
    EXPECT_EQ(bar.top, frame.top + 1);  // the caption bar at the top of the frame
    EXPECT_GT(redPixels, 300);
    EXPECT_GT(textPixels, 100);
    // Closed, the screen under it is back whole.
    EXPECT_FALSE(Find(Driver(platform).snapshot(), kFrame).found());
    EXPECT_EQ(Find(Driver(platform).snapshot(), kBehind).right, 799);
    EXPECT_EQ(clicksBehind, 0);
}

TEST_F(ErrorPanel, TakesAllInputUntilClosedAndKeysCloseItAsTheSystemBoxDoes) {
    Show("eins", {[&] {
                      Driver(platform).injectClick(5, 5);  // outside the panel: nobody gets it
                      Driver(platform).injectMouseMove(10, 10);
                  },
                  [&] { Driver(platform).injectKeyDown(Driver::Key::LetterA, false); },
                  // The window's key, not the panel's (headless, the window stays as it is).
                  [&] { Driver(platform).injectKeyDown(Driver::Key::Return, true); },
                  [&] { Driver(platform).injectKeyDown(Driver::Key::Escape, false); }});
    EXPECT_EQ(clicksBehind, 0);
    EXPECT_EQ(movesBehind, 0);
    for (Driver::Key key : {Driver::Key::Return, Driver::Key::KeypadEnter, Driver::Key::Space}) {
        EXPECT_TRUE(Show("zwei", {[&] { Driver(platform).injectKeyDown(key, false); }})) << static_cast<int>(key);
    }
    // Afterwards the screen under it has its input back.
    Driver(platform).injectClick(5, 5);
    platform.processPendingEvents();
    EXPECT_EQ(clicksBehind, 1);
}

TEST_F(ErrorPanel, ClosingTheWindowClosesItAndTheProgramThenEndsWithoutMorePanels) {
    EXPECT_TRUE(Show("eins", {[&] { Driver(platform).injectCloseRequest(); }}));
    EXPECT_TRUE(platform.quitRequested());
    EXPECT_FALSE(sd::ShowErrorPanel(platform, "Error", "zwei"));  // nobody left to read it
}

TEST_F(ErrorPanel, AHugeMessageIsCutToFitTheScreen) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "Fehler" + std::to_string(i) + " ";
    text += std::string(100000, 'x');
    Box frame;
    Show(text, {[&] {
             frame = Find(Driver(platform).snapshot(), kFrame);
             ClickOk();
         }});
    ASSERT_TRUE(frame.found());
    EXPECT_GE(frame.left, 0);
    EXPECT_GE(frame.top, 0);
    EXPECT_LE(frame.right, 799);
    EXPECT_LE(frame.bottom, 599);
    EXPECT_GT(frame.bottom - frame.top, 400);  // it did take the room it had
}

TEST(SdlMessageBoxFallback, TheWindowPanelGetsTheMessageOnlyWhenTheSystemBoxFails) {
    std::vector<std::string> seen;
    SdlMessageBox box(false);
    int systemAnswer = -1;
    box.setSystemBox([&](const std::string& c, const std::string& t, SDL_Window*) {
        seen.push_back("system " + c + ": " + t);
        return systemAnswer;
    });
    box.setWindowPanel([&](const std::string& c, const std::string& t) {
        seen.push_back("panel " + c + ": " + t);
        return true;
    });
    box.showError("Error", "M\xE4use");  // "Mäuse" in Windows-1252
    systemAnswer = 0;
    box.showError("Error", "zwei");
    // The system box reads UTF-8, the panel the game's own Windows-1252.
    EXPECT_EQ(seen, (std::vector<std::string>{"system Error: M\xC3\xA4use", "panel Error: M\xE4use",
                                              "system Error: zwei"}));
}

TEST(SdlMessageBoxProcess, TheBoxProcessDiesWithTheGameEvenWhenTheGameIsKilled) {
    int ready[2], boxAlive[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(boxAlive), 0);
    const pid_t game = fork();
    ASSERT_GE(game, 0);
    if (game == 0) {
        close(ready[0]);
        close(boxAlive[0]);
        SdlMessageBox box(false);
        box.setSystemBox([&](const std::string&, const std::string&, SDL_Window*) {
            // As SDL does on X: the box drawn by a child, the game waiting for it.
            const pid_t child = fork();
            if (child == 0) {
                for (;;) pause();
            }
            close(boxAlive[1]);
            [[maybe_unused]] const ssize_t n = write(ready[1], &child, sizeof child);
            for (;;) pause();
            return 0;
        });
        box.showError("Error", "kaputt");
        _exit(0);
    }
    close(ready[1]);
    close(boxAlive[1]);
    pid_t child = -1;
    ASSERT_EQ(read(ready[0], &child, sizeof child), static_cast<ssize_t>(sizeof child));
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    // The box process holds its end of the pipe until it is gone.
    pollfd p{boxAlive[0], POLLIN, 0};
    char c;
    const bool gone = poll(&p, 1, 2000) == 1 && read(boxAlive[0], &c, 1) == 0;
    EXPECT_TRUE(gone) << "the box process outlived its game";
    if (!gone) kill(child, SIGKILL);
    close(ready[0]);
    close(boxAlive[0]);
}

// Event dispatch: targets, coordinates, capture, clicks, modal loops, closing
// screens from their own handlers, and the virtual clock in the event loop.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

using namespace sd::platform;
using sd::platform::testing::HeadlessPlatform;

namespace {

// Everything the handlers saw, as text, in order.
struct Log {
    std::vector<std::string> lines;
    void add(const std::string& s) { lines.push_back(s); }
    std::string last() const { return lines.empty() ? "" : lines.back(); }
};

std::string Fmt(const char* what, double x, double y, int index) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s %.2f %.2f #%d", what, x, y, index);
    return buf;
}

void Wire(Element& e, const std::string& n, Log& log) {
    e.on.mouseMove = [&log, n](double x, double y, int i) { log.add(Fmt((n + " move").c_str(), x, y, i)); };
    e.on.mouseDown = [&log, n](int, int, double x, double y, int i) { log.add(Fmt((n + " down").c_str(), x, y, i)); };
    e.on.mouseUp = [&log, n](int, int, double x, double y, int i) { log.add(Fmt((n + " up").c_str(), x, y, i)); };
    e.on.click = [&log, n](int i) { log.add(n + " click #" + std::to_string(i)); };
}

}  // namespace

class Events : public HeadlessPlatform {
protected:
    void SetUp() override {
        screen = &platform.createScreen("Main");
        screen->on.mouseMove = [this](double x, double y, int i) { log.add(Fmt("screen move", x, y, i)); };
        screen->on.mouseUp = [this](int, int, double x, double y, int i) { log.add(Fmt("screen up", x, y, i)); };
        back = &screen->addPanel("Back");
        back->setSize(400, 300);
        box = &screen->addPanel("Box", 4);
        box->setPosition(100, 50);
        box->setSize(101, 71);
        box->setBorder(true);
        Wire(*back, "Back", log);
        Wire(*box, "Box", log);
        platform.showScreen(*screen);
    }
    Log log;
    Screen* screen = nullptr;
    Element* back = nullptr;
    Element* box = nullptr;
};

TEST_F(Events, TopmostVisibleElementGetsItsOwnCoordinatesAndIndex) {
    Driver(platform).injectMouseMove(150.25, 80.5);
    platform.processPendingEvents();
    EXPECT_EQ(log.last(), "Box move 49.25 29.50 #4") << "one pixel of border in";
    Driver(platform).injectMouseMove(10.5, 20);
    platform.processPendingEvents();
    EXPECT_EQ(log.last(), "Back move 10.50 20.00 #-1");
    Driver(platform).injectMouseMove(500, 400);  // no element there
    platform.processPendingEvents();
    EXPECT_EQ(log.last(), "screen move 500.00 400.00 #-1");

    box->setVisible(false);
    Driver(platform).injectMouseMove(150, 80);
    platform.processPendingEvents();
    EXPECT_EQ(log.last(), "Back move 150.00 80.00 #-1") << "hidden elements are skipped";

    // An element without a move handler still takes the event: nothing under it hears it.
    box->setVisible(true);
    box->on.mouseMove = nullptr;
    log.lines.clear();
    Driver(platform).injectMouseMove(150, 80);
    platform.processPendingEvents();
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(Events, ReleaseGoesToThePressedElementAndClickNeedsTheSameOne) {
    Driver(platform).injectClick(110, 60);
    platform.processPendingEvents();
    ASSERT_EQ(log.lines.size(), 3u);
    EXPECT_EQ(log.lines[0], "Box down 9.00 9.00 #4");
    EXPECT_EQ(log.lines[1], "Box up 9.00 9.00 #4");
    EXPECT_EQ(log.lines[2], "Box click #4");

    log.lines.clear();
    Driver(platform).injectMouseDown(110, 60);
    Driver(platform).injectMouseUp(20, 30);  // released over the panel below
    platform.processPendingEvents();
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[1], "Box up -81.00 -21.00 #4") << "relative to the pressed element, no click";

    log.lines.clear();
    Driver(platform).injectMouseDown(20, 30);
    Driver(platform).injectMouseUp(110, 60);
    platform.processPendingEvents();
    EXPECT_EQ(log.lines.back(), "Back up 110.00 60.00 #-1");

    log.lines.clear();
    Driver(platform).injectClick(600, 500);  // the screen's own background
    platform.processPendingEvents();
    EXPECT_EQ(log.lines, std::vector<std::string>{"screen up 600.00 500.00 #-1"});
}

TEST_F(Events, ModalScreenTakesAllInputUntilItCloses) {
    Screen& dialog = platform.createScreen("FrmExit", 251, 200);
    dialog.centreOnCanvas();
    dialog.setCaption("eXIT");
    Element& button = dialog.addPanel("PicBtOver", 0);
    button.setPosition(54, 91);
    button.setSize(143, 36);
    int clicks = 0;
    button.on.click = [&](int) {
        ++clicks;
        platform.closeScreen(dialog);
    };

    // The test answers the dialog from the idle hook: first a click on the
    // screen below (which must not get through), then one on the button.
    int idleCalls = 0;
    Driver(platform).setIdleHook([&] {
        ++idleCalls;
        if (idleCalls == 1) Driver(platform).injectClick(110, 60);
        if (idleCalls == 2) Driver(platform).injectClick(dialog.bounds().x + 60, dialog.bounds().y + 100);
    });
    platform.runModal(dialog);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(std::none_of(log.lines.begin(), log.lines.end(),
                             [](const std::string& l) { return l.rfind("Box", 0) == 0; }))
        << "the screen below got input during the modal loop";
    EXPECT_TRUE(dialog.closed());

    Driver(platform).setIdleHook(nullptr);
    Driver(platform).injectClick(110, 60);
    platform.processPendingEvents();
    EXPECT_EQ(log.last(), "Box click #4") << "input goes below again";
}

TEST_F(Events, ClosingAScreenFromItsOwnHandlerIsSafe) {
    Screen& other = platform.createScreen("Other", 200, 200);
    Element& e = other.addPanel("Btn", 1);
    e.setSize(200, 200);
    int ups = 0, clicks = 0;
    e.on.mouseUp = [&](int, int, double, double, int) {
        ++ups;
        platform.closeScreen(other);
        platform.processPendingEvents();  // a nested loop must not free it under us
    };
    e.on.click = [&](int) { ++clicks; };
    platform.showScreen(other);
    Driver(platform).injectClick(10, 10);
    Driver(platform).injectClick(10, 10);  // the second reaches the screen below instead
    platform.processPendingEvents();
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 0) << "no click on a closed screen";
    EXPECT_EQ(log.last(), "Back click #-1");
    EXPECT_TRUE(platform.anyScreenVisible());
}

TEST_F(Events, WaitAdvancesTheVirtualClockAndAnEndlessWaitFails) {
    const uint64_t start = clock.elapsedMs();
    platform.waitEvents(250);
    EXPECT_EQ(clock.elapsedMs(), start + 250);
    Driver(platform).injectMouseMove(1, 1);
    platform.waitEvents(250);
    EXPECT_EQ(clock.elapsedMs(), start + 250) << "pending input is handled without waiting";

    EXPECT_THROW(
        {
            for (int i = 0; i < 100000; ++i) platform.waitEvents(1000);
        },
        std::runtime_error);
    EXPECT_GE(clock.elapsedMs(), start + 3600u * 1000u);

    // A modal screen nobody answers fails the same way instead of hanging.
    Screen& dialog = platform.createScreen("Dialog", 10, 10);
    EXPECT_THROW(platform.runModal(dialog), std::runtime_error);
}

TEST_F(Events, CloseCommandAsksEveryScreen) {
    int asked = 0;
    screen->on.closeRequest = [&] { ++asked; };
    Screen& plain = platform.createScreen("Plain", 10, 10);
    platform.showScreen(plain);
    platform.requestQuit();
    EXPECT_TRUE(platform.quitRequested());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(plain.closed()) << "a screen without a handler is simply closed";
    EXPECT_FALSE(screen->closed());
    platform.processPendingEvents();  // frees the closed screen: no handle to it may be used after this

    // The window's close command takes the same road.
    Driver(platform).injectCloseRequest();
    platform.processPendingEvents();
    EXPECT_EQ(asked, 2);
}

TEST(PlatformLifetime, PlatformsOneAfterAnother) {
    for (int round = 0; round < 3; ++round) {
        VirtualClock clock;
        AudioRecorder audio;
        PlatformOptions o;
        o.headless = true;
        o.clock = &clock;
        o.audio = &audio;
        Platform p(o);
        Screen& s = p.createScreen("S");
        Element& e = s.addPanel("E");
        e.setSize(800, 600);
        int clicks = 0;
        e.on.click = [&](int) { ++clicks; };
        p.showScreen(s);
        Driver(p).injectClick(5, 5);
        p.processPendingEvents();
        EXPECT_EQ(clicks, 1) << round;
        Driver(p).injectClick(5, 5);  // left in the queue for the next platform, which must ignore it
    }
}

TEST_F(Events, APassHandlesWhatWasQueuedWhenItBegan) {
    // A handler that queues more input (as a test hook or a nested loop may)
    // does not keep one pass going for ever.
    int moves = 0;
    back->on.mouseMove = [&](double, double, int) {
        ++moves;
        Driver(platform).injectMouseMove(10, 10);
    };
    Driver(platform).injectMouseMove(10, 10);
    platform.processPendingEvents();
    EXPECT_EQ(moves, 1);
    platform.processPendingEvents();
    EXPECT_EQ(moves, 2);
    back->on.mouseMove = nullptr;
    platform.processPendingEvents();
}

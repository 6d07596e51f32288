#pragma once
// The test driver: what tests need of the platform and the game never does.
// Synthetic input at canvas coordinates, the idle hook that answers modal
// screens, and the pictures and counts of frames. Only tests link this room.
#include <cstdint>
#include <functional>

#include "platform/draw/surface.h"
#include "platform/input/platform.h"

namespace sd::platform::testing {

class Driver {
public:
    explicit Driver(Platform& platform) : platform_(platform) {}

    // The composited canvas as it would be presented.
    Surface snapshot();
    // What the window holds now: the canvas scaled onto its letterboxed place,
    // as far as frames have been presented.
    Surface windowPixels();
    // Queue synthetic input at canvas coordinates (fractional pixels); handled
    // by the next processPendingEvents()/waitEvents() like real input.
    void injectMouseMove(double x, double y);
    void injectMouseDown(double x, double y, int button = 1);
    void injectMouseUp(double x, double y, int button = 1);
    void injectClick(double x, double y, int button = 1);  // down and up
    void injectCloseRequest();
    // A key pressed in the window, as the window system reports it (Alt held
    // or not, a first press or the keyboard's repeat).
    enum class Key { Return, KeypadEnter, Space, Escape, LetterA };
    void injectKeyDown(Key key, bool alt, bool repeat = false);
    // Called whenever an event loop finds the queue empty (headless runs): a
    // test uses it to answer a modal screen. Under the virtual clock a loop that
    // stays idle for an hour of virtual time aborts the test instead of hanging.
    void setIdleHook(std::function<void()> hook);
    // How many frames were presented (something changed, was recomposed and
    // handed to the window).
    uint64_t presentCount() const;
    // How many canvas pixels the last frame recomposed and sent.
    long long lastFrameArea() const;

private:
    Platform& platform_;
};

}  // namespace sd::platform::testing

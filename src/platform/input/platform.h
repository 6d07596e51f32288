#pragma once
// The screens on the one 800 x 600 canvas, the events that drive them and the
// modal runs between them; the window, the pointer and the services (clock,
// message box, audio) it holds for the game. Tests reach its insides through
// platform/testing.
#include <memory>
#include <string>

#include "base/layout.h"
#include "platform/audio/audio.h"
#include "platform/input/cursor.h"
#include "platform/input/screen.h"
#include "platform/process/clock.h"
#include "platform/window/message_box.h"
#include "platform/window/window.h"

namespace sd::platform {

inline constexpr int kCanvasWidth = layout::kScreenWidth;
inline constexpr int kCanvasHeight = layout::kScreenHeight;

struct PlatformOptions {
    // Headless: SDL's dummy video and audio drivers, no window is shown; the
    // canvas can still be composited and read back.
    bool headless = false;
    std::string title = "Sternenduell";
    // Services; null means the platform's own (real clock, SDL message box,
    // SDL_mixer audio). Not owned.
    Clock* clock = nullptr;
    MessageBox* messageBox = nullptr;
    AudioPlayer* audio = nullptr;
};

class Platform {
public:
    explicit Platform(const PlatformOptions& options = {});
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    Clock& clock();
    MessageBox& messageBox();
    AudioPlayer& audio();
    Window& window();
    Pointer& pointer();

    // --- screens ---
    Screen& createScreen(const std::string& name, int width = kCanvasWidth, int height = kCanvasHeight);
    void showScreen(Screen& s);  // modeless; on top of the screens already shown
    void hideScreen(Screen& s);
    // Hidden at once, no handler of it runs any more; freed at the next safe
    // point (when no handler of it is running).
    void closeScreen(Screen& s);
    // Shows s and runs a nested event loop until s is closed or hidden; other
    // screens get no input meanwhile.
    void runModal(Screen& s);
    // Shows s on top and returns at once; until s is closed, only s gets input.
    void showModal(Screen& s);
    bool anyScreenVisible() const;
    // Termination: every screen is asked to close (on.closeRequest) and
    // quitRequested() becomes true.
    void requestQuit();
    bool quitRequested() const;

    // --- events ---
    // Dispatches every queued event to the handlers (which may run nested loops
    // themselves), presents what changed, and returns.
    void processPendingEvents();
    // Blocks until an event arrives or timeoutMs pass (negative: no limit, and
    // no wake-up until an event comes), then processes what is pending. Under
    // the virtual clock an empty queue advances the clock by the timeout
    // instead of blocking.
    void waitEvents(int timeoutMs);
    // Drops the mouse presses and releases still queued: clicks made while the
    // program could not listen must not pile up and all run afterwards.
    void discardPendingClicks();
    // Presents now what changed since the last frame: only those areas are
    // recomposed and sent to the window. Nothing changed, nothing is sent.
    void refresh();

private:
    friend class testing::Driver;
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd::platform

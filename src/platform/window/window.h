#pragma once
// The one window: its place on the display, the display mode and full
// screen, and frames of the 800 x 600 canvas scaled onto its letterboxed
// place. It knows no screens and no input: the input room composes frames
// and tells the window what changed.
#include <functional>
#include <string>
#include <vector>

#include "platform/draw/damage.h"
#include "platform/draw/surface.h"
#include "platform/window/display_mode.h"

struct SDL_Window;
struct SDL_Surface;

namespace sd::platform {

namespace testing {
class Driver;
}

class Window {
public:
    // Recomposes area r of the canvas into dst, a surface of the canvas's
    // geometry; a null dst means the canvas itself.
    using Compose = std::function<void(const Rect& r, SDL_Surface* dst)>;

    // Headless: a hidden window on SDL's dummy driver, so that the whole
    // present path runs in tests too. Otherwise throws when no window can be
    // opened. SDL must be up (process/sdl_start.h).
    Window(const std::string& title, bool headless);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // SDL's window (for the message box and key events); null without one.
    SDL_Window* handle() const { return window_; }
    // Frames reach the window now (it has been shown, or the run is headless).
    bool takesFrames() const;
    void show();
    // The window disappears at once (the program is ending); showing brings it back.
    void hide();
    // The window's title (UTF-8), e.g. while a replay runs.
    void setTitle(const std::string& title);

    // The display mode and full screen of this window.
    DisplayMode& displayMode() { return displayMode_; }
    const DisplayMode& displayMode() const { return displayMode_; }
    // Ends the process now with exit code. The display mode is given back
    // first if that has not happened yet; all else (memory, the audio device
    // with what it still plays, the connection to the window system) the
    // process's end gives back by itself, so nothing is closed piece by piece.
    [[noreturn]] void endProcess(int code);

    // --- frames ---
    // A point of the window (in points) on the canvas, in fractional pixels.
    void toCanvas(int wx, int wy, double& x, double& y) const;
    // The window system reported a window event (SDL_WINDOWEVENT_*).
    void noteWindowEvent(int event);
    // Sends what changed to the window (everything after a new size or
    // mode); compose draws it. The canvas area sent, or -1 when nothing was.
    long long present(Damage frame, Surface& canvas, const Compose& compose);

private:
    friend class testing::Driver;
    friend class DisplayMode;
    bool updateWindowSurface();
    Rect copyToWindow(const Surface& canvas, const Rect& r);
    Rect canvasRectInOutput() const;
    void outputSize(int& w, int& h) const;
    // What the window holds now, for tests (testing::Driver).
    Surface pixels();

    SDL_Window* window_ = nullptr;
    bool headless_ = false;
    bool shown_ = false;
    // Left fullscreen while hidden: size and place are given back when it is
    // shown again (a window that never shows again need not wait for them).
    bool needsPlacing_ = false;
    bool fullFrame_ = true;      // a new frame of everything (shown, new size)
    bool resendWindow_ = false;  // the window's pixels are right but must be sent again (uncovered)
    bool canvasBehind_ = false;  // frames went straight into the window's pixels, not the canvas
    // The window's pixels and how the canvas is scaled onto them: for each
    // output column and row of the letterboxed area, its canvas column and row.
    SDL_Surface* windowSurface_ = nullptr;  // SDL's; compared, never kept past a resize
    int outW_ = 0, outH_ = 0;
    Rect placed_;
    std::vector<int> sourceColumn_, sourceRow_;
    DisplayMode displayMode_{*this};
};

}  // namespace sd::platform

#pragma once
// The display mode of the one window: what the display offers, full screen in
// and out (also by Alt+Enter), and the rescue that gives the desktop its mode
// back when the program dies.
struct SDL_Window;

namespace sd::platform {

class Window;

struct DisplayModeInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int refreshRate = 0;
};

class DisplayMode {
public:
    explicit DisplayMode(Window& owner) : owner_(owner) {}
    DisplayMode(const DisplayMode&) = delete;
    DisplayMode& operator=(const DisplayMode&) = delete;

    // The desktop's mode (also while we are fullscreen in a mode of our own).
    DisplayModeInfo current() const;
    bool offers(int width, int height) const;
    // Fullscreen in width x height where the display offers it, else fullscreen
    // on the desktop with the scaled canvas. False when neither worked.
    bool enterFullscreen(int width, int height);
    // Back to the desktop mode and a window.
    bool leaveFullscreen();
    // Alt+Enter: fullscreen as enterFullscreen(800, 600) when in a window, back
    // to the window when fullscreen. For this run only; nothing is stored.
    bool toggleFullscreen();
    // True when the canvas can be shown fullscreen at all (there is a window).
    bool canFullscreen() const;
    bool isFullscreen() const { return fullscreen_; }
    // The game has taken the display over for this run (whether or not
    // fullscreen followed); until then there is nothing to give back.
    void take() { taken_ = true; }
    bool taken() const { return taken_; }

private:
    Window& owner_;
    bool fullscreen_ = false;
    bool taken_ = false;
};

// Takes the window off the screen without waiting for anyone (where the
// window system allows; false otherwise). display_mode.cpp.
bool UnmapAtOnce(SDL_Window* window);

// Leaves fullscreen when the program dies (display_mode.cpp): the window set
// here while the game is fullscreen is taken out of it at exit() and by
// RescueDisplayNow, which the signal handlers (process/exit_signals.h) call.
void InstallDisplayRescue(SDL_Window* window);
void ClearDisplayRescue();
void RescueDisplayNow();

}  // namespace sd::platform

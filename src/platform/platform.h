#pragma once
// The platform: the one window with its 800 x 600 canvas, the screens on it,
// event dispatch, cursor, display mode, and the services (clock, message box,
// audio). The game reaches the windowing system only through this.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/layout.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/surface.h"

namespace sd::platform {

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

struct DisplayModeInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int refreshRate = 0;
};

class Platform {
public:
    static constexpr int kCanvasWidth = layout::kScreenWidth;
    static constexpr int kCanvasHeight = layout::kScreenHeight;

    explicit Platform(const PlatformOptions& options = {});
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Directory of the executable, without a trailing separator.
    static std::string programDirectory();

    Clock& clock();
    MessageBox& messageBox();
    AudioPlayer& audio();

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
    // Termination: every screen is asked to close (onCloseRequest) and
    // quitRequested() becomes true.
    void requestQuit();
    bool quitRequested() const;
    // Ends the process now with exit code. The display mode is given back
    // first if that has not happened yet; all else (memory, the audio device
    // with what it still plays, the connection to the window system) the
    // process's end gives back by itself, so nothing is closed piece by piece.
    [[noreturn]] void endProcess(int code);

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
    // The window disappears at once (the program is ending); showing a screen
    // brings it back.
    void hideWindow();

    // The window's title (UTF-8), e.g. while a replay runs.
    void setWindowTitle(const std::string& title);

    // --- messages ---
    // The message (Windows-1252) in a panel of the game's own, over the current
    // screen, with the caption and one button; returns when the player has
    // closed it (the button, Enter, Space, Escape, or closing the window).
    // Other screens get no input meanwhile. False when it could not be shown
    // (no window, no font, or the program is ending).
    bool showMessagePanel(const std::string& caption, const std::string& text);

    // --- cursor ---
    // Program-wide pointer from a .ico file; on failure the pointer stays as it
    // was and error names the file.
    bool setCursorFromIco(const std::string& path, std::string* error = nullptr);
    void setSystemCursor();

    // --- display mode ---
    DisplayModeInfo currentDisplayMode();
    bool displayOffers(int width, int height);
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
    bool isFullscreen() const;
    // The game has taken the display over for this run (whether or not
    // fullscreen followed); until then there is nothing to give back.
    void takeDisplayMode();
    bool displayModeTaken() const;

    // --- for tests and reviewers ---
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
    enum class Key { Return, KeypadEnter, Space, Escape, LetterA, Right, Plus, Minus };
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

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd::platform

#pragma once
// The platform's state, shared by its source files (window, compositing,
// events, cursor, display mode). Includes SDL; internal to src/platform.
#include <deque>
#include <functional>
#include <optional>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl_common.h"

namespace sd::platform {

// Counts a running handler or loop for as long as it runs: closed screens are
// freed only when none is running.
struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

struct Platform::Impl {
    explicit Impl(Platform& owner) : self(owner) {}

    Platform& self;
    PlatformOptions options;

    SDL_Window* window = nullptr;
    bool windowShown = false;
    // Left fullscreen while hidden: size and place are given back when it is
    // shown again (a window that never shows again need not wait for them).
    bool windowNeedsPlacing = false;
    bool fullscreen = false;
    bool displayModeTaken = false;
    SDL_Cursor* cursor = nullptr;

    std::unique_ptr<RealClock> ownClock;
    std::unique_ptr<SdlMessageBox> ownMessageBox;
    std::unique_ptr<SdlAudioPlayer> ownAudio;
    Clock* clock = nullptr;
    MessageBox* messageBox = nullptr;
    AudioPlayer* audio = nullptr;

    // Screens in creation order (ownership) and in stacking order (bottom first).
    std::vector<std::unique_ptr<Screen>> screens;
    std::vector<Screen*> order;
    std::vector<Screen*> modal;  // innermost modal screen last

    // The canvas always holds the last frame composited; a frame recomposes
    // only what changed since, and sends only that to the window.
    Surface canvas{kCanvasWidth, kCanvasHeight};
    Damage layoutDamage;     // screens shown, hidden, closed or raised (canvas coordinates)
    bool fullFrame = true;      // a new frame of everything (shown, new size)
    bool resendWindow = false;  // the window's pixels are right but must be sent again (uncovered)
    bool canvasBehind = false;  // frames went straight into the window's pixels, not the canvas
    uint64_t presents = 0;
    long long lastFrameArea = 0;
    // The window's pixels and how the canvas is scaled onto them: for each
    // output column and row of the letterboxed area, its canvas column and row.
    SDL_Surface* windowSurface = nullptr;  // SDL's; compared, never kept past a resize
    int outW = 0, outH = 0;
    SDL_Rect placed{0, 0, kCanvasWidth, kCanvasHeight};
    std::vector<int> sourceColumn, sourceRow;
    Font captionFont;
    bool captionFontTried = false;

    // How many handlers (and modal loops) are running; closed screens are
    // freed only when this is 0, so no handler ever runs on a freed screen.
    int depth = 0;
    bool quit = false;

    // The element (or screen background, element null) that got the button press.
    Screen* captureScreen = nullptr;
    Element* captureElement = nullptr;
    int captureButton = 0;

    // Synthetic input: the SDL user event only says "take the next one".
    enum class InjectKind { Move, Down, Up, Close };
    struct Injected {
        InjectKind kind;
        double x, y;
        int button;
    };
    uint32_t injectEventType = 0;
    std::deque<Injected> injected;

    // The earliest deadline of a screen still open, if any.
    std::optional<double> nextDeadline() const;
    // Calls onDeadline of every open screen whose deadline has come.
    void runDueDeadlines();
    // The wait's timeout shortened to the next deadline.
    int timeoutUntilDeadline(int timeoutMs) const;

    std::function<void()> idleHook;
    bool inIdleHook = false;
    uint64_t idleVirtualMs = 0;

    // --- compositing and presenting (platform_frame.cpp) ---
    // Takes every change noted since the last frame, on the screens shown.
    Damage collectDamage();
    // Recomposes area of the canvas (or of dst, a surface of the canvas's
    // geometry) from the screens shown.
    void composite(const Rect& area, SDL_Surface* dst = nullptr);
    void compositeScreen(Screen& s, SDL_Surface* dst, const Rect& area);
    // Presents what changed (everything after fullFrame); nothing when nothing did.
    void present();
    // Scales canvas area r into the window's pixels; the window rectangle it took.
    SDL_Rect copyToWindow(const Rect& r);
    bool updateWindowSurface();
    void showWindow();

    // --- events (platform_events.cpp) ---
    struct Target {
        Screen* screen = nullptr;
        Element* element = nullptr;
    };
    Target hitTest(double x, double y) const;
    void dispatch(const SDL_Event& ev);
    void handleMove(double x, double y);
    void handleKey(const SDL_KeyboardEvent& key);  // platform_keys.cpp
    void handleDown(int button, int shift, double x, double y);
    void handleUp(int button, int shift, double x, double y);
    void pushInjected(const Injected& in);
    bool windowToCanvas(int wx, int wy, double& x, double& y) const;
    void freeClosedScreens();
    bool isLive(const Screen* s) const;

    // The letterboxed place of the canvas in the window's pixels.
    SDL_Rect canvasRectInOutput() const;
    void outputSize(int& w, int& h) const;
};

// Takes the window off the screen without waiting for anyone (where the
// window system allows; false otherwise). platform_display.cpp.
bool UnmapAtOnce(SDL_Window* window);

// Leaves fullscreen when the program dies (platform_display.cpp): the window
// set here while the game is fullscreen is taken out of it at exit() and by
// RescueDisplayNow, which the signal handlers (exit_signals.h) call.
void InstallDisplayRescue(SDL_Window* window);
void ClearDisplayRescue();
void RescueDisplayNow();

}  // namespace sd::platform

#pragma once
// The input room's state, shared by its source files (screens, compositing,
// events, modal runs, deadlines). Includes SDL; internal to the room and its
// test driver.
#include <deque>
#include <functional>
#include <optional>
#include <memory>
#include <vector>

#include "base/scope_guard.h"
#include "platform/audio/audio.h"
#include "platform/draw/font.h"
#include "platform/draw/sdl_draw.h"
#include "platform/input/platform.h"

namespace sd::platform {

// The state is open to the room's source files; what the platform does with
// it (composing frames, dispatching events, deadlines) only the platform and
// its test driver call.
class Platform::Impl {
public:
    explicit Impl(Platform& owner) : self(owner) {}

    Platform& self;
    PlatformOptions options;

    std::unique_ptr<Window> window;
    std::unique_ptr<Pointer> pointer;

    // The services in use: the caller's, or the platform's own (owned here).
    struct Services {
        std::unique_ptr<RealClock> ownClock;
        std::unique_ptr<SdlMessageBox> ownMessageBox;
        std::unique_ptr<SdlAudioPlayer> ownAudio;
        Clock* clock = nullptr;
        MessageBox* messageBox = nullptr;
        AudioPlayer* audio = nullptr;
    };
    Services services;

    // Screens in creation order (ownership) and in stacking order (bottom first).
    std::vector<std::unique_ptr<Screen>> screens;
    std::vector<Screen*> order;
    std::vector<Screen*> modal;  // innermost modal screen last

    struct Frames {
        // The canvas always holds the last frame composited; a frame recomposes
        // only what changed since, and sends only that to the window.
        // Made on first use: a window of exactly the canvas's size is composed
        // straight into its own pixels and never needs it (1.9 MB less).
        Surface canvas;
        Damage layoutDamage;  // screens shown, hidden, closed or raised (canvas coordinates)
        uint64_t presents = 0;
        long long lastFrameArea = 0;
        // Damage::generation() when the screens were last looked through.
        uint64_t collectedGeneration = ~uint64_t{0};
        Font captionFont;
        bool captionFontTried = false;
    };
    Frames frames;

    // How many handlers (and modal loops) are running; closed screens are
    // freed only when this is 0, so no handler ever runs on a freed screen.
    int depth = 0;
    bool quit = false;

    // The element (or screen background, element null) that got the button press.
    struct Capture {
        Screen* screen = nullptr;
        Element* element = nullptr;
        int button = 0;
    };
    Capture capture;

    // Synthetic input: the SDL user event only says "take the next one".
    struct Injection {
        enum class Kind { Move, Down, Up, Close };
        struct Event {
            Kind kind;
            double x, y;
            int button;
        };
        uint32_t eventType = 0;
        std::deque<Event> queue;
    };
    Injection injection;

    // The tests' hook for a wait that finds nothing queued.
    struct Idle {
        std::function<void()> hook;
        bool inHook = false;
        uint64_t virtualMs = 0;
    };
    Idle idle;

private:
    friend class Platform;
    friend class testing::Driver;

    // The earliest deadline of a screen still open, if any.
    std::optional<double> nextDeadline() const;
    // Calls on.deadline of every open screen whose deadline has come.
    void runDueDeadlines();
    // The wait's timeout shortened to the next deadline.
    int timeoutUntilDeadline(int timeoutMs) const;

    // --- compositing and presenting (frame.cpp) ---
    // Takes every change noted since the last frame, on the screens shown.
    Damage collectDamage();
    // Recomposes area of the canvas (or of dst, a surface of the canvas's
    // geometry) from the screens shown.
    void composite(const Rect& area, SDL_Surface* dst = nullptr);
    void compositeScreen(Screen& s, SDL_Surface* dst, const Rect& area);
    // Presents what changed (everything after a new size or mode); nothing
    // when nothing did.
    void present();

    // --- events (events.cpp, mouse.cpp) ---
    struct Target {
        Screen* screen = nullptr;
        Element* element = nullptr;
    };
    Target hitTest(double x, double y) const;
    void dispatch(const SDL_Event& ev);
    void handleMove(double x, double y);
    void handleDown(int button, int shift, double x, double y);
    void handleUp(int button, int shift, double x, double y);
    void handleKey(const SDL_KeyboardEvent& key);
    void handleText(const char* text);
    // The screen keys and typed text go to; null when none.
    Screen* keyScreen();
    void pushInjected(const Injection::Event& in);
    void freeClosedScreens();
    bool isLive(const Screen* s) const;
};

}  // namespace sd::platform

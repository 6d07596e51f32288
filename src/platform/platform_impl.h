#pragma once
// The platform's state, shared by its source files (window, compositing,
// events, cursor, display mode). Includes SDL; internal to src/platform.
#include <deque>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/sdl_common.h"

namespace sd::platform {

struct Platform::Impl {
    explicit Impl(Platform& owner) : self(owner) {}

    Platform& self;
    PlatformOptions options;

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool windowShown = false;
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

    Surface canvas{kCanvasWidth, kCanvasHeight};
    uint64_t presentedChange = 0;  // frame signature of the last present
    uint64_t layoutChanges = 0;    // screens shown, hidden, closed, reordered
    uint64_t frameSignature() const;
    uint64_t presents = 0;
    bool forcePresent = true;
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

    std::function<void()> idleHook;
    bool inIdleHook = false;
    uint64_t idleVirtualMs = 0;

    // --- compositing and presenting (platform.cpp) ---
    void composite();
    void present();
    void presentIfChanged();
    void showWindow();

    // --- events (platform_events.cpp) ---
    struct Target {
        Screen* screen = nullptr;
        Element* element = nullptr;
    };
    Target hitTest(double x, double y) const;
    void dispatch(const SDL_Event& ev);
    void handleMove(double x, double y);
    void handleDown(int button, int shift, double x, double y);
    void handleUp(int button, int shift, double x, double y);
    void pushInjected(const Injected& in);
    bool windowToCanvas(int wx, int wy, double& x, double& y) const;
    void freeClosedScreens();
    bool isLive(const Screen* s) const;

    // The letterboxed place of the canvas in the renderer's output.
    SDL_Rect canvasRectInOutput() const;
};

// Leaves fullscreen when the program dies (platform_display.cpp).
void InstallDisplayRescue(SDL_Window* window);
void ClearDisplayRescue();

}  // namespace sd::platform

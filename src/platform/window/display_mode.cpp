// The display mode: what the display offers, fullscreen in and out (also by
// Alt+Enter), and the rescue that gives the desktop its mode back when the
// program dies (the signal handlers of exit_signals.h call it).
#include <dlfcn.h>

#include <cstdlib>

#include <SDL.h>

#include "base/layout.h"
#include "platform/window/display_mode.h"

#include "platform/window/window.h"
// Last: the X headers define names like None and Status.
#include <SDL_syswm.h>

namespace sd::platform {

namespace {

// The window to take out of fullscreen when the process dies: set while the
// game is fullscreen, whether the command line or Alt+Enter put it there.
SDL_Window* volatile g_rescueWindow = nullptr;
bool g_atExitRegistered = false;

constexpr int kCanvasWidth = layout::kScreenWidth;
constexpr int kCanvasHeight = layout::kScreenHeight;

int DisplayOf(SDL_Window* window) {
    const int i = window ? SDL_GetWindowDisplayIndex(window) : 0;
    return i < 0 ? 0 : i;
}

}  // namespace

bool UnmapAtOnce(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    // SDL takes a fullscreen window out of fullscreen before it hides it, and
    // on X then waits up to 100 ms for a window manager to answer. Unmapped
    // first, the window is gone at once and SDL finds nothing to wait for.
    // libX11 is already loaded (SDL uses it); it is only looked up here.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    void* x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11) return false;
    using Unmap = int (*)(Display*, ::Window);
    using Flush = int (*)(Display*);
    auto unmap = reinterpret_cast<Unmap>(dlsym(x11, "XUnmapWindow"));
    auto flush = reinterpret_cast<Flush>(dlsym(x11, "XFlush"));
    const bool ok = unmap && flush;
    if (ok) {
        unmap(info.info.x11.display, info.info.x11.window);
        flush(info.info.x11.display);
    }
    dlclose(x11);
    return ok;
#else
    (void)window;
    return false;
#endif
}

void InstallDisplayRescue(SDL_Window* window) {
    g_rescueWindow = window;
    if (g_atExitRegistered) return;
    g_atExitRegistered = true;
    // An exit() on the way out (main returning after an error) runs this
    // before SDL_Quit, which was registered earlier.
    std::atexit([] {
        if (g_rescueWindow) SDL_SetWindowFullscreen(g_rescueWindow, 0);
        g_rescueWindow = nullptr;
    });
}

void ClearDisplayRescue() { g_rescueWindow = nullptr; }

void RescueDisplayNow() {
    if (SDL_Window* w = g_rescueWindow) {
        g_rescueWindow = nullptr;
        // From a signal handler: not async-signal-safe, but the process is
        // ending anyway (the handler's watchdog sees that it does), and a
        // desktop left at 800 x 600 is worse than a lost cleanup.
        SDL_SetWindowFullscreen(w, 0);
        SDL_DestroyWindow(w);
    }
}

DisplayModeInfo DisplayMode::current() const {
    DisplayModeInfo info;
    SDL_DisplayMode mode{};
    const int display = DisplayOf(owner_.window_);
    // While we are fullscreen in a mode of our own, the desktop mode is the one found.
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0 && SDL_GetCurrentDisplayMode(display, &mode) != 0) return info;
    info.width = mode.w;
    info.height = mode.h;
    info.bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
    info.refreshRate = mode.refresh_rate;
    return info;
}

bool DisplayMode::offers(int width, int height) const {
    const int display = DisplayOf(owner_.window_);
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode{};
        if (SDL_GetDisplayMode(display, i, &mode) == 0 && mode.w == width && mode.h == height) return true;
    }
    return false;
}

bool DisplayMode::enterFullscreen(int width, int height) {
    SDL_Window* const sdl = owner_.window_;
    if (!sdl) return false;
    bool ok = false;
    if (offers(width, height)) {
        // Keep the desktop's depth and refresh rate where the display allows.
        SDL_DisplayMode desktop{}, wanted{}, closest{};
        SDL_GetDesktopDisplayMode(DisplayOf(owner_.window_), &desktop);
        wanted.w = width;
        wanted.h = height;
        wanted.format = desktop.format;
        wanted.refresh_rate = desktop.refresh_rate;
        if (SDL_GetClosestDisplayMode(DisplayOf(owner_.window_), &wanted, &closest) && closest.w == width &&
            closest.h == height && SDL_SetWindowDisplayMode(sdl, &closest) == 0 &&
            SDL_SetWindowFullscreen(sdl, SDL_WINDOW_FULLSCREEN) == 0) {
            ok = true;
        }
    }
    // Otherwise the desktop stays as it is and the canvas is scaled onto it.
    if (!ok) {
        // Without a window manager the fullscreen request alone leaves the window
        // where it was while the picture is laid out for the whole display; placing
        // the window over the display first makes both cases look the same.
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(DisplayOf(owner_.window_), &bounds) == 0) {
            SDL_SetWindowPosition(sdl, bounds.x, bounds.y);
            SDL_SetWindowSize(sdl, bounds.w, bounds.h);
        }
        ok = SDL_SetWindowFullscreen(sdl, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    }
    fullscreen_ = ok;
    owner_.fullFrame_ = true;
    if (ok && !owner_.headless_) InstallDisplayRescue(sdl);
    return ok;
}

bool DisplayMode::leaveFullscreen() {
    SDL_Window* const sdl = owner_.window_;
    if (!sdl) return false;
    const bool ok = SDL_SetWindowFullscreen(sdl, 0) == 0;
    if (ok) {
        // A hidden window (the program is ending) gets its size and place back
        // only if it is shown again: on X each of them waits for the window
        // manager's answer.
        if (owner_.shown_ || owner_.headless_) {
            SDL_SetWindowSize(sdl, kCanvasWidth, kCanvasHeight);
            SDL_SetWindowPosition(sdl, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        } else {
            owner_.needsPlacing_ = true;
        }
        fullscreen_ = false;
        ClearDisplayRescue();
    }
    owner_.fullFrame_ = true;
    return ok;
}

bool DisplayMode::canFullscreen() const { return owner_.window_ != nullptr; }

bool DisplayMode::toggleFullscreen() {
    return isFullscreen() ? leaveFullscreen() : enterFullscreen(kCanvasWidth, kCanvasHeight);
}

}  // namespace sd::platform

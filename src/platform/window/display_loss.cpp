// The watch on the display connection: see display_loss.h.
#include "platform/window/display_loss.h"

#include <dlfcn.h>
#include <unistd.h>

#include <SDL.h>
// Last: the X headers define names like None and Status.
#include <SDL_syswm.h>

namespace sd::platform::detail {

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

// The process that watches (a box process SDL forks inherits the handlers,
// but has no game to end and nothing to say), and its window.
pid_t g_owner = 0;
Window g_window = 0;
XErrorHandler g_previousErrorHandler = nullptr;

// Only system calls: Xlib calls the handlers with its own lock held, in the
// middle of whatever the game was doing.
[[noreturn]] void EndWithLostDisplay() {
    if (getpid() == g_owner) {
        const ssize_t written = write(STDERR_FILENO, kDisplayLostLine, sizeof kDisplayLostLine - 1);
        (void)written;  // nowhere left to report that it failed
    }
    _exit(kDisplayLostStatus);
}

// The connection is gone: Xlib would call exit() after this returns.
int OnIoError(Display*) { EndWithLostDisplay(); }

// An error about our own window means it no longer exists: SDL goes on
// asking after it, and its next request would be refused the same way.
// Every other error goes where it went before (SDL's handler, which gives
// the desktop its mode back, then Xlib's). SDL's own short-lived handlers
// around requests that may fail put this one back when they are done.
int OnError(Display* display, XErrorEvent* error) {
    if (error->resourceid == g_window && (error->error_code == BadWindow || error->error_code == BadDrawable))
        EndWithLostDisplay();
    return g_previousErrorHandler ? g_previousErrorHandler(display, error) : 0;
}

}  // namespace

bool WatchDisplayLoss(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    // libX11 is loaded already (SDL's X11 driver uses it) and stays loaded:
    // the handle is kept for as long as the handlers are installed.
    static void* const x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11) return false;
    using SetIoHandler = XIOErrorHandler (*)(XIOErrorHandler);
    using SetErrorHandler = XErrorHandler (*)(XErrorHandler);
    auto setIoHandler = reinterpret_cast<SetIoHandler>(dlsym(x11, "XSetIOErrorHandler"));
    auto setErrorHandler = reinterpret_cast<SetErrorHandler>(dlsym(x11, "XSetErrorHandler"));
    if (!setIoHandler || !setErrorHandler) return false;
    g_owner = getpid();
    g_window = info.info.x11.window;
    setIoHandler(OnIoError);
    const XErrorHandler previous = setErrorHandler(OnError);
    // A second platform in this process finds ours installed already.
    if (previous != OnError) g_previousErrorHandler = previous;
    return true;
}

#else

bool WatchDisplayLoss(SDL_Window*) { return false; }

#endif

}  // namespace sd::platform::detail

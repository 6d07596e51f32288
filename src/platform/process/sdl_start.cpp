#include "platform/process/sdl_start.h"

#include <SDL.h>

#include <cstdlib>

namespace sd::platform::detail {

namespace {
bool g_videoUp = false;
bool g_headless = false;
}  // namespace

bool EnsureSdlVideo(bool headless, std::string* error) {
    if (g_videoUp) return true;
    if (headless) {
        // Before SDL_Init: the driver is chosen once per process.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    }
    // SDL would turn SIGINT and SIGTERM into a quit event: nobody reads it
    // while a message box waits (or a headless test hangs), and it does not
    // give the display back. Headless runs keep the default actions, so that
    // a test's timeout kills it; a game with a window installs its own
    // handlers (exit_signals.h).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The window shows its own pixels, updated rectangle by rectangle; SDL
    // would otherwise put them through an OpenGL texture and redraw the whole
    // window for every change (on a machine without a GPU, in software).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A press grabs the pointer for its window by itself on X until the
    // release; SDL's own capture would only add round trips to every click.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = std::string("SDL could not start: ") + SDL_GetError();
        return false;
    }
    g_videoUp = true;
    g_headless = headless;
    std::atexit([] { SDL_Quit(); });
    return true;
}

bool IsHeadlessProcess() { return g_headless; }

}  // namespace sd::platform::detail

namespace sd::platform {

std::string ProgramDirectory() {
    std::string dir;
    if (char* base = SDL_GetBasePath()) {
        dir = base;
        SDL_free(base);
    }
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir.empty() ? "." : dir;
}

}  // namespace sd::platform

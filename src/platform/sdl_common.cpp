#include "platform/sdl_common.h"

#include <SDL_ttf.h>

#include <cstdlib>

namespace sd::platform::detail {

namespace {
bool g_videoUp = false;
bool g_headless = false;
}  // namespace

std::string Win1252ToUtf8(std::string_view text) {
    // 0x80..0x9F differ from Latin-1; the five unassigned bytes keep their
    // code point (an invisible control character).
    static constexpr uint16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (unsigned char ch : text) {
        uint32_t cp = ch;
        if (ch >= 0x80 && ch <= 0x9F) cp = kHigh[ch - 0x80];
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

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

bool EnsureTtf() {
    static bool up = TTF_Init() == 0;
    return up;
}

}  // namespace sd::platform::detail

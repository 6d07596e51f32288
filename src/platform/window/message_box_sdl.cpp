// The error box through SDL, the game's own panel where SDL's cannot be
// shown, and standard error for every message.
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <mutex>

#include "base/scope_guard.h"
#include "platform/window/message_box.h"
#include "platform/draw/sdl_draw.h"

namespace sd::platform {

namespace {

// SDL draws its box on X in a child process (its locale changes stay out of
// the game) and waits for it. A game killed meanwhile (SIGKILL, which no
// handler sees) would leave that child on the screen, with the game's
// window, until someone clicks OK. So every process forked while a box is
// being shown is told, before SDL's code in it runs, to die with the game.
// (With the thread that forked it, to be exact: the one waiting for the box.)
std::atomic<pid_t> g_boxParent{0};
static_assert(std::atomic<pid_t>::is_always_lock_free, "read in a forked child");

void ArmBoxChild() {
    const pid_t parent = g_boxParent.load();
    if (parent == 0) return;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The game died before the line above: nobody is left to send the signal.
    if (getppid() != parent) _exit(1);
}

// From here until the box is gone, the forks of this process are box processes.
void ArmBoxForks() {
    static std::once_flag registered;
    std::call_once(registered, [] { pthread_atfork(nullptr, nullptr, ArmBoxChild); });
    g_boxParent = getpid();
}

}  // namespace

SdlMessageBox::SdlMessageBox(bool headless)
    : headless_(headless), systemBox_([](const std::string& c, const std::string& t, SDL_Window* parent) {
          return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, c.c_str(), t.c_str(), parent);
      }) {}

void SdlMessageBox::showError(const std::string& caption, const std::string& text) {
    // Standard error gets every message, for players who start the game from
    // a terminal and for the reports they send us; in UTF-8 like the terminal.
    const std::string c = detail::Win1252ToUtf8(caption), t = detail::Win1252ToUtf8(text);
    std::fprintf(stderr, "sternenduell: %s\n", t.c_str());
    std::fflush(stderr);
    if (headless_) return;
    if (systemBox_) {
        ArmBoxForks();
        const ScopeExit disarm([] { g_boxParent = 0; });
        if (systemBox_(c, t, window_) == 0) return;
    }
    std::fprintf(stderr, "sternenduell: no system message box (%s)\n", SDL_GetError());
    if (windowPanel_) windowPanel_(caption, text);
}

}  // namespace sd::platform

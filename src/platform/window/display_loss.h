#pragma once
// The end of the game when its display goes away: the X server ends (a
// logout), another client kills our connection (xkill, xdotool windowkill) or
// destroys our window (xdotool windowclose).
//
// Xlib's own answer to a lost connection is exit(): the cleanups registered
// with atexit (SDL_Quit, the display rescue) then run and talk to the dead
// connection, which spins for ever or aborts. A destroyed window is an X
// error whose default answer is the same exit(). Instead the game writes one
// line to standard error and ends at once with _exit, touching nothing that
// needs the display: there is nothing left to give back to it.
//
// Internal to src/platform.
struct SDL_Window;

namespace sd::platform::detail {

// The exit status of a game whose display went away (Xlib's own for a lost
// connection).
inline constexpr int kDisplayLostStatus = 1;
inline constexpr char kDisplayLostLine[] = "sternenduell: Verbindung zum Bildschirm verloren\n";

// Watches the display connection of window, and the window itself, for this
// process; does nothing on a video driver other than X11's. Returns whether
// the watch is on.
bool WatchDisplayLoss(SDL_Window* window);

}  // namespace sd::platform::detail

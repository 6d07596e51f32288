#pragma once
// Every timed wait of the game goes through here: the pause after a button
// press, the pace of a flying shot, the frames of the animations, and the
// waits for a click on the aiming dial or the victory panel. The window lives
// on meanwhile (it repaints, the pointer is followed, other handlers may run)
// and nothing spins: the loop blocks on the event queue until the next
// deadline or event.
#include <cstdint>
#include <functional>

namespace sd {
struct Context;

// True when the waiting screen is gone (closed, or the program is ending): the
// wait then returns at once and its caller stops what it was doing.
using GoneTest = std::function<bool()>;

// Lets ms milliseconds of the game's clock pass. False when gone() ended it early.
bool WaitMs(Context& ctx, uint32_t ms, const GoneTest& gone);
// Waits, with no time limit, until done() is true. False when gone() ended it.
bool WaitUntil(Context& ctx, const std::function<bool()>& done, const GoneTest& gone);

// The pressed look of a button stays for 0.2 s; the sound plays on meanwhile.
void ShortPause(Context& ctx, const GoneTest& gone = {});

}  // namespace sd

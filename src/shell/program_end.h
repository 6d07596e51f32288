#pragma once
// The end of the program: system pointer back, display mode restored.

namespace sd {
struct Context;

// Hides the window, gives the pointer back to the system, forgets the game's
// cursor and, unless the program was started with "-NOSCREEN", restores the
// display mode found at start. Closing the screens is the caller's part.
void EndProgram(Context& ctx);

}  // namespace sd

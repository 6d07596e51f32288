#pragma once
// Which of SDL's video drivers show a window to a person.

namespace sd::platform {

// SDL falls back to its offscreen or dummy driver when no display can be
// reached; the game would then run on invisibly for ever, so it refuses to.
bool ShowsWindows(const char* videoDriver);

}  // namespace sd::platform

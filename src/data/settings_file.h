#pragma once

namespace sd {
struct Context;

// Reads the colour table from settings.dat, section "Colors". Returns false
// when a fatal error was reported, true otherwise.
bool LoadSettings(Context& ctx);

}  // namespace sd

#pragma once
#include <cstdint>

namespace sd {
struct Context;

// Switches the display to width x height for this run (see DisplayMode::enterFullscreen);
// the platform keeps the mode it found. True when the mode was available (and,
// with apply, when the switch succeeded).
bool SetDisplayMode(Context& ctx, int16_t width, int16_t height, bool apply);
// Brings back the mode found at start; false when nothing was switched.
bool RestoreDisplayMode(Context& ctx);

}  // namespace sd

#pragma once
// Calibrates the pace of the plasma flight to the machine's drawing speed.
#include <cstdint>

namespace sd {
struct Context;
namespace platform {
class Element;
class Surface;
}  // namespace platform

// Times fifteen repaints of picture into panel (clear, paint at (0, 0), process
// pending events) and returns a tenth of the elapsed milliseconds, rounded down;
// the panel's screen is not shown yet, so the rounds are drawn but never sent
// to the window;
// 0 when no tick passed. A measurement across the wrap of the 32-bit tick
// counter still gives the true elapsed time.
int32_t CheckSpeed(Context& ctx, platform::Element& panel, const platform::Surface& picture);

}  // namespace sd

#pragma once
#include <cstdint>

namespace sd {
struct Context;

// Sets the program-wide pointer to fx/c<n>.ico; n <= 0 only remembers the number.
void SetMouseCursor(Context& ctx, int16_t n);

}  // namespace sd

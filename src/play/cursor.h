#pragma once
#include <cstdint>

namespace sd {
struct Context;

// Sets the program-wide pointer to fx/c<n>.ico; n <= 0 only remembers the number.
void SetMouseCursor(Context& ctx, int16_t n);

// A cursor file that cannot be used is reported once per run; tests that start
// a fresh "run" forget the files reported before.
void ForgetReportedCursorFiles();

}  // namespace sd

#pragma once
// The program-wide mouse pointer: fx/c1.ico (arrow) and fx/c2.ico (target).
#include <cstdint>
#include <set>
#include <string>

namespace sd {
struct Context;

// What the pointer shows, for the whole run.
struct PointerMemory {
    int16_t CurrentCursor = 0;  // number of the cursor last asked for
    // Cursor files already reported as unusable: the player hears about each
    // one once, not at every hover that asks for it.
    std::set<std::string> reported;
};

// Sets the program-wide pointer to fx/c<n>.ico, loading the file only when the
// number changes; n <= 0 only remembers the number, so the next request loads again.
void SetMouseCursor(Context& ctx, int16_t n);

}  // namespace sd

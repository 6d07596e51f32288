#pragma once
#include <cstdint>

namespace sd {
struct Context;

// Reads worlds.dat (Global, Thing_Type, World<n>) into ctx.World. A missing file
// or a world that cannot be played safely is reported through ShowError (fatal).
// Returns false when a fatal error was reported (the model then holds a safe,
// empty world), true otherwise.
bool LoadWorld(Context& ctx, int16_t worldNumber);

}  // namespace sd

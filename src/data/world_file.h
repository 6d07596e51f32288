#pragma once
#include <cstdint>

#include "data/load_result.h"

namespace sd {
struct Context;

// Reads worlds.dat (Global, Thing_Type, World<n>) into ctx.World. A missing file
// or a world that cannot be played safely comes back as a problem; the model
// then holds a safe, empty world.
LoadResult LoadWorld(Context& ctx, int16_t worldNumber);

}  // namespace sd

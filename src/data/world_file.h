#pragma once
#include <cstdint>

#include "data/load_result.h"

namespace sd {
struct Context;
class IniFile;

// Reads worlds.dat (Global, Thing_Type, World<n>) into ctx.World. A file that
// cannot be read, or a world that cannot be played safely, comes back as a
// problem; the model then holds a safe, empty world.
LoadResult LoadWorld(Context& ctx, int16_t worldNumber);
// The same from a worlds.dat read already (IniFile::load or parse).
LoadResult LoadWorld(Context& ctx, const IniFile& worlds, int16_t worldNumber);

}  // namespace sd

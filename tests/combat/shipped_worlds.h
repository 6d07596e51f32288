#pragma once
// The ten worlds we ship, read from data/worlds.dat as the game reads them.
#include <string>

#include "data/context.h"
#include "data/world_file.h"

namespace sd::test {

struct ShippedWorld {
    WorldRecord world;
    std::string problem;  // empty when the world loaded
};

inline ShippedWorld LoadShippedWorld(int16_t n) {
    Context ctx;
    ctx.programDir = SD_SOURCE_DIR "/data";
    const LoadResult loaded = LoadWorld(ctx, n);
    return {ctx.World, loaded.ok() ? std::string() : loaded.problems.front()};
}

}  // namespace sd::test

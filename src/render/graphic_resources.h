#pragma once
#include "data/load_result.h"
#include "render/game_graphics.h"

namespace sd {
struct Context;
namespace platform {
class Screen;
}

// Loads every bitmap of the game screen from fx/, cuts the image strips and
// places the panels from the raster of the loaded world. A missing or broken
// bitmap, or a strip whose size does not divide into its cells, ends the
// loading at once and comes back as the problem.
LoadResult Init_Grafische_Elemente(Context& ctx, platform::Screen& screen, GameGraphics& gfx);

}  // namespace sd

#pragma once
// Deep space: dark nebula clouds and layered starfields, shared by the board,
// the title picture and the information panel.
#include "canvas.h"

namespace assetgen {

struct SpaceLook {
    uint32_t seed = 1;
    float nebula = 1.0f;      // strength of the clouds
    float scale = 1.0f;       // size of the clouds (larger = bigger)
    int faintStars = 1400;    // per 800 x 440
    int mediumStars = 260;
    int brightStars = 40;
    int twinkles = 7;
};

void paintSpace(Image& img, const SpaceLook& look);
// A bright star with a soft halo and four thin spikes.
void twinkle(Image& img, float x, float y, float size, Rgb c);

}  // namespace assetgen

#pragma once
#include "data/load_result.h"

namespace sd {
struct Context;

// Reads the colour table from settings.dat, section "Colors". A missing file or
// an unusable colour count comes back as problems (then every colour is black).
LoadResult LoadSettings(Context& ctx);

}  // namespace sd

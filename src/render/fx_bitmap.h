#pragma once
// Loading one bitmap of fx/ and saying so when it cannot be used: the one
// message every screen gives for a missing or broken picture.
#include <string>

#include "data/load_result.h"
#include "platform/surface.h"

namespace sd {
struct Context;

// Loads the bitmap at relative (to the program folder, "fx/back.bmp"). On
// failure returns an empty surface and adds the problem to result, naming the
// file, followed by consequence (what the player loses), when given.
platform::Surface LoadFxBitmap(const Context& ctx, const std::string& relative, LoadResult& result,
                               const std::string& consequence = {});

}  // namespace sd

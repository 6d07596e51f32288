#pragma once
// Loading one bitmap of fx/ and saying so when it cannot be used: the one
// message every screen gives for a missing, broken or wrongly sized picture.
#include <string>

#include "data/load_result.h"
#include "platform/draw/surface.h"

namespace sd {
struct Context;

// The sizes a picture may have, both ends included. The layout places panels
// and buttons by these sizes, so a picture outside them would push controls
// off the screen or leave parts of it unpainted.
struct SizeRule {
    int minWidth = 1, minHeight = 1;
    int maxWidth = 800, maxHeight = 600;

    static constexpr SizeRule Exactly(int w, int h) { return {w, h, w, h}; }
    bool allows(int w, int h) const { return w >= minWidth && h >= minHeight && w <= maxWidth && h <= maxHeight; }
};

// The message for a picture (or, with cells, the cells of an image strip) of
// width x height that the rule refuses.
std::string WrongSizeMessage(const std::string& file, bool cells, int width, int height, const SizeRule& rule);

// Loads the bitmap at relative (to the program folder, "fx/back.bmp"). On
// failure (missing, broken, or a size the rule refuses) returns an empty
// surface and adds the problem to result, naming the file, followed by
// consequence (what the player loses), when given.
platform::Surface LoadFxBitmap(const Context& ctx, const std::string& relative, LoadResult& result,
                               const std::string& consequence = {}, const SizeRule& rule = {});

}  // namespace sd

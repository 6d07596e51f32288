#pragma once
// Text in the three bitmap fonts of the info panel.
#include <cstdint>
#include <string_view>

#include "platform/draw/surface.h"
#include "render/game_graphics.h"
#include "render/glyph_table.h"

namespace sd {

// Writes text with its first character's top-left corner at (x, y). Every
// character moves the pen 8 pixels right, a carriage return 12 pixels down and
// back to x. Each glyph is painted in red, then green, then blue, as the flags
// ask; the last one painted covers the others.
void DrawFontText(const GameGraphics& gfx, int16_t x, int16_t y, std::string_view text, platform::Surface& surface,
                  bool red, bool green, bool blue);

}  // namespace sd

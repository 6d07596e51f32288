#pragma once
// The info panel: name, remark and values of the thing in a cell.
#include <cstdint>
#include <string>

#include "platform/element.h"
#include "render/game_graphics.h"

namespace sd {
struct Context;

// A Grav value as the panel writes it: at most 15 significant digits, no
// trailing zeros, '.' as the decimal separator.
std::string GravText(double grav);

// Shows cell (x, y) on the panel and sets the portrait of a unit. Does nothing
// when that cell is the one shown last (ctx.LastInfoX, ctx.LastInfoY).
void ShowCellInfo(Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y, platform::Element& panel,
                  platform::Element& portrait);

}  // namespace sd

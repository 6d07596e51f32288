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

// Cell of the portrait strip for player unit t (14..19): units 14 and 17 share
// row 0, 15 and 18 row 1, 16 and 19 row 2; column 0 is the selected look,
// column 1 the hover look. -1 for every other thing number.
int PortraitCell(int16_t t, bool hover);

// Shows cell (x, y) on the panel and sets the portrait of a unit. Does nothing
// when that cell is the one shown last (ctx.LastInfoX, ctx.LastInfoY).
void ShowCellInfo(Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y, platform::Element& panel,
                  platform::Element& portrait);

}  // namespace sd

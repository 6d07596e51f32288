#pragma once
// The info panel: name, remark and values of the thing in a cell, the turn
// message, and the values a shot changes. One object owns the panel's text
// area, so it knows which cell the area shows.
#include <cstdint>
#include <string>

#include "platform/input/element.h"
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

class InfoPanel {
public:
    // Shows cell (x, y) on the panel and sets the portrait of a unit. Does
    // nothing when the text area still shows that cell.
    void ShowCellInfo(const Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y, platform::Element& panel,
                      platform::Element& portrait);
    // Wipes the text area for other text; the cell shown is forgotten.
    platform::Surface& ClearText(platform::Element& panel);
    // Rewrites one line of the values column (black box, then the text in the
    // green font), as a shot does with the energy and plasma lines.
    void WriteValue(const GameGraphics& gfx, platform::Element& panel, int top, const std::string& text);
    // The text area no longer shows a known cell.
    void Forget() { shown_ = false; }

private:
    bool shown_ = false;  // the text area shows the cell below
    int16_t shownX_ = 0;
    int16_t shownY_ = 0;
    int16_t shownThing_ = 0;  // what lies there (0: empty space)
};

}  // namespace sd

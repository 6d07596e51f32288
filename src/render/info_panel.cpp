#include "render/info_panel.h"

#include <charconv>

#include "data/context.h"
#include "render/bitmap_text.h"

namespace sd {

std::string GravText(double grav) {
    char buf[64];
    // general format with 15 digits: like "%.15g", but independent of the C locale.
    const auto r = std::to_chars(buf, buf + sizeof buf, grav, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

int PortraitCell(int16_t t, bool hover) {
    int row = -1;
    switch (t) {
        case 14: case 17: row = 0; break;
        case 15: case 18: row = 1; break;
        case 16: case 19: row = 2; break;
        default: return -1;
    }
    return row * 2 + (hover ? 1 : 0);
}

void ShowCellInfo(Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y, platform::Element& panel,
                  platform::Element& portrait) {
    if (x == ctx.LastInfoX && y == ctx.LastInfoY) return;

    platform::Surface& s = panel.canvas();
    s.fillRect(175, 8, 635, 140, platform::Color{0, 0, 0});

    const int16_t n = ctx.World.CellMap(x, y);
    if (n != 0) {
        const Thing& t = ctx.World.thing(n);
        DrawFontText(gfx, 195, 20, t.Text, s, true, false, false);
        DrawFontText(gfx, 195, 40, t.Bemerkung, s, false, true, false);
        if (t.Energie >= 0) DrawFontText(gfx, 520, 20, "Energie: " + std::to_string(t.Energie), s, false, true, false);
        if (t.Schild >= 0) DrawFontText(gfx, 520, 34, "Schild:  " + std::to_string(t.Schild), s, false, true, false);
        if (t.Plasma >= 0) DrawFontText(gfx, 520, 48, "Plasma:  " + std::to_string(t.Plasma), s, false, true, false);
        if (t.Grav > -1) DrawFontText(gfx, 520, 62, "Grav:    " + GravText(t.Grav), s, false, true, false);
    } else {
        DrawFontText(gfx, 195, 20, "Weltall", s, true, false, false);
        portrait.clearPicture();
    }

    const int cell = PortraitCell(n, true);
    if (cell >= 0) portrait.setPicture(gfx.PicClipAnim.cell(cell));

    ctx.LastInfoX = x;
    ctx.LastInfoY = y;
}

}  // namespace sd

#include "render/info_panel.h"

#include <charconv>

#include "base/layout.h"
#include "base/units.h"
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
    const int row = units::Rank(t);
    if (row < 0) return -1;
    return row * 2 + (hover ? 1 : 0);
}

platform::Surface& InfoPanel::ClearText(platform::Element& panel) {
    constexpr Rect r = layout::kInfoText;
    platform::Surface& s = panel.canvas();
    s.fillRect(r.left, r.top, r.right, r.bottom, platform::Color{0, 0, 0});
    Forget();
    return s;
}

void InfoPanel::WriteValue(const GameGraphics& gfx, platform::Element& panel, int top, const std::string& text) {
    platform::Surface& s = panel.canvas();
    s.fillRect(layout::kValueLeft, top, layout::kValueBoxRight, top + layout::kValueBoxHeight, platform::Color{0, 0, 0});
    DrawFontText(gfx, layout::kValueLeft, top, text, s, false, true, false);
    Forget();
}

void InfoPanel::ShowCellInfo(const Context& ctx, const GameGraphics& gfx, int16_t x, int16_t y,
                             platform::Element& panel, platform::Element& portrait) {
    if (shown_ && x == shownX_ && y == shownY_) return;
    const int16_t n = ctx.World.CellMap(x, y);
    // From empty space to empty space the panel would be drawn again exactly
    // as it is ("Weltall", no portrait): the pointer crossing open space
    // redraws and sends nothing.
    if (shown_ && n == 0 && shownThing_ == 0) {
        shownX_ = x;
        shownY_ = y;
        return;
    }

    platform::Surface& s = ClearText(panel);
    if (n != 0) {
        using namespace layout;
        const Thing& t = ctx.World.thing(n);
        DrawFontText(gfx, 195, 20, t.Text, s, true, false, false);
        DrawFontText(gfx, 195, 40, t.Bemerkung, s, false, true, false);
        if (t.Energie >= 0) DrawFontText(gfx, kValueLeft, kEnergyTop, "Energie: " + std::to_string(t.Energie), s, false, true, false);
        if (t.Schild >= 0) DrawFontText(gfx, kValueLeft, kShieldTop, "Schild:  " + std::to_string(t.Schild), s, false, true, false);
        if (t.Plasma >= 0) DrawFontText(gfx, kValueLeft, kPlasmaTop, "Plasma:  " + std::to_string(t.Plasma), s, false, true, false);
        if (t.Grav > -1) DrawFontText(gfx, kValueLeft, kGravTop, "Grav:    " + GravText(t.Grav), s, false, true, false);
    } else {
        DrawFontText(gfx, 195, 20, "Weltall", s, true, false, false);
        portrait.setPicture(platform::Surface());
    }

    const int cell = PortraitCell(n, true);
    if (cell >= 0) portrait.setPicture(gfx.PicClipAnim.cell(cell));

    shown_ = true;
    shownX_ = x;
    shownY_ = y;
    shownThing_ = n;
}

}  // namespace sd

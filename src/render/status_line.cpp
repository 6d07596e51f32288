#include "render/status_line.h"

#include "base/layout.h"

namespace sd {

namespace {

constexpr platform::Color kGlass{0, 0, 0};
constexpr platform::Color kEventColor{215, 215, 190};
constexpr int kPadding = 5;
constexpr const char* kGap = "   ";
constexpr const char* kEllipsis = "\xE2\x80\xA6";

// The longest start of text (whole UTF-8 characters) that fits width with an
// ellipsis after it.
std::string Fit(const platform::Font& font, const std::string& text, int width) {
    if (font.utf8TextWidth(text) <= width) return text;
    std::string cut = text;
    while (!cut.empty()) {
        do {
            cut.pop_back();
        } while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80);
        if (!cut.empty()) cut.pop_back();  // the lead byte, or a plain character
        if (font.utf8TextWidth(cut + kEllipsis) <= width) return cut + kEllipsis;
    }
    return {};
}

}  // namespace

platform::Color TeamColor(int16_t team) {
    return team == 1 ? platform::Color{110, 180, 255} : platform::Color{255, 130, 100};
}

void DrawStatusLine(const GameGraphics& gfx, platform::Surface& canvas, const StatusText& s) {
    constexpr Rect r = layout::kStatusLine;
    canvas.fillRect(r.left, r.top, r.right, r.bottom, kGlass);
    const platform::Font& font = gfx.StatusFont;
    const int top = r.top + (r.bottom - r.top + 1 - font.textHeight("Zug")) / 2;
    const int right = r.right - kPadding;
    int x = r.left + kPadding;
    const std::string turn = Fit(font, s.turn, right - x);
    canvas.drawUtf8Text(font, x, top, turn, s.turnColor);
    x += font.utf8TextWidth(turn) + font.utf8TextWidth(kGap);
    if (s.event.empty() || x >= right) return;
    canvas.drawUtf8Text(font, x, top, Fit(font, s.event, right - x), kEventColor);
}

}  // namespace sd

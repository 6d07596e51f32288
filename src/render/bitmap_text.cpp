#include "render/bitmap_text.h"

namespace sd {

void DrawFontText(const GameGraphics& gfx, int16_t x, int16_t y, std::string_view text, platform::Surface& surface,
                  bool red, bool green, bool blue) {
    int penX = x;
    int penY = y;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 13) {
            // Back to the start column; the advance below brings the pen there.
            penY += 12;
            penX = x - 8;
        }
        const int cell = GlyphCell(c);
        if (cell >= 0) {
            if (red) gfx.PicClipFont_R.paintCell(cell, surface, penX, penY);
            if (green) gfx.PicClipFont_G.paintCell(cell, surface, penX, penY);
            if (blue) gfx.PicClipFont_B.paintCell(cell, surface, penX, penY);
        }
        penX += 8;
    }
}

}  // namespace sd

#pragma once
// The glyph table of the bitmap fonts: which cell of the 10 x 16 font strip holds
// a character. Shared by the game, which paints the cells, and the asset
// generator, which draws the glyphs into exactly these cells.

namespace sd {

// Cell of character c, or -1 when the fonts have no glyph for it.
constexpr int GlyphCell(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 97;
    if (c >= 'A' && c <= 'Z') return c - 39;
    if (c >= '1' && c <= '9') return c + 3;
    switch (c) {
        case '0': return 61;
        case '!': return 62;
        case '%': return 66;
        case ':': return 85;
        case ',': return 88;
        case '.': return 90;
        default: return -1;
    }
}

}  // namespace sd

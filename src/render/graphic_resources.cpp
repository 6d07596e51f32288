// Bitmaps and layout of the game screen.
#include "render/graphic_resources.h"

#include <string>

#include "base/layout.h"
#include "data/context.h"
#include "platform/font.h"
#include "platform/screen.h"
#include "render/fx_bitmap.h"

namespace sd {

namespace {

using platform::Color;
using platform::Element;
using platform::ImageStrip;
using platform::Surface;

// The degrees beside the dial's pointer: pale ice blue, clear on the dark dial face.
constexpr Color kDialTextColor{190, 225, 255};
// The victory text: warm gold on the deep blue of the victory panel.
constexpr Color kVictoryTextColor{255, 215, 120};

constexpr const char* kNoGame = "Das Spiel kann nicht gestartet werden.";

bool LoadPicture(Context& ctx, const std::string& relative, Surface& out, LoadResult& result) {
    out = LoadFxBitmap(ctx, relative, result, kNoGame);
    return !out.empty();
}

bool LoadPicture(Context& ctx, const std::string& relative, Element& element, LoadResult& result) {
    Surface picture;
    if (!LoadPicture(ctx, relative, picture, result)) return false;
    element.setPicture(picture);
    return true;
}

bool LoadStrip(Context& ctx, const std::string& relative, ImageStrip& strip, int rows, int columns, LoadResult& result) {
    const std::string file = ctx.path(relative);
    Surface bitmap;
    if (!LoadPicture(ctx, relative, bitmap, result)) return false;
    strip.setBitmap(std::move(bitmap));
    strip.setGrid(rows, columns);
    if (!strip.valid()) {
        const Surface& b = strip.bitmap();
        result.add("Die Grafikdatei \"" + file + "\" hat eine unpassende Gr\xF6\xDF" "e: " + std::to_string(b.width()) +
                   " x " + std::to_string(b.height()) + " Pixel lassen sich nicht in " + std::to_string(rows) +
                   " Zeilen und " + std::to_string(columns) + " Spalten gleich gro\xDF" "er Bilder teilen.");
        return false;
    }
    return true;
}

}  // namespace

LoadResult Init_Grafische_Elemente(Context& ctx, platform::Screen& screen, GameGraphics& gfx) {
    const WorldRecord& w = ctx.World;
    LoadResult r;

    // 1. Screen size and background.
    gfx.ScreenWidth = layout::kScreenWidth;
    gfx.ScreenHeight = layout::kScreenHeight;
    screen.setBackground(Color{0, 0, 0});

    // 2. The font strips are cut into 10 rows of 16 glyphs (their bitmaps follow in step 8).
    gfx.PicClipFont_R.setGrid(10, 16);
    gfx.PicClipFont_G.setGrid(10, 16);
    gfx.PicClipFont_B.setGrid(10, 16);

    // 3. The board: a clean copy of the background is kept for every repaint.
    if (!LoadPicture(ctx, "fx/back.bmp", gfx.PicBackTmp, r)) return r;
    Element& back = *gfx.PicBack;
    back.setAutoSize(false);
    back.setPicture(gfx.PicBackTmp);
    back.setBorder(false);
    back.setPosition(layout::kBoardLeft, layout::kBoardTop);
    back.setSize(int{w.Raster_width} * w.Raster_max_x + 1, int{w.Raster_height} * w.Raster_max_y + 1);

    // 4. The info panel sits at the bottom of the screen.
    Element& display = *gfx.PicDisplay1;
    if (!LoadPicture(ctx, "fx/screen1.bmp", display, r)) return r;
    display.setBorder(false);
    display.setPosition(0, gfx.ScreenHeight - display.height());

    // 5. The portrait box in the right part of the info panel.
    Element& mmc = *gfx.PicMMC;
    mmc.setAutoSize(false);
    mmc.setBackground(Color{0, 0, 0});
    mmc.setSize(layout::kPortraitWidth, layout::kPortraitHeight);
    mmc.setPosition(display.width() + display.left() - mmc.width() - 10, display.top() + 9);

    // 6. The aiming dial lies exactly over the portrait.
    Element& angle = *gfx.PicAngle;
    angle.setAutoSize(false);
    if (!LoadPicture(ctx, "fx/screen3.bmp", angle, r)) return r;
    angle.setSize(mmc.width(), mmc.height());
    angle.setPosition(mmc.left(), mmc.top());
    angle.setFont(platform::Font::open("Arial", 7.8, true));
    angle.setTextColor(kDialTextColor);

    // 7. The victory panel, centred (the platform rounds the halves).
    Element& win = *gfx.PicWin;
    if (!LoadPicture(ctx, "fx/screen4.bmp", win, r)) return r;
    win.setFont(platform::Font::open("Arial", 10.2, true));
    win.setTextColor(kVictoryTextColor);
    win.setPosition(gfx.ScreenWidth / 2.0 - win.width() / 2.0, gfx.ScreenHeight / 2.0 - win.height() / 2.0);

    // 8. Fonts: blue, green, red.
    if (!LoadStrip(ctx, "fx/font_b.bmp", gfx.PicClipFont_B, 10, 16, r)) return r;
    if (!LoadStrip(ctx, "fx/font_g.bmp", gfx.PicClipFont_G, 10, 16, r)) return r;
    if (!LoadStrip(ctx, "fx/font_r.bmp", gfx.PicClipFont_R, 10, 16, r)) return r;

    // 9. Things and unit portraits.
    if (!LoadStrip(ctx, "fx/t0.bmp", gfx.PicClipThing, 4, 7, r)) return r;
    if (!LoadStrip(ctx, "fx/t0i.bmp", gfx.PicClipAnim, 3, 2, r)) return r;

    // 10. Weapon pictures and explosion frames.
    if (!LoadStrip(ctx, "fx/weapon.bmp", gfx.PicClipWeaponSelect, 2, 1, r)) return r;
    if (!LoadStrip(ctx, "fx/expl.bmp", gfx.PicClipExplosion, 4, 4, r)) return r;

    // 11. The command buttons in their three looks.
    static const char* const kButtonFiles[3] = {"butt1", "butt3", "butt2"};
    for (int i = 0; i < 3; ++i) {
        const std::string stem = std::string("fx/") + kButtonFiles[i];
        if (!LoadPicture(ctx, stem + "_a.bmp", *gfx.PicButtonNormal[i], r)) return r;
        if (!LoadPicture(ctx, stem + "_b.bmp", *gfx.PicButtonOver[i], r)) return r;
        if (!LoadPicture(ctx, stem + "_c.bmp", *gfx.PicButtonClick[i], r)) return r;
    }

    // 12. The plasma ball on black.
    if (!LoadPicture(ctx, "fx/plasma.bmp", *gfx.PicPlasma, r)) return r;
    gfx.PicPlasma->setBackground(Color{0, 0, 0});
    return r;
}

}  // namespace sd

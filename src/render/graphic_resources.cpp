// Bitmaps and layout of the game screen.
#include "render/graphic_resources.h"

#include <utility>

#include "render/status_line.h"

#include <string>

#include "base/layout.h"
#include "data/context.h"
#include "data/message_text.h"
#include "platform/draw/font.h"
#include "platform/input/screen.h"
#include "render/fx_bitmap.h"

namespace sd {

namespace {

// A soft dot of three by three pixels in the team's colour: bright in the
// middle, faint at the edge, so a trail reads on the starfield without hiding it.
void MakeTrailDots(GameGraphics& gfx) {
    for (int16_t team = 1; team <= 2; ++team) {
        platform::Surface dot(3, 3);
        const platform::Color c = TeamColor(team);
        const platform::Color faint{static_cast<uint8_t>(c.r / 3), static_cast<uint8_t>(c.g / 3), static_cast<uint8_t>(c.b / 3)};
        dot.fillRect(0, 0, 2, 2, faint);
        dot.fillRect(1, 1, 1, 1, c);
        gfx.TrailDot[team] = std::move(dot);
    }
}

using platform::Color;
using platform::Element;
using platform::ImageStrip;
using platform::Surface;

// The degrees beside the dial's pointer: pale ice blue, clear on the dark dial face.
constexpr Color kDialTextColor{190, 225, 255};
// The victory text: warm gold on the deep blue of the victory panel.
constexpr Color kVictoryTextColor{255, 215, 120};

constexpr const char* kNoGame = "Das Spiel kann nicht gestartet werden.";

// The sizes the layout of the game screen is built for.
constexpr SizeRule kInfoPanelSize = SizeRule::Exactly(800, 170);       // its top is 430: buttons, dial
constexpr SizeRule kDialSize = SizeRule::Exactly(150, 130);            // exactly over the portrait
constexpr SizeRule kVictorySize{300, 95, 800, 600};                    // four lines of text fit
constexpr SizeRule kButtonSize{40, 20, 160, 38};                       // the buttons stand 38 pixels apart
constexpr SizeRule kFontCell = SizeRule::Exactly(8, 12);               // the bitmap text steps 8 pixels
constexpr SizeRule kPortraitCell = SizeRule::Exactly(150, 130);        // fills the portrait box
constexpr SizeRule kWeaponCell = SizeRule::Exactly(229, 20);           // the weapon switch's area
constexpr SizeRule kPlasmaSize{1, 1, 60, 60};

bool LoadPicture(Context& ctx, const std::string& relative, Surface& out, LoadResult& result,
                 const SizeRule& rule = {}) {
    out = LoadFxBitmap(ctx, relative, result, kNoGame, rule);
    return !out.empty();
}

bool LoadPicture(Context& ctx, const std::string& relative, Element& element, LoadResult& result,
                 const SizeRule& rule = {}) {
    Surface picture;
    if (!LoadPicture(ctx, relative, picture, result, rule)) return false;
    element.setPicture(picture);
    return true;
}

// An image strip of rows x columns equal cells, each within cellRule.
bool LoadStrip(Context& ctx, const std::string& relative, ImageStrip& strip, int rows, int columns,
               const SizeRule& cellRule, LoadResult& result) {
    const std::string file = ctx.path(relative);
    const SizeRule whole{cellRule.minWidth * columns, cellRule.minHeight * rows, cellRule.maxWidth * columns,
                         cellRule.maxHeight * rows};
    // The whole picture is judged by its cells below.
    constexpr SizeRule kAnySize{1, 1, 1 << 15, 1 << 15};
    Surface bitmap;
    if (!LoadPicture(ctx, relative, bitmap, result, kAnySize)) return false;
    strip.setBitmap(std::move(bitmap));
    strip.setGrid(rows, columns);
    const Surface& b = strip.bitmap();
    if (!strip.valid()) {
        result.add("Die Grafikdatei \"" + PathForMessage(file) + "\" hat eine unpassende Gr\xF6\xDF" "e: " + std::to_string(b.width()) +
                   " x " + std::to_string(b.height()) + " Pixel lassen sich nicht in " + std::to_string(rows) +
                   " Zeilen und " + std::to_string(columns) + " Spalten gleich gro\xDF" "er Bilder teilen. " + kNoGame);
        return false;
    }
    if (!whole.allows(b.width(), b.height())) {
        result.add(WrongSizeMessage(file, true, b.width() / columns, b.height() / rows, cellRule) + " " + kNoGame);
        return false;
    }
    return true;
}

// Things and explosion frames are painted at their own size from a cell's
// corner: at least a cell, so nothing of the cell stays unpainted, and not so
// large that one picture buries the board.
SizeRule CellsOfTheBoard(const WorldRecord& w, int times) {
    return {w.Raster_width, w.Raster_height, w.Raster_width * times, w.Raster_height * times};
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
    const SizeRule boardSize{w.Raster_x + w.Raster_width * w.Raster_max_x + 1,
                             w.Raster_y + w.Raster_height * w.Raster_max_y + 1, layout::kScreenWidth, layout::kScreenHeight};
    if (!LoadPicture(ctx, "fx/back.bmp", gfx.PicBackTmp, r, boardSize)) return r;
    Element& back = *gfx.PicBack;
    back.setAutoSize(false);
    back.setPicture(gfx.PicBackTmp);
    back.setBorder(false);
    back.setPosition(layout::kBoardLeft, layout::kBoardTop);
    // The grid starts at the world's offset: the board reaches to its last line.
    back.setSize(boardSize.minWidth, boardSize.minHeight);

    // 4. The info panel sits at the bottom of the screen.
    Element& display = *gfx.PicDisplay1;
    if (!LoadPicture(ctx, "fx/screen1.bmp", display, r, kInfoPanelSize)) return r;
    display.setBorder(false);
    display.setPosition(0, gfx.ScreenHeight - display.bounds().h);
    gfx.StatusFont = platform::Font::open("Arial", 8.5);
    MakeTrailDots(gfx);

    // 5. The portrait box in the right part of the info panel.
    Element& mmc = *gfx.PicMMC;
    mmc.setAutoSize(false);
    mmc.setBackground(Color{0, 0, 0});
    mmc.setSize(layout::kPortraitWidth, layout::kPortraitHeight);
    mmc.setPosition(display.bounds().right() - mmc.bounds().w - 10, display.bounds().y + 9);

    // 6. The aiming dial lies exactly over the portrait.
    Element& angle = *gfx.PicAngle;
    angle.setAutoSize(false);
    if (!LoadPicture(ctx, "fx/screen3.bmp", angle, r, kDialSize)) return r;
    angle.setSize(mmc.bounds().w, mmc.bounds().h);
    angle.setPosition(mmc.bounds().x, mmc.bounds().y);
    angle.setFont(platform::Font::open("Arial", 7.8, true));
    angle.setTextColor(kDialTextColor);

    // 7. The victory panel, centred (the platform rounds the halves).
    Element& win = *gfx.PicWin;
    if (!LoadPicture(ctx, "fx/screen4.bmp", win, r, kVictorySize)) return r;
    win.setFont(platform::Font::open("Arial", 10.2, true));
    win.setTextColor(kVictoryTextColor);
    win.setPosition(gfx.ScreenWidth / 2.0 - win.bounds().w / 2.0, gfx.ScreenHeight / 2.0 - win.bounds().h / 2.0);

    // 8. Fonts: blue, green, red.
    if (!LoadStrip(ctx, "fx/font_b.bmp", gfx.PicClipFont_B, 10, 16, kFontCell, r)) return r;
    if (!LoadStrip(ctx, "fx/font_g.bmp", gfx.PicClipFont_G, 10, 16, kFontCell, r)) return r;
    if (!LoadStrip(ctx, "fx/font_r.bmp", gfx.PicClipFont_R, 10, 16, kFontCell, r)) return r;

    // 9. Things and unit portraits.
    if (!LoadStrip(ctx, "fx/t0.bmp", gfx.PicClipThing, 4, 7, CellsOfTheBoard(w, 2), r)) return r;
    if (!LoadStrip(ctx, "fx/t0i.bmp", gfx.PicClipAnim, 3, 2, kPortraitCell, r)) return r;

    // 10. Weapon pictures and explosion frames.
    if (!LoadStrip(ctx, "fx/weapon.bmp", gfx.PicClipWeaponSelect, 2, 1, kWeaponCell, r)) return r;
    if (!LoadStrip(ctx, "fx/expl.bmp", gfx.PicClipExplosion, 4, 4, CellsOfTheBoard(w, 3), r)) return r;

    // 11. The command buttons in their three looks.
    static const char* const kButtonFiles[3] = {"butt1", "butt3", "butt2"};
    for (int i = 0; i < 3; ++i) {
        const std::string stem = std::string("fx/") + kButtonFiles[i];
        if (!LoadPicture(ctx, stem + "_a.bmp", *gfx.PicButtonNormal[i], r, kButtonSize)) return r;
        if (!LoadPicture(ctx, stem + "_b.bmp", *gfx.PicButtonOver[i], r, kButtonSize)) return r;
        if (!LoadPicture(ctx, stem + "_c.bmp", *gfx.PicButtonClick[i], r, kButtonSize)) return r;
    }

    // 12. The plasma ball on black.
    if (!LoadPicture(ctx, "fx/plasma.bmp", *gfx.PicPlasma, r, kPlasmaSize)) return r;
    gfx.PicPlasma->setBackground(Color{0, 0, 0});
    return r;
}

}  // namespace sd

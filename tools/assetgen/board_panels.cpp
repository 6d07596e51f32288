// The board's background and the info panel below the board.
#include <cmath>

#include "art.h"
#include "lettering.h"
#include "space.h"
#include "style.h"

namespace assetgen {

Image makeBoardBackground() {
    Image img(800, 440);
    SpaceLook look;
    look.seed = 4242;
    // Things are painted opaquely on black cells, so the clouds stay faint:
    // a cell moved over them must not show as a hard black square.
    look.nebula = 0.45f;
    paintSpace(img, look);
    return img;
}

namespace {

// The info panel's fixed places, in the panel's own pixels.
constexpr int kDisplayX0 = 175, kDisplayY0 = 8, kDisplayX1 = 635, kDisplayY1 = 140;
// The game writes its status line on this strip of black glass.
constexpr int kStatusX0 = 175, kStatusY0 = 154, kStatusX1 = 635, kStatusY1 = 167;
constexpr int kPortraitX0 = 640, kPortraitY0 = 9, kPortraitX1 = 789, kPortraitY1 = 138;
constexpr int kButtonX = 16, kButtonW = 150, kButtonH = 34;
constexpr int kButtonY[3] = {21, 59, 97};

void ventSlots(Image& img, int x0, int y, int count) {
    for (int i = 0; i < count; ++i) {
        int x = x0 + i * 7;
        fillRect(img, x, y, x + 4, y + 14, rgb8(6, 8, 11));
        for (int j = y; j < y + 14; ++j) img.blend(x + 4, j, rgb8(90, 100, 118), 0.5f);
    }
}

}  // namespace

Image makeInfoPanel() {
    Image img(800, 170);
    hullPlate(img, 0, 0, 800, 170, 77);

    // Top rim: a dark seam against the board and a glowing cyan edge line.
    fillRect(img, 0, 0, 800, 2, rgb8(4, 5, 8));
    accentLineH(img, 0, 799, 2, palette::cyan, 0.9f);
    fillRect(img, 0, 3, 800, 4, rgb8(90, 104, 124), 0.6f);

    // Command column: a recessed slot holding the three buttons.
    slotArea(img, kButtonX - 6, kButtonY[0] - 8, kButtonX + kButtonW + 5, kButtonY[2] + kButtonH + 8);
    for (int y : kButtonY) {
        // Faint marker lights left of each button.
        // (kept clear of the button's edge, whose corners show the bare slot)
        fillRect(img, kButtonX - 5, y + 12, kButtonX - 3, y + 22, palette::cyan, 0.55f);
        glow(img, kButtonX - 4, y + 17, 1.5f, palette::cyan, 0.1f);
    }
    drawTextAt(img, "KOMMANDO", kButtonX + 2, 4, {9, Face::Bold, rgb8(110, 170, 200)});

    // The text display: black glass in a deep bevelled frame.
    recessFrame(img, kDisplayX0, kDisplayY0, kDisplayX1, kDisplayY1, 3);
    fillRect(img, kDisplayX0, kDisplayY0, kDisplayX1 + 1, kDisplayY1 + 1, rgb8(0, 0, 0));

    // The portrait bay.
    recessFrame(img, kPortraitX0, kPortraitY0, kPortraitX1, kPortraitY1, 2);
    fillRect(img, kPortraitX0, kPortraitY0, kPortraitX1 + 1, kPortraitY1 + 1, rgb8(0, 0, 0));
    // Corner brackets on the bay.
    const Rgb br = palette::cyan;
    {
        // Only on the right: the left side borders the text display.
        int x = kPortraitX1 + 5, dx = -1;
        for (int t = 0; t < 10; ++t) {
            img.blend(x + dx * t, kPortraitY0 - 5, br, 0.7f);
            img.blend(x, kPortraitY0 - 5 + t, br, 0.7f);
            img.blend(x + dx * t, kPortraitY1 + 5, br, 0.7f);
            img.blend(x, kPortraitY1 + 5 - t, br, 0.7f);
        }
    }

    // Bottom band: vents, the status line's glass under the text display,
    // status lamps, rivets and a second accent line.
    accentLineH(img, 8, 791, 152, palette::cyanDim, 0.8f);
    ventSlots(img, 14, 155, 20);
    recessFrame(img, kStatusX0, kStatusY0, kStatusX1, kStatusY1, 1);
    fillRect(img, kStatusX0, kStatusY0, kStatusX1 + 1, kStatusY1 + 1, rgb8(0, 0, 0));
    const Rgb lamps[3] = {rgb8(60, 200, 255), rgb8(255, 180, 60), rgb8(255, 70, 60)};
    for (int i = 0; i < 3; ++i) {
        fillCircle(img, 654.5f + i * 14, 161.5f, 3, rgb8(10, 12, 16));
        fillCircle(img, 654.5f + i * 14, 161.5f, 2.2f, lamps[i] * 0.8f);
        glow(img, 654.5f + i * 14, 161.5f, 3, lamps[i], 0.25f);
    }
    ventSlots(img, 698, 155, 13);
    for (float x : {5.0f, 794.5f}) {
        rivet(img, x, 9);
        rivet(img, x, 145);
    }
    rivet(img, 5, 164);
    rivet(img, 794.5f, 164);
    return img;
}

}  // namespace assetgen

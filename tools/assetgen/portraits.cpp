// Large portraits of the three ship kinds (t0i.bmp): column 0 when the ship
// is selected (lit frame, engines at full thrust, a tag), column 1 when the
// pointer rests on it (calm). Both teams share them, so the paint is neutral.
#include <cmath>

#include "art.h"
#include "lettering.h"
#include "ships.h"
#include "style.h"

namespace assetgen {
namespace {

constexpr int kW = 150, kH = 130;

Image portrait(ShipKind kind, const char* name, bool selected) {
    Image img(kW, kH);
    // Backdrop: dark blue vignette, faint scanning grid and a few stars.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            float d = std::hypot((x - kW / 2.0f) / kW, (y - kH / 2.0f) / kH);
            Rgb c = mix(selected ? rgb8(14, 30, 48) : rgb8(10, 18, 30), rgb8(2, 3, 7), clamp01(d * 1.8f));
            if (x % 15 == 7 || y % 15 == 5) c = c + palette::cyanDim * (selected ? 0.10f : 0.06f);
            img.set(x, y, c);
        }
    Rng rng(static_cast<uint64_t>(kind) * 31 + 5);
    sprinkleStars(img, 0, 0, kW, kH, 50, 0.1f, 0.45f, rng);

    ShipPaint paint = neutralPaint();
    paint.engineGlow = selected ? 1.8f : 0.45f;
    float scale = kind == ShipKind::Fighter ? 52.0f : (kind == ShipKind::Cruiser ? 60.0f : 64.0f);
    drawShip(img, kind, kW / 2.0f + 6, kH / 2.0f + 4, scale, false, paint);

    // Name plate at the top left.
    drawTextAt(img, name, 6, 3, {11, Face::Bold, selected ? rgb8(160, 230, 255) : rgb8(120, 150, 175),
                                 {-1, 0, 0}, palette::cyan, selected ? 3 : 0, 0.3f, 0.8f});
    if (selected) {
        // Corner brackets and the tag.
        const Rgb c = palette::cyan;
        for (int t = 0; t < 14; ++t) {
            for (int k = 0; k < 2; ++k) {
                img.set(1 + t, 1 + k, c), img.set(1 + k, 1 + t, c);
                img.set(kW - 2 - t, 1 + k, c), img.set(kW - 2 - k, 1 + t, c);
                img.set(1 + t, kH - 2 - k, c), img.set(1 + k, kH - 2 - t, c);
                img.set(kW - 2 - t, kH - 2 - k, c), img.set(kW - 2 - k, kH - 2 - t, c);
            }
        }
        strokeRect(img, 0, 0, kW - 1, kH - 1, c, 0.55f);
        fillRect(img, 38, kH - 17, kW - 38, kH - 4, rgb8(10, 60, 90), 0.9f);
        strokeRect(img, 38, kH - 17, kW - 39, kH - 5, c, 0.9f);
        drawTextCentred(img, "AUSGEWÄHLT", kW / 2.0f, kH - 10.5f, {9, Face::Bold, rgb8(220, 250, 255)});
    } else {
        strokeRect(img, 0, 0, kW - 1, kH - 1, palette::cyanDim, 0.6f);
    }
    return img;
}

}  // namespace

Image makePortraitStrip() {
    Image img(kW * 2, kH * 3);
    const ShipKind kinds[3] = {ShipKind::Fighter, ShipKind::Cruiser, ShipKind::Battleship};
    const char* names[3] = {"JAEGER", "KREUZER", "SCHLACHTSCHIFF"};
    for (int row = 0; row < 3; ++row) {
        img.paste(portrait(kinds[row], names[row], true), 0, row * kH);
        img.paste(portrait(kinds[row], names[row], false), kW, row * kH);
    }
    return img;
}

}  // namespace assetgen

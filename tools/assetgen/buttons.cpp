// Command buttons in their three looks, and the weapon selector strip.
#include <cmath>

#include "art.h"
#include "lettering.h"
#include "style.h"

namespace assetgen {

Image makeButton(const std::string& label, int w, int h, ButtonLook look) {
    Image img(w, h, palette::slot);  // the corners show the slot the button sits in
    const bool hover = look == ButtonLook::Hover, pressed = look == ButtonLook::Pressed;
    Rgb top = hover ? rgb8(64, 104, 134) : (pressed ? rgb8(10, 14, 20) : rgb8(58, 68, 86));
    Rgb bottom = hover ? rgb8(24, 44, 64) : (pressed ? rgb8(30, 36, 48) : rgb8(24, 29, 40));
    const float x0 = 0.5f, y0 = 0.5f, x1 = w - 0.5f, y1 = h - 0.5f;
    fillRoundRect(img, x0, y0, x1, y1, 5, [&](float, float y) { return mix(top, bottom, (y - y0) / (y1 - y0)); });
    if (!pressed) {
        // Gloss on the upper half.
        fillRoundRect(img, 2.5f, 2.0f, w - 2.5f, h * 0.48f, 3,
                      [](float, float) { return rgb8(255, 255, 255); }, hover ? 0.10f : 0.07f);
        for (int x = 4; x < w - 4; ++x) img.blend(x, 1, rgb8(200, 220, 240), hover ? 0.45f : 0.3f);
    } else {
        for (int x = 3; x < w - 3; ++x) img.blend(x, 1, rgb8(0, 0, 0), 0.7f), img.blend(x, 2, rgb8(0, 0, 0), 0.35f);
    }
    Rgb edge = hover ? palette::cyan : (pressed ? rgb8(8, 10, 14) : palette::cyanDim);
    strokeRoundRect(img, x0, y0, x1, y1, 5, 1.0f, edge, hover ? 0.95f : 0.85f);
    if (hover) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float d = std::min(std::min(x + 0.5f, w - x - 0.5f), std::min(y + 0.5f, h - y - 0.5f));
                img.add(x, y, palette::cyan, 0.10f * std::exp(-d / 3));
            }
    }
    // Status lamp on the left.
    const int shift = pressed ? 1 : 0;
    Rgb lamp = hover ? rgb8(120, 230, 255) : (pressed ? rgb8(30, 110, 150) : rgb8(40, 140, 190));
    fillRoundRect(img, 6.5f + shift, h / 2.0f - 6 + shift, 9.5f + shift, h / 2.0f + 6 + shift, 1.2f,
                  [&](float, float) { return lamp; });
    if (hover) glow(img, 8 + shift, h / 2.0f + shift, 4, palette::cyan, 0.35f);

    TextStyle s;
    s.size = h >= 36 ? 14 : 15;
    s.face = Face::Bold;
    if (hover) {
        s.color = rgb8(255, 255, 255);
        s.colorBottom = rgb8(190, 235, 255);
        s.glowColor = palette::cyan;
        s.glowRadius = 4;
        s.glowStrength = 0.6f;
        s.shadow = 0.6f;
    } else if (pressed) {
        s.color = rgb8(140, 170, 195);
    } else {
        s.color = rgb8(225, 236, 248);
        s.colorBottom = rgb8(160, 185, 210);
        s.shadow = 0.8f;
    }
    drawTextCentred(img, label, w / 2.0f + 5 + shift, h / 2.0f + shift, s);
    return img;
}

namespace {

void weaponRow(Image& img, int top, bool beam) {
    const float cy = top + 10;
    if (beam) {
        for (int x = 4; x < 30; ++x) {
            float k = 0.5f + 0.5f * std::sin(x * 0.9f);
            img.add(x, static_cast<int>(cy), rgb8(140, 255, 255), 0.9f);
            img.add(x, static_cast<int>(cy) - 1, rgb8(40, 180, 255), 0.35f + 0.2f * k);
            img.add(x, static_cast<int>(cy) + 1, rgb8(40, 180, 255), 0.35f + 0.2f * k);
        }
        glow(img, 4, cy + 0.5f, 2.5f, rgb8(120, 230, 255), 0.9f);
        glow(img, 30, cy + 0.5f, 3.5f, rgb8(200, 250, 255), 0.7f);
    } else {
        for (int i = 1; i <= 3; ++i) glow(img, 24 - 5.0f * i - 1, cy + 0.5f, 1.6f, rgb8(255, 130, 30), 0.5f / i);
        glow(img, 24, cy + 0.5f, 5, rgb8(255, 120, 20), 0.6f);
        fillCircle(img, 24, cy + 0.5f, 4.5f, rgb8(255, 170, 40));
        fillCircle(img, 23.3f, cy - 0.2f, 2.6f, rgb8(255, 245, 200));
    }
    TextStyle name{14, Face::Bold, rgb8(255, 255, 255), rgb8(180, 230, 255), palette::cyan, 3, 0.25f};
    if (!beam) name.colorBottom = rgb8(255, 215, 150), name.glowColor = rgb8(255, 140, 40);
    drawTextAt(img, beam ? "Strahl" : "Plasma", 40, top + 1, name);
    drawTextAt(img, beam ? "kurze Reichweite" : "weit, aber abgelenkt", 100, top + 5,
               {10, Face::Regular, rgb8(110, 130, 150)});
    // A small switch mark at the right end: the strip is also the switch.
    fillPolygon(img, {{219, cy - 4.0f}, {225, cy + 0.5f}, {219, cy + 5.0f}}, [](float, float) { return palette::cyanDim; });
}

}  // namespace

Image makeWeaponStrip() {
    Image img(229, 40);
    weaponRow(img, 0, false);
    weaponRow(img, 20, true);
    return img;
}

}  // namespace assetgen

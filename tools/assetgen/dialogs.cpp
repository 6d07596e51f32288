// The exit dialog, the aiming dial and the victory panel.
#include <cmath>
#include <string>

#include "art.h"
#include "lettering.h"
#include "space.h"
#include "style.h"

namespace assetgen {

Image makeExitPanel() {
    Image img(251, 200);
    hullPlate(img, 0, 0, 251, 200, 301);
    // Headline bar.
    gradientRect(img, 4, 4, 247, 46, rgb8(14, 22, 36), rgb8(6, 10, 18));
    accentLineH(img, 4, 246, 46, palette::cyan, 0.9f);
    TextStyle head{17, Face::Bold, rgb8(235, 245, 255), rgb8(150, 205, 240), palette::cyan, 4, 0.45f, 0.9f};
    drawTextCentred(img, "Spiel verlassen?", 125.5f, 25, head);
    TextStyle sub{11, Face::Regular, rgb8(150, 165, 185)};
    drawTextCentred(img, "Die Schlacht wird abgebrochen.", 125.5f, 64, sub);
    // Slot behind the two buttons at (54, 91) and (54, 135), 143 x 36 each.
    slotArea(img, 47, 84, 204, 178);
    // Outer frame.
    bevel(img, 0, 0, 250, 199, rgb8(120, 134, 156), rgb8(0, 0, 0), 2);
    strokeRect(img, 2, 2, 248, 197, palette::cyanDim, 0.6f);
    for (float x : {9.0f, 242.0f}) rivet(img, x, 189, 2.0f);
    return img;
}

Image makeAimDial() {
    const int w = 150, h = 130;
    const float cx = w / 2.0f, cy = h / 2.0f;  // the pointer line starts here
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / 75.0f;
            img.set(x, y, mix(rgb8(10, 20, 38), rgb8(2, 3, 8), clamp01(d)));
        }
    Rng rng(31);
    sprinkleStars(img, 0, 0, w, h, 40, 0.08f, 0.3f, rng);

    const float R = 60;
    strokeCircle(img, cx, cy, R + 1.5f, 1.2f, palette::cyanDim, 0.9f);
    strokeCircle(img, cx, cy, R - 14, 0.8f, palette::cyanDim, 0.5f);
    strokeCircle(img, cx, cy, 20, 0.8f, palette::cyanDim, 0.35f);
    // Angles run counter-clockwise from the right: 0 right, 90 up, 180 left, 270 down.
    for (int deg = 0; deg < 360; deg += 10) {
        float t = deg * 3.14159265f / 180.0f;
        float dx = std::cos(t), dy = -std::sin(t);
        bool major = deg % 90 == 0, mid = deg % 30 == 0;
        float len = major ? 11 : (mid ? 7 : 4);
        Rgb c = major ? rgb8(140, 225, 255) : (mid ? rgb8(80, 170, 215) : rgb8(50, 110, 150));
        line(img, cx + dx * (R - len), cy + dy * (R - len), cx + dx * R, cy + dy * R, major ? 1.6f : 1.0f, c);
    }
    // Faint cross through the centre.
    for (int deg = 0; deg < 360; deg += 90) {
        float t = deg * 3.14159265f / 180.0f;
        line(img, cx + std::cos(t) * 4, cy - std::sin(t) * 4, cx + std::cos(t) * (R - 16), cy - std::sin(t) * (R - 16),
             0.8f, palette::cyanDim, 0.45f);
    }
    TextStyle num{9, Face::Bold, rgb8(150, 210, 240)};
    drawTextCentred(img, "0", cx + R - 22, cy - 7, num);
    drawTextCentred(img, "90", cx + 9, cy - R + 20, num);
    drawTextCentred(img, "180", cx - R + 25, cy - 7, num);
    drawTextCentred(img, "270", cx + 11, cy + R - 20, num);
    fillCircle(img, cx, cy, 2.2f, rgb8(200, 200, 40));
    glow(img, cx, cy, 3, rgb8(255, 230, 80), 0.3f);
    drawTextAt(img, "WINKEL", 3, 2, {8, Face::Bold, rgb8(90, 150, 185)});
    strokeRect(img, 0, 0, w - 1, h - 1, palette::cyanDim, 0.9f);
    return img;
}

Image makeVictoryPanel() {
    const int w = 400, h = 110;
    Image img(w, h);
    gradientRect(img, 0, 0, w, h, rgb8(16, 18, 30), rgb8(5, 6, 12));
    // A very faint star dust at the right end, away from the text.
    Rng rng(404);
    sprinkleStars(img, 300, 6, w - 6, h - 6, 40, 0.05f, 0.22f, rng);
    glow(img, 372, 55, 40, rgb8(90, 60, 20), 0.18f);
    bevel(img, 0, 0, w - 1, h - 1, palette::gold, palette::goldDim, 2);
    strokeRect(img, 3, 3, w - 4, h - 4, palette::gold, 0.35f);
    // Small gold diamonds in the corners.
    for (auto [x, y] : {std::pair{3.5f, 3.5f}, {w - 3.5f, 3.5f}, {3.5f, h - 3.5f}, {w - 3.5f, h - 3.5f}}) {
        fillPolygon(img, {{x, y - 4}, {x + 4, y}, {x, y + 4}, {x - 4, y}}, [](float, float) { return palette::gold; });
    }
    // A laurel-like star mark on the right.
    for (int i = 0; i < 5; ++i) {
        float a = -1.5708f + i * 2 * 3.14159265f / 5;
        float b = a + 3.14159265f / 5;
        fillPolygon(img, {{372, 55}, {372 + 16 * std::cos(a), 55 + 16 * std::sin(a)}, {372 + 6.5f * std::cos(b), 55 + 6.5f * std::sin(b)}},
                    [](float, float y) { return mix(rgb8(255, 225, 130), rgb8(170, 120, 40), (y - 39) / 32); }, 0.85f);
        float c = a - 3.14159265f / 5;
        fillPolygon(img, {{372, 55}, {372 + 16 * std::cos(a), 55 + 16 * std::sin(a)}, {372 + 6.5f * std::cos(c), 55 + 6.5f * std::sin(c)}},
                    [](float, float y) { return mix(rgb8(200, 160, 70), rgb8(120, 80, 20), (y - 39) / 32); }, 0.85f);
    }
    return img;
}

}  // namespace assetgen

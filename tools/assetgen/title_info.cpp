// The title picture (main.bmp) and the information panel (info.bmp).
#include <cmath>

#include "art.h"
#include "bodies.h"
#include "lettering.h"
#include "ships.h"
#include "space.h"
#include "style.h"

namespace assetgen {
namespace {

// Darkens the rows [y0, y1) to k, with soft edges of `soft` rows.
void calmBand(Image& img, int y0, int y1, float k, int soft) {
    for (int y = y0 - soft; y < y1 + soft; ++y) {
        float inside = std::min(smoothstep(y0 - soft, y0, y + 0.5f), smoothstep(y1 + soft, y1, y + 0.5f));
        float f = 1 - (1 - k) * inside;
        for (int x = 0; x < img.w(); ++x) img.set(x, y, img.get(x, y) * f);
    }
}

// A plasma shot bent on its way: a quadratic curve with a fading trail.
void plasmaArc(Image& img, Pt a, Pt c, Pt b, float upto, Rgb colour) {
    const int steps = 140;
    for (int i = 0; i <= steps; ++i) {
        float t = upto * i / steps;
        float u = 1 - t;
        float x = u * u * a.x + 2 * u * t * c.x + t * t * b.x, y = u * u * a.y + 2 * u * t * c.y + t * t * b.y;
        float k = static_cast<float>(i) / steps;
        glow(img, x, y, 1.2f + 1.5f * k, colour, 0.05f + 0.12f * k * k);
        if (i == steps) {
            glow(img, x, y, 5, colour, 0.9f);
            glow(img, x, y, 2, rgb8(255, 255, 230), 1.0f);
        }
    }
}

// The dark night side of a planet whose edge arcs across the bottom, with a
// thin lit atmosphere along its limb.
void planetHorizon(Image& img, float cx, float cy, float r) {
    for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            float limb = std::exp(-std::pow((d - r) / 2.5f, 2.0f));
            float haze = std::exp(-std::max(0.0f, d - r) / 9.0f) * (d > r ? 1.0f : 0.0f);
            img.add(x, y, rgb8(60, 150, 255), 0.55f * limb + 0.10f * haze);
            if (d < r) {
                float n = fbm(x * 0.012f, y * 0.05f, 321, 4);
                Rgb ground = mix(rgb8(4, 7, 14), rgb8(12, 18, 32), n) * (0.6f + 0.4f * std::exp(-(r - d) / 30.0f));
                img.set(x, y, mix(img.get(x, y), ground, clamp01((r - d) / 1.5f)));
            }
        }
}

}  // namespace

Image makeTitlePicture() {
    Image img(800, 600);
    SpaceLook look;
    look.seed = 9001;
    look.nebula = 1.35f;
    look.scale = 1.4f;
    look.twinkles = 10;
    paintSpace(img, look);
    // A distant sun lights the scene from the upper left.
    glow(img, 40, 30, 90, rgb8(255, 170, 80), 0.18f);
    glow(img, 40, 30, 18, rgb8(255, 235, 190), 0.8f);
    drawRingPlanet(img, 690, 172, 58);

    // Two fleets facing each other, shots on their way.
    const ShipPaint blue = bluePaint(), red = redPaint();
    drawShip(img, ShipKind::Cruiser, 88, 168, 30, false, blue);
    drawShip(img, ShipKind::Battleship, 150, 222, 44, false, blue);
    drawShip(img, ShipKind::Fighter, 232, 160, 15, false, blue);
    drawShip(img, ShipKind::Fighter, 222, 256, 15, false, blue);
    drawShip(img, ShipKind::Battleship, 560, 222, 44, true, red);
    drawShip(img, ShipKind::Cruiser, 640, 256, 26, true, red);
    drawShip(img, ShipKind::Fighter, 478, 162, 15, true, red);
    drawShip(img, ShipKind::Fighter, 490, 258, 15, true, red);
    plasmaArc(img, {196, 220}, {330, 120}, {462, 160}, 0.82f, rgb8(120, 200, 255));
    plasmaArc(img, {513, 222}, {380, 300}, {240, 256}, 1.0f, rgb8(255, 140, 40));
    glow(img, 240, 256, 9, rgb8(255, 160, 60), 0.6f);
    glow(img, 240, 256, 3.5f, rgb8(255, 250, 210), 0.9f);

    // Keep the preview rows and the menu band calm: space dims below the
    // fleets, and the night side of a huge planet rises under the menu.
    calmBand(img, 283, 600, 0.32f, 12);
    planetHorizon(img, 400, 3708, 3200);  // the limb: y 508 in the middle, 533 at the edges

    // The name of the game.
    TextStyle title{80, Face::Bold, rgb8(255, 255, 255), rgb8(120, 190, 255), rgb8(40, 140, 255), 12, 0.9f, 0};
    Mask m = textMask("Sternenduell", title.size, title.face);
    int tx = (800 - m.w) / 2, ty = 4;
    paintMask(img, m, tx + 3, ty + 4, rgb8(0, 0, 0), 0.8f);
    glowMask(img, m, tx, ty, title.glowColor, title.glowRadius, title.glowStrength);
    paintMaskRamp(img, m, tx, ty, title.color, title.colorBottom);
    drawTextCentred(img, "Ein Duell zweier Flotten im Schwerefeld der Sterne", 400, 112,
                    {16, Face::Regular, rgb8(185, 205, 230), {-1, 0, 0}, {}, 0, 0, 0.9f});
    drawTextAt(img, "Wähle eine Welt:", 60, 262, {15, Face::Bold, rgb8(210, 210, 120), {-1, 0, 0}, {}, 0, 0, 0.9f});
    return img;
}

Image makeInfoPicture() {
    const int w = 400, h = 250;
    Image img(w, h);
    SpaceLook look;
    look.seed = 777;
    look.nebula = 0.7f;
    look.mediumStars = 90;  // few bright stars behind the text
    look.brightStars = 6;
    look.twinkles = 0;
    paintSpace(img, look);
    calmBand(img, 0, h, 0.55f, 0);
    bevel(img, 0, 0, w - 1, h - 1, rgb8(140, 155, 180), rgb8(10, 12, 16), 2);
    strokeRect(img, 3, 3, w - 4, h - 4, palette::cyanDim, 0.7f);

    drawTextCentred(img, "Sternenduell", w / 2.0f, 24,
                    {28, Face::Bold, rgb8(255, 255, 255), rgb8(130, 195, 255), rgb8(40, 140, 255), 6, 0.6f, 0.8f});
    accentLineH(img, 60, w - 61, 44, palette::cyan, 0.7f);
    const char* lines[] = {
        "Zwei Spieler, ein Bildschirm: abwechselnd zieht",
        "jeder seine Schiffe und feuert auf den Gegner.",
        "Der Strahl trifft nur auf kurze Entfernung,",
        "Plasmaschüsse fliegen weit, doch die Schwerkraft",
        "von Sonnen und Planeten lenkt sie ab.",
        "Wer die letzte feindliche Einheit zerstört, gewinnt.",
    };
    int y = 56;
    for (const char* line : lines) {
        drawTextAt(img, line, 22, y, {13, Face::Regular, rgb8(205, 215, 230), {-1, 0, 0}, {}, 0, 0, 0.8f});
        y += 19;
    }
    drawTextAt(img, "Programm, Grafik und Klang:", 175, 186, {11, Face::Regular, rgb8(150, 160, 175)});
    drawTextAt(img, "das Sternenduell-Team", 175, 201, {12, Face::Bold, rgb8(226, 190, 110)});
    // A dark plate in the bottom left corner, where the game writes its version.
    fillRoundRect(img, 6, h - 25, 92, h - 5, 3, [](float, float) { return rgb8(3, 4, 8); }, 0.9f);
    strokeRoundRect(img, 6, h - 25, 92, h - 5, 3, 1, palette::cyanDim, 0.45f);
    drawTextAt(img, "Klick schließt dieses Fenster", 226, 229, {10, Face::Regular, rgb8(110, 125, 145)});
    return img;
}

}  // namespace assetgen

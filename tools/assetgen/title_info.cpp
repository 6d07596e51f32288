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

    // Keep the preview rows and the menu band calm.
    calmBand(img, 283, 478, 0.3f, 10);
    calmBand(img, 528, 590, 0.18f, 8);
    accentLineH(img, 20, 779, 526, palette::cyanDim, 0.8f);
    accentLineH(img, 20, 779, 592, palette::cyanDim, 0.6f);

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
    look.twinkles = 2;
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
    drawTextAt(img, "Klick schließt dieses Fenster", 226, 229, {10, Face::Regular, rgb8(110, 125, 145)});
    return img;
}

}  // namespace assetgen

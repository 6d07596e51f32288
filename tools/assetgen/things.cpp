// The board pictures of the 27 things of worlds.dat (t0.bmp) and the plasma shot.
#include <algorithm>
#include <cmath>

#include "art.h"
#include "bodies.h"
#include "ships.h"

namespace assetgen {
namespace {

constexpr int kCell = 60, kColumns = 7, kRows = 4;

// Cells are painted opaquely over the board, so everything fades to black
// well before the cell's edge (on a rounded square): no glow ends in a line.
void fadeEdges(Image& cell) {
    const float m = cell.w() / 2.0f;
    for (int y = 0; y < cell.h(); ++y)
        for (int x = 0; x < cell.w(); ++x) {
            float dx = std::fabs(x + 0.5f - m), dy = std::fabs(y + 0.5f - m);
            float d = std::pow(std::pow(dx, 4.0f) + std::pow(dy, 4.0f), 0.25f);
            cell.set(x, y, cell.get(x, y) * smoothstep(m, m - 6, d));
        }
}

Image thingPicture(int n) {
    Image c(kCell, kCell);
    const float m = kCell / 2.0f;
    switch (n) {
        case 1: drawYellowSun(c, m, m, 15); break;
        case 2: drawRedGiant(c, m, m, 20); break;
        case 3: drawWhiteDwarf(c, m, m, 5); break;
        case 4: drawTerra(c, m, m, 19); break;
        case 5: drawGasGiant(c, m, m, 23); break;
        case 6: drawDesertPlanet(c, m, m, 17); break;
        case 7: drawIcePlanet(c, m, m, 16); break;
        case 8: drawRingPlanet(c, m, m, 12); break;
        case 9: drawMoon(c, m, m, 11); break;
        case 10: drawVolcanicMoon(c, m, m, 12); break;
        case 11: drawBlackHole(c, m, m, 8); break;
        case 12: drawNeutronStar(c, m, m, 3.5f); break;
        case 13: drawPulsar(c, m, m, 3.5f); break;
        case 14: drawShip(c, ShipKind::Fighter, m + 1, m, 17, false, bluePaint()); break;
        case 15: drawShip(c, ShipKind::Cruiser, m + 1, m, 22, false, bluePaint()); break;
        case 16: drawShip(c, ShipKind::Battleship, m + 1, m, 25, false, bluePaint()); break;
        case 17: drawShip(c, ShipKind::Fighter, m - 1, m, 17, true, redPaint()); break;
        case 18: drawShip(c, ShipKind::Cruiser, m - 1, m, 22, true, redPaint()); break;
        case 19: drawShip(c, ShipKind::Battleship, m - 1, m, 25, true, redPaint()); break;
        case 20: drawAsteroid(c, m, m, 15, 200); break;
        case 21: drawAsteroid(c, m, m, 24, 210); break;
        case 22: drawMine(c, m, m, 8); break;
        case 23: drawWreck(c, m, m, 22); break;
        case 24: drawGasCloud(c, m, m, 22); break;
        case 25: drawComets(c, m, m, 22); break;
        case 26: drawStation(c, m, m, 24); break;
        case 27: drawWormhole(c, m, m, 22); break;
        default: break;
    }
    fadeEdges(c);
    return c;
}

}  // namespace

Image makeThingStrip() {
    Image img(kCell * kColumns, kCell * kRows);
    for (int n = 1; n < kColumns * kRows; ++n)
        img.paste(thingPicture(n), (n % kColumns) * kCell, (n / kColumns) * kCell);
    return img;
}

Image makePlasma() {
    Image img(9, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            float d = std::hypot(x - 4.0f, y - 4.0f) / 4.6f;
            if (d >= 1) continue;
            float core = std::exp(-d * d * 9), halo = std::pow(1 - d, 1.6f);
            Rgb c = rgb8(255, 110, 20) * halo + rgb8(255, 220, 120) * (halo * halo) + rgb8(255, 255, 240) * core;
            img.set(x, y, c);
        }
    return img;
}

}  // namespace assetgen

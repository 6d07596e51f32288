#pragma once
// The three ship kinds of both teams, drawn from one set of outlines so the
// board pictures and the large portraits show the same ships.
#include "canvas.h"

namespace assetgen {

enum class ShipKind { Fighter, Cruiser, Battleship };

struct ShipPaint {
    Rgb hull;     // base plating
    Rgb accent;   // stripes, wing tips
    Rgb engine;   // exhaust glow
    Rgb glass;    // cockpit and bridge windows
    float engineGlow = 1.0f;  // 0 = engines cold, 1 = normal, > 1 = full thrust
};

ShipPaint bluePaint();
ShipPaint redPaint();
ShipPaint neutralPaint();

// Draws the ship centred on (cx, cy); scale is half its length in pixels.
// It faces right unless facingLeft.
void drawShip(Image& img, ShipKind kind, float cx, float cy, float scale, bool facingLeft, const ShipPaint& paint);

}  // namespace assetgen

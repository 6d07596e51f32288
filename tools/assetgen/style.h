#pragma once
// The shared look of the game's panels: palette, brushed hull metal, recesses,
// rivets and accent lines, so every panel and button belongs to one family.
#include "canvas.h"

namespace assetgen {

namespace palette {
inline const Rgb space = rgb8(2, 3, 9);
inline const Rgb hullTop = rgb8(46, 54, 68);
inline const Rgb hullBottom = rgb8(20, 24, 32);
inline const Rgb slot = rgb8(12, 15, 21);  // recessed areas behind buttons
inline const Rgb cyan = rgb8(60, 200, 255);
inline const Rgb cyanDim = rgb8(24, 90, 130);
inline const Rgb gold = rgb8(226, 178, 72);
inline const Rgb goldDim = rgb8(110, 82, 30);
inline const Rgb steelLight = rgb8(150, 162, 180);
inline const Rgb shadow = rgb8(0, 0, 0);
}  // namespace palette

// Brushed hull plate over [x0, x1) x [y0, y1): vertical gradient and fine
// horizontal streaks.
void hullPlate(Image& img, int x0, int y0, int x1, int y1, uint32_t seed,
               Rgb top = palette::hullTop, Rgb bottom = palette::hullBottom);
// Sunken frame around the inner rectangle [x0, x1] x [y0, y1] (both on the
// border of the recess), `depth` pixels wide outside it.
void recessFrame(Image& img, int x0, int y0, int x1, int y1, int depth);
// Flat recessed slot [x0, x1) x [y0, y1) in the slot colour with an inset edge.
void slotArea(Image& img, int x0, int y0, int x1, int y1);
void rivet(Image& img, float x, float y, float r = 2.2f);
// A thin glowing accent line from (x0, y) to (x1, y).
void accentLineH(Image& img, int x0, int x1, int y, Rgb c, float strength = 1.0f);
void accentLineV(Image& img, int x, int y0, int y1, Rgb c, float strength = 1.0f);
// Starfield sprinkled over [x0, x1) x [y0, y1): count stars, brightness range.
void sprinkleStars(Image& img, int x0, int y0, int x1, int y1, int count, float lo, float hi, Rng& rng);

}  // namespace assetgen

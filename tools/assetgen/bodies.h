#pragma once
// Celestial bodies and other things of the board, each drawn centred on
// (cx, cy) into a 60 x 60 cell (or larger for the title picture).
#include <functional>

#include "canvas.h"

namespace assetgen {

// Surface colour at longitude lon (radians, -pi..pi) and latitude lat (-pi/2..pi/2).
using SurfaceFn = std::function<Rgb(float lon, float lat)>;

struct SphereLook {
    Rgb atmosphere{};          // rim glow colour
    float atmosphereStrength = 0;
    bool emissive = false;     // suns: no terminator, limb darkening only
    float tilt = 0.3f;         // axis tilt (radians)
};

void drawSphere(Image& img, float cx, float cy, float r, const SurfaceFn& surface, const SphereLook& look);

// Numbered as the things of worlds.dat.
void drawYellowSun(Image& img, float cx, float cy, float r);
void drawRedGiant(Image& img, float cx, float cy, float r);
void drawWhiteDwarf(Image& img, float cx, float cy, float r);
void drawTerra(Image& img, float cx, float cy, float r);
void drawGasGiant(Image& img, float cx, float cy, float r);
void drawDesertPlanet(Image& img, float cx, float cy, float r);
void drawIcePlanet(Image& img, float cx, float cy, float r);
void drawRingPlanet(Image& img, float cx, float cy, float r);
void drawMoon(Image& img, float cx, float cy, float r);
void drawVolcanicMoon(Image& img, float cx, float cy, float r);

// objects.cpp
void drawBlackHole(Image& img, float cx, float cy, float r);
void drawNeutronStar(Image& img, float cx, float cy, float r);
void drawPulsar(Image& img, float cx, float cy, float r);
void drawAsteroid(Image& img, float cx, float cy, float r, uint32_t seed);
void drawMine(Image& img, float cx, float cy, float r);
void drawWreck(Image& img, float cx, float cy, float r);
void drawGasCloud(Image& img, float cx, float cy, float r);
void drawComets(Image& img, float cx, float cy, float r);
void drawStation(Image& img, float cx, float cy, float r);
void drawWormhole(Image& img, float cx, float cy, float r);

}  // namespace assetgen

// Stars, planets and moons: shaded spheres with procedural surfaces.
#include "bodies.h"

#include <cmath>

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265f;

// Light from the upper left, slightly towards the viewer.
constexpr float kLx = -0.55f, kLy = -0.5f, kLz = 0.67f;

float craters(float lon, float lat, uint32_t seed, float density) {
    // Sum of soft pits: darker floor, brighter rim.
    float v = 0;
    Rng rng(seed);
    for (int i = 0; i < static_cast<int>(density); ++i) {
        float clon = rng.range(-kPi, kPi), clat = rng.range(-1.2f, 1.2f), rad = rng.range(0.08f, 0.3f);
        float dl = std::remainder(lon - clon, 2 * kPi) * std::cos(lat), dt = lat - clat;
        float d = std::sqrt(dl * dl + dt * dt) / rad;
        if (d < 1.0f) v -= 0.25f * (1 - d * d);
        else if (d < 1.25f) v += 0.18f * (1 - (d - 1) / 0.25f);
    }
    return v;
}

}  // namespace

void drawSphere(Image& img, float cx, float cy, float r, const SurfaceFn& surface, const SphereLook& look) {
    if (look.atmosphereStrength > 0) glow(img, cx, cy, r * 1.08f, look.atmosphere, look.atmosphereStrength * 0.5f);
    const float ct = std::cos(look.tilt), st = std::sin(look.tilt);
    for (int y = static_cast<int>(cy - r - 2); y <= static_cast<int>(cy + r + 2); ++y)
        for (int x = static_cast<int>(cx - r - 2); x <= static_cast<int>(cx + r + 2); ++x) {
            float nx = (x + 0.5f - cx) / r, ny = (y + 0.5f - cy) / r;
            float d2 = nx * nx + ny * ny;
            float cov = clamp01((1 - std::sqrt(d2)) * r + 0.5f);
            if (cov <= 0) continue;
            float nz = std::sqrt(std::max(0.0f, 1 - std::min(d2, 1.0f)));
            // Rotate the normal by the axis tilt before reading the surface.
            float tx = nx * ct - ny * st, ty = nx * st + ny * ct;
            float lat = std::asin(std::clamp(-ty, -1.0f, 1.0f));
            float lon = std::atan2(tx, nz);
            Rgb c = surface(lon, lat);
            if (look.emissive) {
                c = c * (0.55f + 0.45f * std::pow(nz, 0.5f));
            } else {
                float diff = std::max(0.0f, nx * kLx + ny * kLy + nz * kLz);
                float lit = 0.04f + 1.05f * std::pow(diff, 0.9f);
                c = c * lit;
                if (look.atmosphereStrength > 0) {
                    float rim = std::pow(1 - nz, 2.5f) * (0.25f + diff);
                    c = c + look.atmosphere * (rim * look.atmosphereStrength);
                }
            }
            img.blend(x, y, c, cov);
        }
}

void drawYellowSun(Image& img, float cx, float cy, float r) {
    glow(img, cx, cy, r * 1.5f, rgb8(255, 150, 30), 0.3f);
    glow(img, cx, cy, r * 1.15f, rgb8(255, 210, 90), 0.55f);
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float g = fbm(lon * 3 + 9, lat * 3, 21, 4);
        return mix(rgb8(255, 170, 40), rgb8(255, 250, 200), smoothstep(0.3f, 0.7f, g));
    }, {rgb8(0, 0, 0), 0, true});
    glow(img, cx, cy, r * 0.6f, rgb8(255, 255, 230), 0.35f);
}

void drawRedGiant(Image& img, float cx, float cy, float r) {
    glow(img, cx, cy, r * 1.2f, rgb8(230, 60, 20), 0.4f);
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float g = fbm(lon * 2 + 3, lat * 2, 22, 5);
        return mix(rgb8(150, 20, 10), rgb8(255, 140, 50), smoothstep(0.25f, 0.75f, g));
    }, {rgb8(0, 0, 0), 0, true});
    glow(img, cx - r * 0.2f, cy - r * 0.2f, r * 0.5f, rgb8(255, 180, 90), 0.25f);
}

void drawWhiteDwarf(Image& img, float cx, float cy, float r) {
    glow(img, cx, cy, r * 3.0f, rgb8(120, 160, 255), 0.3f);
    glow(img, cx, cy, r * 1.4f, rgb8(210, 225, 255), 0.8f);
    for (int d = -static_cast<int>(r * 3.5f); d <= static_cast<int>(r * 3.5f); ++d) {
        float k = std::pow(1 - std::fabs(static_cast<float>(d)) / (r * 3.5f + 1), 3.0f) * 0.8f;
        img.add(static_cast<int>(cx) + d, static_cast<int>(cy), rgb8(200, 220, 255), k);
        img.add(static_cast<int>(cx), static_cast<int>(cy) + d, rgb8(200, 220, 255), k);
    }
    drawSphere(img, cx, cy, r, [](float, float) { return rgb8(245, 248, 255); }, {rgb8(0, 0, 0), 0, true});
}

void drawTerra(Image& img, float cx, float cy, float r) {
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float land = fbm(lon * 1.6f + 4, lat * 1.6f, 41, 5);
        float cloud = fbm(lon * 2.5f, lat * 4.0f + 2, 43, 4);
        Rgb c = land > 0.55f ? mix(rgb8(60, 120, 50), rgb8(150, 130, 80), smoothstep(0.58f, 0.75f, land))
                             : mix(rgb8(10, 40, 120), rgb8(30, 90, 180), smoothstep(0.3f, 0.55f, land));
        if (std::fabs(lat) > 1.2f) c = rgb8(235, 240, 250);  // ice caps
        return mix(c, rgb8(250, 252, 255), smoothstep(0.55f, 0.75f, cloud) * 0.85f);
    }, {rgb8(90, 160, 255), 0.9f, false, 0.4f});
}

void drawGasGiant(Image& img, float cx, float cy, float r) {
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float turb = fbm(lon * 2, lat * 6, 51, 4) - 0.5f;
        float band = std::sin(lat * 9 + turb * 2.5f);
        Rgb c = mix(rgb8(150, 95, 55), rgb8(235, 205, 160), 0.5f + 0.5f * band);
        c = mix(c, rgb8(200, 130, 70), smoothstep(0.6f, 1.0f, std::sin(lat * 4 + 1)) * 0.5f);
        // A great storm south of the equator.
        float sx = std::remainder(lon - 0.6f, 2 * kPi) / 0.45f, sy = (lat + 0.38f) / 0.16f;
        float storm = sx * sx + sy * sy;
        if (storm < 1) c = mix(c, rgb8(190, 70, 40), (1 - storm) * 0.9f);
        return c;
    }, {rgb8(255, 210, 150), 0.35f, false, 0.25f});
}

void drawDesertPlanet(Image& img, float cx, float cy, float r) {
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float n = fbm(lon * 2.5f, lat * 2.5f, 61, 5);
        float dunes = 0.5f + 0.5f * std::sin(lon * 18 + n * 8);
        Rgb c = mix(rgb8(170, 100, 45), rgb8(235, 180, 110), n);
        c = c * (0.92f + 0.08f * dunes);
        return c * (1.0f + craters(lon, lat, 62, 6));
    }, {rgb8(255, 170, 100), 0.35f, false, 0.2f});
}

void drawIcePlanet(Image& img, float cx, float cy, float r) {
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float n = fbm(lon * 2.2f, lat * 2.2f, 71, 5);
        float crack = std::fabs(valueNoise(lon * 2.5f, lat * 2.5f, 72) - 0.5f);
        Rgb c = mix(rgb8(150, 200, 230), rgb8(240, 250, 255), n);
        if (crack < 0.025f) c = mix(c, rgb8(80, 140, 185), 0.7f * (1 - crack / 0.025f));
        return c;
    }, {rgb8(170, 230, 255), 0.6f, false, 0.5f});
}

void drawRingPlanet(Image& img, float cx, float cy, float r) {
    const float tilt = -0.35f, squash = 0.28f, inner = r * 1.35f, outer = r * 2.15f;
    const float ct = std::cos(tilt), st = std::sin(tilt);
    auto ring = [&](bool front) {
        for (int y = static_cast<int>(cy - outer); y <= static_cast<int>(cy + outer); ++y)
            for (int x = static_cast<int>(cx - outer); x <= static_cast<int>(cx + outer); ++x) {
                float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                float u = dx * ct + dy * st, v = (-dx * st + dy * ct) / squash;
                if ((v > 0) != front) continue;
                float d = std::sqrt(u * u + v * v);
                if (d < inner || d > outer) continue;
                float t = (d - inner) / (outer - inner);
                float bands = 0.65f + 0.35f * std::sin(t * 40) * std::sin(t * 13 + 1);
                float a = bands * smoothstep(0.0f, 0.06f, t) * smoothstep(1.0f, 0.9f, t) * (t > 0.55f && t < 0.6f ? 0.2f : 1.0f);
                img.blend(x, y, mix(rgb8(200, 175, 130), rgb8(150, 130, 100), t), 0.85f * a);
            }
    };
    ring(false);
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float turb = fbm(lon * 2, lat * 5, 81, 3) - 0.5f;
        return mix(rgb8(190, 170, 120), rgb8(240, 225, 180), 0.5f + 0.5f * std::sin(lat * 7 + turb * 2));
    }, {rgb8(255, 240, 200), 0.3f, false, tilt});
    ring(true);
}

void drawMoon(Image& img, float cx, float cy, float r) {
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float n = fbm(lon * 3, lat * 3, 91, 4);
        Rgb c = mix(rgb8(90, 90, 95), rgb8(185, 185, 190), n);
        return c * (1.0f + 1.4f * craters(lon, lat, 92, 14));
    }, {});
}

void drawVolcanicMoon(Image& img, float cx, float cy, float r) {
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float n = fbm(lon * 3, lat * 3, 101, 4);
        Rgb c = mix(rgb8(170, 150, 50), rgb8(230, 210, 110), n);  // sulphur plains
        float spots = fbm(lon * 6 + 2, lat * 6, 102, 3);
        if (spots > 0.62f) c = mix(c, rgb8(60, 30, 20), smoothstep(0.62f, 0.7f, spots));
        return c;
    }, {rgb8(255, 150, 50), 0.25f});
    // Glowing lava vents, lit from within.
    Rng rng(103);
    for (int i = 0; i < 5; ++i) {
        float a = rng.range(0, 2 * kPi), d = rng.range(0.1f, 0.75f) * r;
        float x = cx + std::cos(a) * d, y = cy + std::sin(a) * d;
        glow(img, x, y, r * 0.12f, rgb8(255, 110, 20), 0.9f);
        glow(img, x, y, r * 0.05f, rgb8(255, 230, 120), 0.8f);
    }
}

}  // namespace assetgen

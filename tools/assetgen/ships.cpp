#include "ships.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

ShipPaint bluePaint() { return {rgb8(150, 168, 196), rgb8(40, 120, 255), rgb8(70, 170, 255), rgb8(120, 230, 255), 1.0f}; }
ShipPaint redPaint() { return {rgb8(182, 156, 152), rgb8(235, 45, 35), rgb8(255, 110, 40), rgb8(255, 200, 120), 1.0f}; }
ShipPaint neutralPaint() { return {rgb8(138, 145, 158), rgb8(225, 175, 70), rgb8(110, 200, 255), rgb8(140, 225, 255), 1.0f}; }

namespace {

using Poly = std::vector<Pt>;

struct Frame {
    float cx, cy, s;
    bool left;
    Pt map(Pt p) const { return {cx + (left ? -p.x : p.x) * s, cy + p.y * s}; }
    Poly map(const Poly& poly) const {
        Poly out;
        for (const Pt& p : poly) out.push_back(map(p));
        return out;
    }
    // Pixel back to ship units.
    Pt unmap(float x, float y) const { return {(left ? cx - x : x - cx) / s, (y - cy) / s}; }
};

float edgeDistance(const Poly& poly, float x, float y) {
    float best = 1e9f;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        float dx = poly[i].x - poly[j].x, dy = poly[i].y - poly[j].y;
        float len2 = dx * dx + dy * dy;
        float t = len2 > 0 ? std::clamp(((x - poly[j].x) * dx + (y - poly[j].y) * dy) / len2, 0.0f, 1.0f) : 0.0f;
        best = std::min(best, std::hypot(x - poly[j].x - t * dx, y - poly[j].y - t * dy));
    }
    return best;
}

// Plating: lit from the upper left, darker towards the edges, with panel seams.
void plate(Image& img, const Frame& f, const Poly& shape, Rgb base, float seamEvery, float brightness = 1.0f) {
    Poly px = f.map(shape);
    fillPolygon(img, px, [&](float x, float y) {
        Pt u = f.unmap(x, y);
        float edge = smoothstep(0.0f, std::max(1.5f, f.s * 0.08f), edgeDistance(px, x, y));
        float light = 1.05f - 0.35f * u.y;  // upper half catches the light
        float seam = 1.0f;
        if (seamEvery > 0) {
            float ph = std::fabs(std::fmod(u.x + 10.0f, seamEvery) / seamEvery - 0.5f);
            if (ph > 0.5f - 0.9f / (f.s * seamEvery)) seam = 0.78f;
        }
        float grain = 0.94f + 0.12f * valueNoise(u.x * 9, u.y * 9, 5);
        return base * (brightness * (0.62f + 0.38f * edge) * light * seam * grain);
    });
    for (size_t i = 0, j = px.size() - 1; i < px.size(); j = i++)
        line(img, px[j].x, px[j].y, px[i].x, px[i].y, std::max(0.8f, f.s * 0.025f), rgb8(8, 10, 14), 0.55f);
}

void window(Image& img, const Frame& f, Pt c, float rx, float ry, Rgb glass) {
    Pt p = f.map(c);
    float sx = rx * f.s, sy = ry * f.s;
    for (int y = static_cast<int>(p.y - sy - 2); y <= static_cast<int>(p.y + sy + 2); ++y)
        for (int x = static_cast<int>(p.x - sx - 2); x <= static_cast<int>(p.x + sx + 2); ++x) {
            float dx = (x + 0.5f - p.x) / sx, dy = (y + 0.5f - p.y) / sy;
            float d = std::sqrt(dx * dx + dy * dy);
            float cov = clamp01((1 - d) * std::min(sx, sy) + 0.5f);
            if (cov <= 0) continue;
            Rgb c2 = mix(glass, rgb8(255, 255, 255), clamp01(0.6f - dy * 0.5f - dx * 0.3f) * 0.6f) * (0.55f + 0.45f * (1 - d));
            img.blend(x, y, c2, cov);
        }
}

void engine(Image& img, const Frame& f, Pt c, float size, const ShipPaint& p) {
    if (p.engineGlow <= 0) return;
    Pt e = f.map(c);
    float dir = f.left ? 1.0f : -1.0f;  // exhaust trails behind the ship
    float r = size * f.s;
    for (int i = 0; i < 4; ++i)
        glow(img, e.x + dir * r * i * 0.9f, e.y, r * (1.0f + 0.3f * i), p.engine, 0.5f * p.engineGlow / (1 + i));
    glow(img, e.x, e.y, r * 0.5f, rgb8(255, 255, 255), 0.8f * std::min(1.0f, p.engineGlow));
}

Poly mirrorY(const Poly& poly) {
    Poly out;
    for (auto it = poly.rbegin(); it != poly.rend(); ++it) out.push_back({it->x, -it->y});
    return out;
}

void fighter(Image& img, const Frame& f, const ShipPaint& p) {
    const Poly wing = {{0.12f, -0.14f}, {-0.42f, -0.74f}, {-0.72f, -0.8f}, {-0.6f, -0.16f}};
    const Poly tip = {{-0.38f, -0.62f}, {-0.47f, -0.76f}, {-0.72f, -0.8f}, {-0.67f, -0.62f}};
    const Poly hull = {{1.0f, 0}, {0.35f, -0.17f}, {-0.5f, -0.22f}, {-0.72f, -0.12f},
                       {-0.72f, 0.12f}, {-0.5f, 0.22f}, {0.35f, 0.17f}};
    engine(img, f, {-0.78f, 0}, 0.16f, p);
    for (const Poly& w : {wing, mirrorY(wing)}) plate(img, f, w, p.hull * 0.85f, 0.3f);
    for (const Poly& t : {tip, mirrorY(tip)}) plate(img, f, t, p.accent, 0);
    plate(img, f, hull, p.hull, 0.35f, 1.1f);
    plate(img, f, {{0.1f, -0.05f}, {-0.6f, -0.07f}, {-0.6f, 0.07f}, {0.1f, 0.05f}}, p.accent, 0, 0.95f);
    window(img, f, {0.38f, 0}, 0.17f, 0.075f, p.glass);
}

void cruiser(Image& img, const Frame& f, const ShipPaint& p) {
    const Poly hull = {{1.0f, 0}, {0.72f, -0.15f}, {-0.3f, -0.21f}, {-0.82f, -0.17f},
                       {-0.82f, 0.17f}, {-0.3f, 0.21f}, {0.72f, 0.15f}};
    const Poly pylon = {{-0.05f, -0.16f}, {-0.2f, -0.38f}, {-0.5f, -0.38f}, {-0.45f, -0.16f}};
    const Poly pod = {{0.28f, -0.42f}, {0.18f, -0.5f}, {-0.84f, -0.5f}, {-0.88f, -0.42f}, {-0.84f, -0.34f}, {0.18f, -0.34f}};
    for (float y : {-0.42f, 0.42f}) engine(img, f, {-0.9f, y}, 0.1f, p);
    engine(img, f, {-0.86f, 0}, 0.13f, p);
    for (const Poly& q : {pylon, mirrorY(pylon)}) plate(img, f, q, p.hull * 0.75f, 0);
    for (const Poly& q : {pod, mirrorY(pod)}) {
        plate(img, f, q, p.hull * 0.95f, 0.28f);
    }
    // Accent noses on the pods.
    for (float s : {-1.0f, 1.0f})
        plate(img, f, {{0.28f, 0.42f * s}, {0.18f, 0.5f * s}, {0.02f, 0.5f * s}, {0.02f, 0.34f * s}, {0.18f, 0.34f * s}}, p.accent, 0);
    plate(img, f, hull, p.hull, 0.3f, 1.1f);
    plate(img, f, {{0.55f, -0.04f}, {-0.7f, -0.06f}, {-0.7f, 0.06f}, {0.55f, 0.04f}}, p.accent, 0);
    plate(img, f, {{0.25f, -0.11f}, {-0.05f, -0.13f}, {-0.05f, 0.13f}, {0.25f, 0.11f}}, p.hull * 1.15f, 0);
    window(img, f, {0.16f, 0}, 0.07f, 0.09f, p.glass);
}

void battleship(Image& img, const Frame& f, const ShipPaint& p) {
    const Poly hull = {{1.0f, -0.1f}, {1.0f, 0.1f}, {0.75f, 0.3f}, {-0.6f, 0.38f}, {-0.86f, 0.3f},
                       {-0.86f, -0.3f}, {-0.6f, -0.38f}, {0.75f, -0.3f}};
    const Poly armour = {{0.35f, -0.33f}, {0.15f, -0.56f}, {-0.62f, -0.56f}, {-0.78f, -0.36f}};
    for (float y : {-0.3f, -0.1f, 0.1f, 0.3f}) engine(img, f, {-0.9f, y}, 0.09f, p);
    for (const Poly& q : {armour, mirrorY(armour)}) plate(img, f, q, p.hull * 0.8f, 0.2f);
    for (float s : {-1.0f, 1.0f})
        plate(img, f, {{0.15f, -0.56f * s}, {0.02f, -0.56f * s}, {-0.1f, -0.45f * s}, {0.24f, -0.45f * s}}, p.accent, 0);
    plate(img, f, hull, p.hull, 0.25f, 1.05f);
    plate(img, f, {{0.95f, -0.05f}, {-0.8f, -0.05f}, {-0.8f, 0.05f}, {0.95f, 0.05f}}, p.accent, 0, 0.9f);
    // Bridge tower.
    plate(img, f, {{-0.3f, -0.16f}, {-0.62f, -0.2f}, {-0.62f, 0.2f}, {-0.3f, 0.16f}}, p.hull * 1.15f, 0);
    window(img, f, {-0.34f, 0}, 0.035f, 0.12f, p.glass);
    // Turrets with barrels towards the bow.
    for (float x : {0.52f, 0.16f}) {
        Pt c = f.map({x, 0});
        Pt b = f.map({x + 0.24f, 0});
        for (float dy : {-0.035f, 0.035f})
            line(img, c.x, c.y + dy * f.s, b.x, b.y + dy * f.s, std::max(1.0f, f.s * 0.03f), rgb8(40, 44, 52));
        fillCircle(img, c.x, c.y, 0.1f * f.s, rgb8(30, 34, 42));
        fillCircle(img, c.x, c.y, 0.085f * f.s, p.hull * 0.9f);
        fillCircle(img, c.x - 0.025f * f.s, c.y - 0.025f * f.s, 0.04f * f.s, p.hull * 1.2f);
    }
    // Running lights on the armour.
    for (float s : {-1.0f, 1.0f}) {
        Pt l = f.map({-0.62f, 0.56f * s});
        glow(img, l.x, l.y, std::max(0.8f, 0.03f * f.s), p.accent, 0.9f);
    }
}

}  // namespace

void drawShip(Image& img, ShipKind kind, float cx, float cy, float scale, bool facingLeft, const ShipPaint& paint) {
    Frame f{cx, cy, scale, facingLeft};
    switch (kind) {
        case ShipKind::Fighter: fighter(img, f, paint); break;
        case ShipKind::Cruiser: cruiser(img, f, paint); break;
        case ShipKind::Battleship: battleship(img, f, paint); break;
    }
}

}  // namespace assetgen

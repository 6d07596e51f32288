// The stranger things of the board: collapsed stars, rocks, mines, wrecks,
// clouds, comets, the station and the wormhole.
#include <algorithm>
#include <cmath>
#include <vector>

#include "bodies.h"

namespace assetgen {
namespace {
constexpr float kPi = 3.14159265f;
}

void drawBlackHole(Image& img, float cx, float cy, float r) {
    // Accretion disc: a tilted ellipse of hot gas, its far half bent above the hole.
    const float outer = r * 2.9f, squash = 0.32f;
    for (int y = static_cast<int>(cy - outer); y <= static_cast<int>(cy + outer); ++y)
        for (int x = static_cast<int>(cx - outer); x <= static_cast<int>(cx + outer); ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float v = dy / squash;
            float d = std::sqrt(dx * dx + v * v);
            if (d < r * 1.2f || d > outer) continue;
            float t = (d - r * 1.2f) / (outer - r * 1.2f);
            float swirl = 0.7f + 0.3f * std::sin(std::atan2(v, dx) * 5 + t * 14);
            float heat = std::pow(1 - t, 1.6f) * swirl;
            float doppler = 1.0f + 0.35f * dx / outer;  // the approaching side is brighter
            img.add(x, y, mix(rgb8(200, 60, 10), rgb8(255, 240, 200), heat), heat * doppler * 0.95f);
        }
    // Lensed light arching over and under the shadow.
    for (int y = static_cast<int>(cy - r * 2); y <= static_cast<int>(cy + r * 2); ++y)
        for (int x = static_cast<int>(cx - r * 2); x <= static_cast<int>(cx + r * 2); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            float ring = std::exp(-std::pow((d - r * 1.15f) / (r * 0.18f), 2.0f));
            img.add(x, y, rgb8(255, 200, 140), ring * 0.8f);
        }
    fillCircle(img, cx, cy, r, rgb8(0, 0, 0));
}

void drawNeutronStar(Image& img, float cx, float cy, float r) {
    // Faint shells of the supernova that left it behind.
    for (int k = 0; k < 3; ++k) strokeCircle(img, cx, cy, r * (2.6f + 1.7f * k), 1.0f, rgb8(90, 130, 255), 0.28f - 0.07f * k);
    glow(img, cx, cy, r * 4.0f, rgb8(80, 120, 255), 0.35f);
    glow(img, cx, cy, r * 1.8f, rgb8(170, 210, 255), 0.9f);
    fillCircle(img, cx, cy, r, rgb8(240, 248, 255));
}

void drawPulsar(Image& img, float cx, float cy, float r) {
    // Two opposed beams of radiation from the magnetic poles.
    const float angle = -0.9f, len = r * 7.0f;
    const float dx = std::cos(angle), dy = std::sin(angle);
    for (int y = static_cast<int>(cy - len); y <= static_cast<int>(cy + len); ++y)
        for (int x = static_cast<int>(cx - len); x <= static_cast<int>(cx + len); ++x) {
            float px = x + 0.5f - cx, py = y + 0.5f - cy;
            float along = px * dx + py * dy, across = -px * dy + py * dx;
            float t = std::fabs(along) / len;
            if (t > 1 || std::fabs(along) < 0.5f) continue;
            float width = r * 0.3f + std::fabs(along) * 0.22f;
            float k = std::exp(-std::pow(across / width, 2.0f)) * std::pow(1 - t, 1.5f);
            img.add(x, y, rgb8(140, 210, 255), k * 0.7f);
        }
    glow(img, cx, cy, r * 3.0f, rgb8(100, 170, 255), 0.45f);
    glow(img, cx, cy, r * 1.4f, rgb8(220, 240, 255), 0.9f);
    fillCircle(img, cx, cy, r * 0.8f, rgb8(255, 255, 255));
}

void drawAsteroid(Image& img, float cx, float cy, float r, uint32_t seed) {
    Rng rng(seed);
    std::vector<Pt> shape;
    const int n = 16;
    float phase = rng.range(0, 6.28f);
    for (int i = 0; i < n; ++i) {
        float a = i * 2 * kPi / n;
        float rr = r * (0.72f + 0.22f * std::sin(a * 2 + phase) + rng.range(-0.08f, 0.1f));
        shape.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr * 0.85f});
    }
    fillPolygon(img, shape, [&](float x, float y) {
        float nx = (x - cx) / r, ny = (y - cy) / r;
        float light = 0.85f - 0.55f * nx - 0.6f * ny;
        float n2 = fbm(x * 0.25f, y * 0.25f, seed + 1, 4);
        Rgb c = mix(rgb8(70, 60, 52), rgb8(150, 135, 115), n2) * std::clamp(light, 0.15f, 1.3f);
        // Pits.
        float pit = fbm(x * 0.12f + 3, y * 0.12f, seed + 2, 3);
        if (pit > 0.62f) c = c * 0.6f;
        else if (pit > 0.58f) c = c * 1.15f;
        return c;
    });
    for (size_t i = 0, j = shape.size() - 1; i < shape.size(); j = i++)
        line(img, shape[j].x, shape[j].y, shape[i].x, shape[i].y, 0.8f, rgb8(20, 18, 16), 0.4f);
}

void drawMine(Image& img, float cx, float cy, float r) {
    for (int i = 0; i < 8; ++i) {
        float a = i * kPi / 4 + kPi / 8;
        float x1 = cx + std::cos(a) * r * 1.7f, y1 = cy + std::sin(a) * r * 1.7f;
        line(img, cx, cy, x1, y1, 2.2f, rgb8(90, 95, 105));
        line(img, cx, cy, x1, y1, 0.8f, rgb8(170, 175, 185), 0.6f);
        fillCircle(img, x1, y1, 1.6f, rgb8(140, 145, 155));
    }
    drawSphere(img, cx, cy, r, [](float lon, float lat) {
        float seam = std::fabs(std::sin(lon * 4)) < 0.12f || std::fabs(lat) < 0.06f ? 0.55f : 1.0f;
        return rgb8(110, 115, 125) * seam;
    }, {});
    glow(img, cx, cy, r * 0.45f, rgb8(255, 40, 30), 0.9f);
    fillCircle(img, cx, cy, r * 0.22f, rgb8(255, 160, 140));
}

void drawWreck(Image& img, float cx, float cy, float r) {
    Rng rng(230);
    // Broken hull plates and bent girders drifting apart.
    for (int i = 0; i < 7; ++i) {
        float a = rng.range(0, 2 * kPi), d = rng.range(0.1f, 0.8f) * r;
        float px = cx + std::cos(a) * d, py = cy + std::sin(a) * d;
        float s = rng.range(0.18f, 0.38f) * r, rot = rng.range(0, kPi);
        std::vector<Pt> plate;
        for (int k = 0; k < 5; ++k) {
            float t = rot + k * 2 * kPi / 5 + rng.range(-0.3f, 0.3f);
            float rr = s * rng.range(0.5f, 1.1f);
            plate.push_back({px + std::cos(t) * rr, py + std::sin(t) * rr * 0.6f});
        }
        float tone = rng.range(0.6f, 1.0f);
        fillPolygon(img, plate, [&](float, float y) { return rgb8(120, 118, 112) * (tone * (1.1f - 0.4f * (y - py) / s)); });
    }
    for (int i = 0; i < 5; ++i) {
        float a = rng.range(0, 2 * kPi), d = rng.range(0.0f, 0.6f) * r, len = rng.range(0.4f, 0.9f) * r;
        float x0 = cx + std::cos(a) * d, y0 = cy + std::sin(a) * d;
        float b = rng.range(0, 2 * kPi);
        float x1 = x0 + std::cos(b) * len, y1 = y0 + std::sin(b) * len;
        float xm = (x0 + x1) / 2 + rng.range(-3, 3), ym = (y0 + y1) / 2 + rng.range(-3, 3);
        line(img, x0, y0, xm, ym, 1.3f, rgb8(150, 140, 120));
        line(img, xm, ym, x1, y1, 1.3f, rgb8(130, 120, 105));
    }
    // Pieces of the station's broken habitat ring.
    for (auto [a0, a1] : {std::pair{0.4f, 1.5f}, {2.4f, 3.3f}, {4.1f, 5.0f}}) {
        for (float a = a0; a < a1; a += 0.02f) {
            float rr = r * 0.78f + (a - a0) * 1.5f;
            float x = cx + std::cos(a) * rr, y = cy + std::sin(a) * rr * 0.55f;
            fillCircle(img, x, y, 1.9f, rgb8(95, 98, 104) * (1.1f - 0.4f * std::sin(a)));
            if (std::fmod(a, 0.25f) < 0.03f) img.add(static_cast<int>(x), static_cast<int>(y), rgb8(255, 190, 90), 0.5f);
        }
    }
    // Scorch glow and a few sparks.
    glow(img, cx + r * 0.1f, cy, r * 0.25f, rgb8(255, 100, 30), 0.35f);
    for (int i = 0; i < 6; ++i)
        img.add(static_cast<int>(cx + rng.range(-r, r)), static_cast<int>(cy + rng.range(-r, r) * 0.7f), rgb8(255, 200, 120), 0.8f);
}

void drawGasCloud(Image& img, float cx, float cy, float r) {
    for (int y = static_cast<int>(cy - r * 1.3f); y <= static_cast<int>(cy + r * 1.3f); ++y)
        for (int x = static_cast<int>(cx - r * 1.3f); x <= static_cast<int>(cx + r * 1.3f); ++x) {
            float dx = (x + 0.5f - cx) / r, dy = (y + 0.5f - cy) / r;
            float d = std::sqrt(dx * dx + dy * dy);
            float n = fbm(x * 0.09f, y * 0.09f, 241, 5);
            float dens = smoothstep(1.2f, 0.3f, d + (0.5f - n) * 0.8f);
            float n2 = fbm(x * 0.07f + 5, y * 0.07f, 242, 4);
            Rgb c = mix(rgb8(110, 50, 160), rgb8(60, 170, 150), smoothstep(0.35f, 0.7f, n2));
            img.add(x, y, c, dens * 0.75f);
        }
    Rng rng(243);
    for (int i = 0; i < 3; ++i) glow(img, cx + rng.range(-r, r) * 0.5f, cy + rng.range(-r, r) * 0.5f, 1.0f, rgb8(255, 255, 255), 0.8f);
}

void drawComets(Image& img, float cx, float cy, float r) {
    Rng rng(250);
    const float tailA = kPi * 0.8f;  // tails point away from the (far) sun, to the upper left
    for (int i = 0; i < 4; ++i) {
        float hx = cx + rng.range(-0.55f, 0.65f) * r, hy = cy + rng.range(-0.6f, 0.65f) * r;
        float len = rng.range(0.5f, 0.9f) * r, size = rng.range(1.2f, 2.2f);
        float tx = std::cos(tailA) * len, ty = -std::sin(tailA) * len * 0.6f;
        for (int k = 0; k < 40; ++k) {
            float t = k / 40.0f;
            glow(img, hx + tx * t, hy + ty * t, size * (1 + t * 1.5f), rgb8(120, 190, 255), 0.12f * (1 - t));
        }
        glow(img, hx, hy, size * 1.2f, rgb8(180, 230, 255), 0.7f);
        fillCircle(img, hx, hy, size * 0.6f, rgb8(250, 252, 255));
    }
}

void drawStation(Image& img, float cx, float cy, float r) {
    const float squash = 0.55f, ring = r * 0.85f;
    // Spokes behind the hub.
    for (int i = 0; i < 4; ++i) {
        float a = i * kPi / 2 + kPi / 4;
        line(img, cx, cy, cx + std::cos(a) * ring, cy + std::sin(a) * ring * squash, 2.0f, rgb8(110, 115, 125));
    }
    // The habitat ring: an elliptical band with lit windows.
    for (int y = static_cast<int>(cy - ring - 4); y <= static_cast<int>(cy + ring + 4); ++y)
        for (int x = static_cast<int>(cx - ring - 4); x <= static_cast<int>(cx + ring + 4); ++x) {
            float dx = x + 0.5f - cx, dy = (y + 0.5f - cy) / squash;
            float d = std::sqrt(dx * dx + dy * dy);
            float band = std::fabs(d - ring);
            float w = r * 0.16f;
            if (band > w + 1) continue;
            float cov = clamp01(w - band + 0.5f);
            float light = 0.7f - 0.35f * (y + 0.5f - cy) / ring - 0.2f * dx / ring;
            Rgb c = rgb8(150, 155, 165) * std::clamp(light + 0.3f * (1 - band / w), 0.2f, 1.2f);
            float ang = std::atan2(dy, dx);
            if (band < w * 0.35f && std::sin(ang * 18) > 0.6f) c = rgb8(255, 220, 130);
            img.blend(x, y, c, cov);
        }
    // Hub with docking lights.
    fillCircle(img, cx, cy, r * 0.22f, rgb8(60, 64, 72));
    fillCircle(img, cx - 1, cy - 1, r * 0.17f, rgb8(170, 175, 185));
    fillRect(img, static_cast<int>(cx - 1), static_cast<int>(cy - r * 0.55f), static_cast<int>(cx + 1),
             static_cast<int>(cy - r * 0.2f), rgb8(130, 135, 145));
    glow(img, cx, cy - r * 0.58f, 1.2f, rgb8(255, 60, 40), 0.9f);
    glow(img, cx - ring, cy, 1.2f, rgb8(80, 255, 120), 0.8f);
    glow(img, cx + ring, cy, 1.2f, rgb8(80, 255, 120), 0.8f);
    // Solar panels.
    for (float s : {-1.0f, 1.0f}) {
        float x0 = cx + s * r * 0.3f, x1 = cx + s * r * 0.62f;
        for (int x = static_cast<int>(std::min(x0, x1)); x <= static_cast<int>(std::max(x0, x1)); ++x)
            for (int y = static_cast<int>(cy - 3); y <= static_cast<int>(cy + 3); ++y)
                img.blend(x, y, (x + y) % 3 == 0 ? rgb8(30, 50, 110) : rgb8(50, 80, 160), 0.95f);
    }
}

void drawWormhole(Image& img, float cx, float cy, float r) {
    for (int y = static_cast<int>(cy - r * 1.4f); y <= static_cast<int>(cy + r * 1.4f); ++y)
        for (int x = static_cast<int>(cx - r * 1.4f); x <= static_cast<int>(cx + r * 1.4f); ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float d = std::sqrt(dx * dx + dy * dy) / r;
            if (d > 1.4f) continue;
            float a = std::atan2(dy, dx);
            float spiral = 0.5f + 0.5f * std::sin(a * 3 + std::log(d + 0.05f) * 7);
            float body = smoothstep(1.3f, 0.5f, d) * smoothstep(0.05f, 0.35f, d);
            Rgb c = mix(rgb8(60, 30, 160), rgb8(120, 220, 255), spiral * smoothstep(1.0f, 0.3f, d));
            img.add(x, y, c, body * (0.35f + 0.65f * spiral));
        }
    strokeCircle(img, cx, cy, r * 0.36f, 1.2f, rgb8(200, 240, 255), 0.8f);
    fillCircle(img, cx, cy, r * 0.3f, rgb8(2, 0, 10));
    glow(img, cx, cy, r * 0.12f, rgb8(160, 120, 255), 0.4f);
}

}  // namespace assetgen

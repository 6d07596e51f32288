#include "style.h"

#include <cmath>

namespace assetgen {

void hullPlate(Image& img, int x0, int y0, int x1, int y1, uint32_t seed, Rgb top, Rgb bottom) {
    int h = std::max(1, y1 - y0 - 1);
    for (int y = y0; y < y1; ++y) {
        Rgb base = mix(top, bottom, static_cast<float>(y - y0) / h);
        for (int x = x0; x < x1; ++x) {
            // Long horizontal streaks: noise stretched along x.
            float streak = valueNoise(x * 0.02f, y * 0.9f, seed) - 0.5f;
            float grain = valueNoise(x * 0.7f, y * 0.7f, seed + 7) - 0.5f;
            img.set(x, y, base * (1.0f + 0.16f * streak + 0.05f * grain));
        }
    }
}

void recessFrame(Image& img, int x0, int y0, int x1, int y1, int depth) {
    // Dark on top and left (in shadow), light on bottom and right (catching light).
    for (int t = 1; t <= depth; ++t) {
        float k = 1.0f - 0.25f * (t - 1);
        for (int x = x0 - t; x <= x1 + t; ++x) {
            img.blend(x, y0 - t, rgb8(4, 5, 8), 0.85f * k);
            img.blend(x, y1 + t, rgb8(96, 108, 126), 0.55f * k);
        }
        for (int y = y0 - t; y <= y1 + t; ++y) {
            img.blend(x0 - t, y, rgb8(6, 7, 10), 0.8f * k);
            img.blend(x1 + t, y, rgb8(86, 98, 116), 0.5f * k);
        }
    }
    // A faint cyan hairline just outside the shadow, as on the rest of the console.
    strokeRect(img, x0 - depth - 1, y0 - depth - 1, x1 + depth + 1, y1 + depth + 1, palette::cyanDim, 0.35f);
}

void slotArea(Image& img, int x0, int y0, int x1, int y1) {
    fillRect(img, x0, y0, x1, y1, palette::slot);
    bevel(img, x0, y0, x1 - 1, y1 - 1, rgb8(0, 0, 0), rgb8(70, 80, 96), 1);
}

void rivet(Image& img, float x, float y, float r) {
    fillCircle(img, x + 0.6f, y + 0.8f, r, rgb8(0, 0, 0), 0.6f);
    fillCircle(img, x, y, r, rgb8(70, 78, 92));
    fillCircle(img, x - r * 0.3f, y - r * 0.3f, r * 0.5f, rgb8(170, 180, 196), 0.8f);
}

void accentLineH(Image& img, int x0, int x1, int y, Rgb c, float strength) {
    for (int x = x0; x <= x1; ++x) {
        float fade = std::min(1.0f, std::min(x - x0 + 1, x1 - x + 1) / 12.0f);
        img.add(x, y, c, 0.85f * strength * fade);
        img.add(x, y - 1, c, 0.18f * strength * fade);
        img.add(x, y + 1, c, 0.18f * strength * fade);
    }
}

void accentLineV(Image& img, int x, int y0, int y1, Rgb c, float strength) {
    for (int y = y0; y <= y1; ++y) {
        float fade = std::min(1.0f, std::min(y - y0 + 1, y1 - y + 1) / 12.0f);
        img.add(x, y, c, 0.85f * strength * fade);
        img.add(x - 1, y, c, 0.18f * strength * fade);
        img.add(x + 1, y, c, 0.18f * strength * fade);
    }
}

void sprinkleStars(Image& img, int x0, int y0, int x1, int y1, int count, float lo, float hi, Rng& rng) {
    for (int i = 0; i < count; ++i) {
        int x = x0 + rng.below(x1 - x0), y = y0 + rng.below(y1 - y0);
        float b = rng.range(lo, hi);
        float tint = rng.uniform();
        Rgb c = tint < 0.3f ? rgb8(170, 200, 255) : (tint > 0.85f ? rgb8(255, 225, 190) : rgb8(235, 238, 255));
        img.add(x, y, c, b);
    }
}

}  // namespace assetgen

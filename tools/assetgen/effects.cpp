// The explosion strip: 16 frames of 60 x 60, a flash that swells into a
// fireball, throws sparks and fades into smoke.
#include <algorithm>
#include <cmath>

#include "art.h"

namespace assetgen {

namespace {

constexpr int kFrame = 60, kFrames = 16;

// Black, deep red, orange, yellow, white as the temperature rises 0 .. 1.
Rgb fireRamp(float v) {
    const Rgb stops[] = {rgb8(0, 0, 0), rgb8(120, 18, 4), rgb8(235, 90, 12), rgb8(255, 195, 70), rgb8(255, 252, 225)};
    v = clamp01(v) * 4;
    int k = std::min(3, static_cast<int>(v));
    return mix(stops[k], stops[k + 1], v - k);
}

Image explosionFrame(int i) {
    Image img(kFrame, kFrame);
    const float t = i / static_cast<float>(kFrames - 1);  // 0 .. 1
    const float c = kFrame / 2.0f;
    const float radius = 5 + 23 * std::sqrt(t);
    const float cooling = clamp01(1.2f - t * 1.15f);
    const float fireLeft = 1 - smoothstep(0.7f, 1.0f, t);
    for (int y = 0; y < kFrame; ++y)
        for (int x = 0; x < kFrame; ++x) {
            float dx = x + 0.5f - c, dy = y + 0.5f - c;
            float d = std::sqrt(dx * dx + dy * dy);
            float a = std::atan2(dy, dx);
            // Billowing edge from angular noise that drifts outwards over time.
            float edge = radius * (0.7f + 0.55f * fbm(std::cos(a) * 2.5f + 5, std::sin(a) * 2.5f + t * 2, 500, 3));
            float density = smoothstep(edge, edge * 0.35f, d);
            float n = fbm(x * 0.16f + t * 3, y * 0.16f - t * 2, 501, 4);
            float core = std::exp(-std::pow(d / (radius * 0.45f), 2.0f)) * std::pow(1 - t, 2.0f);
            float temp = density * (0.45f + 0.8f * n) * cooling + core;
            Rgb fire = fireRamp(temp) * fireLeft;
            Rgb smoke = rgb8(70, 60, 54) * ((0.4f + 0.8f * n) * density * smoothstep(0.15f, 0.5f, t) * (1.15f - t));
            img.set(x, y, fire + smoke * clamp01(1 - temp * 2));
            // A thin shock ring racing ahead of the fireball.
            float ringR = 8 + 26 * std::sqrt(t);
            img.add(x, y, rgb8(255, 190, 130), std::exp(-std::pow((d - ringR) / 1.3f, 2.0f)) * 0.22f * (1 - t) * (1 - t));
        }
    if (i < 3) glow(img, c, c, 7 + 5 * i, rgb8(255, 255, 235), 1.3f - 0.35f * i);
    // Sparks flying out as short streaks, ahead of the fire.
    Rng rng(777);
    for (int s = 0; s < 28; ++s) {
        float a = rng.range(0, 6.2832f), v = rng.range(22, 34), fade = rng.range(0.8f, 1.2f);
        float life = 1 - t * fade;
        if (life <= 0 || i == 0) continue;
        float d1 = v * std::sqrt(t), d0 = d1 * 0.82f;
        line(img, c + std::cos(a) * d0, c + std::sin(a) * d0, c + std::cos(a) * d1, c + std::sin(a) * d1, 1.0f,
             rgb8(255, 215, 130), life);
    }
    // Fade to black at the frame's edge, as it is painted over the board.
    for (int y = 0; y < kFrame; ++y)
        for (int x = 0; x < kFrame; ++x) {
            int e = std::min(std::min(x, kFrame - 1 - x), std::min(y, kFrame - 1 - y));
            if (e < 4) img.set(x, y, img.get(x, y) * (e / 4.0f));
        }
    return img;
}

}  // namespace

Image makeExplosionStrip() {
    Image img(kFrame * 4, kFrame * 4);
    for (int i = 0; i < kFrames; ++i) img.paste(explosionFrame(i), (i % 4) * kFrame, (i / 4) * kFrame);
    return img;
}

}  // namespace assetgen

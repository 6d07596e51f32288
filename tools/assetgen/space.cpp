#include "space.h"

#include <cmath>

#include "style.h"

namespace assetgen {

void twinkle(Image& img, float x, float y, float size, Rgb c) {
    glow(img, x, y, size * 0.9f, c, 0.55f);
    glow(img, x, y, size * 0.3f, rgb8(255, 255, 255), 0.9f);
    int reach = static_cast<int>(size * 4);
    for (int d = -reach; d <= reach; ++d) {
        float k = std::pow(1.0f - std::fabs(static_cast<float>(d)) / (reach + 1), 2.5f) * 0.7f;
        img.add(static_cast<int>(x) + d, static_cast<int>(y), c, k);
        img.add(static_cast<int>(x), static_cast<int>(y) + d, c, k);
    }
}

void paintSpace(Image& img, const SpaceLook& look) {
    const float area = img.w() * img.h() / (800.0f * 440.0f);
    const float s = 1.0f / (260.0f * look.scale);
    const Rgb blue = rgb8(22, 36, 96), violet = rgb8(62, 22, 84), teal = rgb8(8, 62, 70);
    for (int y = 0; y < img.h(); ++y)
        for (int x = 0; x < img.w(); ++x) {
            // Domain warp gives the clouds a torn, drifting shape instead of blobs.
            float wx = fbm(x * s * 1.3f, y * s * 1.3f, look.seed + 11, 3) - 0.5f;
            float wy = fbm(x * s * 1.3f + 5.2f, y * s * 1.3f + 1.3f, look.seed + 17, 3) - 0.5f;
            float u = x * s + wx * 1.6f, v = y * s + wy * 1.6f;
            float n1 = smoothstep(0.42f, 0.78f, fbm(u, v, look.seed + 1));
            float n2 = smoothstep(0.50f, 0.82f, fbm(u * 1.4f + 3.1f, v * 1.4f, look.seed + 2));
            float n3 = smoothstep(0.55f, 0.85f, fbm(u * 0.8f, v * 0.8f + 7.7f, look.seed + 3));
            float dust = fbm(x * s * 6, y * s * 6, look.seed + 4, 4);
            Rgb c = palette::space;
            c = c + blue * (0.55f * n1 * look.nebula);
            c = c + violet * (0.5f * n2 * look.nebula);
            c = c + teal * (0.45f * n3 * look.nebula);
            // Dark dust lanes cut through the clouds.
            c = c * (1.0f - 0.45f * smoothstep(0.55f, 0.75f, dust));
            img.set(x, y, c);
        }
    Rng rng(look.seed * 7919u + 13);
    sprinkleStars(img, 0, 0, img.w(), img.h(), static_cast<int>(look.faintStars * area), 0.10f, 0.32f, rng);
    sprinkleStars(img, 0, 0, img.w(), img.h(), static_cast<int>(look.mediumStars * area), 0.35f, 0.75f, rng);
    for (int i = 0; i < static_cast<int>(look.brightStars * area); ++i) {
        float x = rng.range(0, img.w()), y = rng.range(0, img.h());
        Rgb c = rng.uniform() < 0.5f ? rgb8(190, 215, 255) : rgb8(255, 236, 210);
        glow(img, x, y, rng.range(0.6f, 1.1f), c, rng.range(0.5f, 0.9f));
    }
    for (int i = 0; i < look.twinkles; ++i) {
        float x = rng.range(10, img.w() - 10.0f), y = rng.range(10, img.h() - 10.0f);
        Rgb c = rng.uniform() < 0.5f ? rgb8(150, 190, 255) : rgb8(255, 220, 180);
        twinkle(img, x, y, rng.range(1.2f, 2.2f), c);
    }
}

}  // namespace assetgen

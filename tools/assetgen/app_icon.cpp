// The game's icon for desktop menus: a round badge of deep space with a ringed
// planet, a blue fighter and the orange arc of a plasma shot bending past the
// planet -- the game in one picture. Drawn at every size it is used, so small
// sizes stay sharp instead of being scaled down from one large picture.
#include <cmath>

#include "art.h"
#include "bodies.h"
#include "ships.h"

namespace assetgen {

Image makeAppIcon(int size, std::vector<float>& alpha) {
    const float s = static_cast<float>(size);
    const float c = s / 2.0f, r = s * 0.47f;
    Image img(size, size);
    alpha.assign(static_cast<size_t>(size) * size, 0.0f);

    // The badge: a disk of night sky, brighter towards its upper left.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = std::hypot(x + 0.5f - c, y + 0.5f - c);
            const float cover = clamp01(r - d + 0.5f);
            if (cover <= 0) continue;
            const float t = clamp01((x + y) / (2.0f * s));
            img.set(x, y, mix(rgb8(26, 34, 84), rgb8(6, 8, 24), t));
            alpha[static_cast<size_t>(y) * size + x] = cover;
        }
    Rng rng(0x1C0u + static_cast<uint64_t>(size));
    const int stars = size / 3;
    for (int i = 0; i < stars; ++i) {
        const float x = rng.range(c - r, c + r), y = rng.range(c - r, c + r);
        if (std::hypot(x - c, y - c) < r * 0.9f) glow(img, x, y, std::max(0.6f, s / 110.0f), rgb8(200, 210, 255), 0.8f);
    }

    // The ringed planet, lower right; the shot's arc, bent by it; the fighter.
    drawRingPlanet(img, c + s * 0.14f, c + s * 0.12f, s * 0.17f);
    const int steps = 48;
    float px = c - s * 0.30f, py = c - s * 0.12f;
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / steps;
        const float x = c - s * 0.30f + t * s * 0.58f;
        const float y = c - s * 0.12f - std::sin(t * 2.6f) * s * 0.16f + t * t * s * 0.10f;
        line(img, px, py, x, y, std::max(1.0f, s / 48.0f), rgb8(255, 150, 40), 0.35f + 0.55f * t);
        px = x;
        py = y;
    }
    glow(img, px, py, std::max(1.2f, s / 26.0f), rgb8(255, 200, 100), 1.6f);
    drawShip(img, ShipKind::Fighter, c - s * 0.24f, c - s * 0.10f, s * 0.17f, false, bluePaint());

    // A thin rim keeps the badge readable on light and dark panels.
    strokeCircle(img, c, c, r - std::max(0.5f, s / 128.0f), std::max(1.0f, s / 64.0f), rgb8(120, 150, 230), 0.9f);
    return img;
}

}  // namespace assetgen

#include "cursors.h"

#include <cmath>
#include <string_view>

#include "canvas.h"

namespace assetgen {
namespace {

uint32_t argb(Rgb c, float a) {
    auto q = [](float v) { return static_cast<uint32_t>(std::lround(clamp01(v) * 255.0f)); };
    if (q(a) == 0) return 0;
    // Straight alpha: undo the darkening that coverage over black left in the colour.
    Rgb s = a > 0 ? c * (1.0f / a) : c;
    return (q(a) << 24) | (q(s.r) << 16) | (q(s.g) << 8) | q(s.b);
}

}  // namespace

std::vector<uint32_t> makeArrowCursor() {
    // X outline, o fill; the tip is the top-left pixel.
    constexpr std::string_view rows[] = {
        "X",
        "XX",
        "XoX",
        "XooX",
        "XoooX",
        "XooooX",
        "XoooooX",
        "XooooooX",
        "XoooooooX",
        "XooooooooX",
        "XoooooooooX",
        "XooooooooooX",
        "XoooooooXXXXX",
        "XoooXooX",
        "XooXXooX",
        "XoX  XooX",
        "XX   XooX",
        "X     XooX",
        "      XooX",
        "       XooX",
        "       XXX",
    };
    std::vector<uint32_t> px(kCursorSize * kCursorSize, 0);
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[x] == 'X') px[y * kCursorSize + x] = 0xFF000000u;
            if (row[x] == 'o') {
                // Light steel to pale cyan from top to bottom.
                Rgb c = mix(rgb8(250, 252, 255), rgb8(150, 220, 250), y / 20.0f);
                px[y * kCursorSize + x] = argb(c, 1.0f);
            }
        }
        ++y;
    }
    return px;
}

std::vector<uint32_t> makeTargetCursor() {
    Image col(kCursorSize, kCursorSize), alpha(kCursorSize, kCursorSize);
    const float c = 15.5f;  // the centre of pixel (15, 15)
    const Rgb white{1, 1, 1}, black{0, 0, 0};
    auto both = [&](auto draw, Rgb colour) {
        draw(col, colour);
        draw(alpha, white);
    };
    const Rgb red = rgb8(255, 70, 40), hot = rgb8(255, 200, 120);
    auto ring = [&](float width) { return [=](Image& img, Rgb k) { strokeCircle(img, c, c, 9, width, k); }; };
    auto arms = [&](float width) {
        return [=](Image& img, Rgb k) {
            line(img, c, c - 14, c, c - 4, width, k);
            line(img, c, c + 4, c, c + 14, width, k);
            line(img, c - 14, c, c - 4, c, width, k);
            line(img, c + 4, c, c + 14, c, width, k);
        };
    };
    both(ring(3.6f), black);
    both(arms(3.4f), black);
    both([&](Image& img, Rgb k) { fillCircle(img, c, c, 2.2f, k); }, black);
    both(ring(1.6f), red);
    both(arms(1.4f), red);
    both([&](Image& img, Rgb k) { fillCircle(img, c, c, 1.1f, k); }, hot);
    std::vector<uint32_t> px(kCursorSize * kCursorSize);
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x) px[y * kCursorSize + x] = argb(col.get(x, y), alpha.get(x, y).r);
    return px;
}

}  // namespace assetgen

#pragma once
#include <cstdint>

namespace sd::platform {

struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    constexpr bool operator==(const Color&) const = default;
    // 0xRRGGBB, the form Surface::pixel() returns.
    constexpr uint32_t rgb() const { return (uint32_t{r} << 16) | (uint32_t{g} << 8) | uint32_t{b}; }
};

// Clamps each part to 0..255 (colour table values come from a data file).
constexpr Color MakeColor(int r, int g, int b) {
    auto c = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return Color{c(r), c(g), c(b)};
}

}  // namespace sd::platform

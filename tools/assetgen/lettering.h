#pragma once
// Lettering with Liberation Sans through SDL2_ttf: text becomes a coverage
// mask that is painted or glowed onto an Image.
#include <string>
#include <vector>

#include "canvas.h"

namespace assetgen {

struct Mask {
    int w = 0, h = 0;
    std::vector<float> a;  // coverage 0..1, row by row
    float at(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : a[static_cast<size_t>(y) * w + x]; }
};

enum class Face { Regular, Bold };

// Opens the fonts; throws std::runtime_error naming the folders searched when
// Liberation Sans is not installed.
void openLettering();
void closeLettering();

// Text (UTF-8) at a pixel size (the height of the font's em).
Mask textMask(const std::string& text, int pixelSize, Face face = Face::Bold);
// A softened copy grown by radius on every side (three box-blur passes).
Mask blurred(const Mask& m, int radius);

void paintMask(Image& img, const Mask& m, int x, int y, Rgb c, float a = 1.0f);
// Paints with a vertical colour ramp from top to bottom of the mask.
void paintMaskRamp(Image& img, const Mask& m, int x, int y, Rgb top, Rgb bottom, float a = 1.0f);
void glowMask(Image& img, const Mask& m, int x, int y, Rgb c, int radius, float k);

// Convenience: text centred on (cx, cy), with an optional glow and a drop shadow.
struct TextStyle {
    int size = 14;
    Face face = Face::Bold;
    Rgb color{1, 1, 1};
    Rgb colorBottom{-1, 0, 0};  // r < 0: same as color
    Rgb glowColor{};
    int glowRadius = 0;
    float glowStrength = 0;
    float shadow = 0;  // opacity of a one-pixel dark shadow below right
};
void drawTextCentred(Image& img, const std::string& text, float cx, float cy, const TextStyle& s);
void drawTextAt(Image& img, const std::string& text, int x, int y, const TextStyle& s);

}  // namespace assetgen

#pragma once
// A small floating-point picture and the drawing helpers every asset uses.
// Colours are linear-ish 0..1 floats; light is added, paint is blended, and
// the writers clamp and round once at the end.
#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }
// Colour from 0..255 components.
inline Rgb rgb8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

float clamp01(float v);
float smoothstep(float e0, float e1, float x);

struct Pt {
    float x = 0, y = 0;
};

class Image {
public:
    Image() = default;
    Image(int w, int h, Rgb fill = {});
    int w() const { return w_; }
    int h() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgb get(int x, int y) const;
    void set(int x, int y, Rgb c);
    // Paint: c over the pixel with coverage a (0..1).
    void blend(int x, int y, Rgb c, float a);
    // Light: adds c scaled by k.
    void add(int x, int y, Rgb c, float k = 1.0f);
    // Copies src with its top-left corner at (x, y).
    void paste(const Image& src, int x, int y);
    Image crop(int x, int y, int w, int h) const;
    Image flippedX() const;
    // Clamps and quantises to 8 bits per channel, 0xRRGGBB per pixel.
    std::vector<uint32_t> quantised() const;

private:
    int w_ = 0, h_ = 0;
    std::vector<Rgb> px_;
};

// Filled rectangle [x0, x1) x [y0, y1) (plain, no anti-aliasing).
void fillRect(Image& img, int x0, int y0, int x1, int y1, Rgb c, float a = 1.0f);
// One-pixel outline of the rectangle with both corners on it.
void strokeRect(Image& img, int x0, int y0, int x1, int y1, Rgb c, float a = 1.0f);
// Vertical gradient from top to bottom over the rectangle.
void gradientRect(Image& img, int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
// Bevel: light on the top and left edges, shadow on the bottom and right.
void bevel(Image& img, int x0, int y0, int x1, int y1, Rgb light, Rgb shadow, int thickness = 1);

// Anti-aliased shapes (coverage by distance to the edge).
void fillCircle(Image& img, float cx, float cy, float r, Rgb c, float a = 1.0f);
void strokeCircle(Image& img, float cx, float cy, float r, float width, Rgb c, float a = 1.0f);
void line(Image& img, float x0, float y0, float x1, float y1, float width, Rgb c, float a = 1.0f);
// Rounded rectangle [x0, x1] x [y0, y1] in continuous coordinates.
void fillRoundRect(Image& img, float x0, float y0, float x1, float y1, float radius,
                   const std::function<Rgb(float x, float y)>& shade, float a = 1.0f);
void strokeRoundRect(Image& img, float x0, float y0, float x1, float y1, float radius, float width,
                     Rgb c, float a = 1.0f);
// Polygon (even-odd) with 4x4 supersampled coverage; shade gives the colour at a point.
void fillPolygon(Image& img, const std::vector<Pt>& poly,
                 const std::function<Rgb(float x, float y)>& shade, float a = 1.0f);
// Soft light: adds c * k * exp(-(d/r)^2) around (cx, cy).
void glow(Image& img, float cx, float cy, float r, Rgb c, float k = 1.0f);

// Deterministic pseudo-random numbers (xorshift64*).
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t next();
    float uniform();                      // [0, 1)
    float range(float lo, float hi);      // [lo, hi)
    int below(int n);                     // 0 .. n-1
private:
    uint64_t s_;
};

// Smooth value noise in [0, 1] at a point; fbm sums octaves.
float valueNoise(float x, float y, uint32_t seed);
float fbm(float x, float y, uint32_t seed, int octaves = 5);

}  // namespace assetgen

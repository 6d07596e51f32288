#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float smoothstep(float e0, float e1, float x) {
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Image::Image(int w, int h, Rgb fill) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, fill) {}

Rgb Image::get(int x, int y) const { return inside(x, y) ? px_[static_cast<size_t>(y) * w_ + x] : Rgb{}; }

void Image::set(int x, int y, Rgb c) {
    if (inside(x, y)) px_[static_cast<size_t>(y) * w_ + x] = c;
}

void Image::blend(int x, int y, Rgb c, float a) {
    if (!inside(x, y) || a <= 0) return;
    Rgb& p = px_[static_cast<size_t>(y) * w_ + x];
    p = mix(p, c, a > 1 ? 1 : a);
}

void Image::add(int x, int y, Rgb c, float k) {
    if (!inside(x, y)) return;
    Rgb& p = px_[static_cast<size_t>(y) * w_ + x];
    p = p + c * k;
}

void Image::paste(const Image& src, int x, int y) {
    for (int j = 0; j < src.h(); ++j)
        for (int i = 0; i < src.w(); ++i) set(x + i, y + j, src.get(i, j));
}

Image Image::crop(int x, int y, int w, int h) const {
    Image out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.set(i, j, get(x + i, y + j));
    return out;
}

Image Image::flippedX() const {
    Image out(w_, h_);
    for (int j = 0; j < h_; ++j)
        for (int i = 0; i < w_; ++i) out.set(w_ - 1 - i, j, get(i, j));
    return out;
}

std::vector<uint32_t> Image::quantised() const {
    std::vector<uint32_t> out(px_.size());
    auto q = [](float v) { return static_cast<uint32_t>(std::lround(clamp01(v) * 255.0f)); };
    for (size_t i = 0; i < px_.size(); ++i) out[i] = (q(px_[i].r) << 16) | (q(px_[i].g) << 8) | q(px_[i].b);
    return out;
}

void fillRect(Image& img, int x0, int y0, int x1, int y1, Rgb c, float a) {
    for (int y = std::max(0, y0); y < std::min(img.h(), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(img.w(), x1); ++x) img.blend(x, y, c, a);
}

void strokeRect(Image& img, int x0, int y0, int x1, int y1, Rgb c, float a) {
    for (int x = x0; x <= x1; ++x) {
        img.blend(x, y0, c, a);
        if (y1 != y0) img.blend(x, y1, c, a);
    }
    for (int y = y0 + 1; y < y1; ++y) {
        img.blend(x0, y, c, a);
        if (x1 != x0) img.blend(x1, y, c, a);
    }
}

void gradientRect(Image& img, int x0, int y0, int x1, int y1, Rgb top, Rgb bottom) {
    int h = std::max(1, y1 - y0 - 1);
    for (int y = y0; y < y1; ++y) {
        Rgb c = mix(top, bottom, static_cast<float>(y - y0) / h);
        for (int x = x0; x < x1; ++x) img.set(x, y, c);
    }
}

void bevel(Image& img, int x0, int y0, int x1, int y1, Rgb light, Rgb shadow, int thickness) {
    for (int t = 0; t < thickness; ++t) {
        float a = 1.0f - 0.3f * t;
        for (int x = x0 + t; x <= x1 - t; ++x) {
            img.blend(x, y0 + t, light, a);
            img.blend(x, y1 - t, shadow, a);
        }
        for (int y = y0 + t + 1; y < y1 - t; ++y) {
            img.blend(x0 + t, y, light, a);
            img.blend(x1 - t, y, shadow, a);
        }
    }
}

void fillCircle(Image& img, float cx, float cy, float r, Rgb c, float a) {
    int x0 = static_cast<int>(std::floor(cx - r - 1)), x1 = static_cast<int>(std::ceil(cx + r + 1));
    int y0 = static_cast<int>(std::floor(cy - r - 1)), y1 = static_cast<int>(std::ceil(cy + r + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            img.blend(x, y, c, a * clamp01(r - d + 0.5f));
        }
}

void strokeCircle(Image& img, float cx, float cy, float r, float width, Rgb c, float a) {
    float half = width / 2;
    int x0 = static_cast<int>(std::floor(cx - r - half - 1)), x1 = static_cast<int>(std::ceil(cx + r + half + 1));
    int y0 = static_cast<int>(std::floor(cy - r - half - 1)), y1 = static_cast<int>(std::ceil(cy + r + half + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::fabs(std::hypot(x + 0.5f - cx, y + 0.5f - cy) - r);
            img.blend(x, y, c, a * clamp01(half - d + 0.5f));
        }
}

void line(Image& img, float x0, float y0, float x1, float y1, float width, Rgb c, float a) {
    float half = width / 2;
    int bx0 = static_cast<int>(std::floor(std::min(x0, x1) - half - 1));
    int bx1 = static_cast<int>(std::ceil(std::max(x0, x1) + half + 1));
    int by0 = static_cast<int>(std::floor(std::min(y0, y1) - half - 1));
    int by1 = static_cast<int>(std::ceil(std::max(y0, y1) + half + 1));
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
            float d = std::hypot(px - t * dx, py - t * dy);
            img.blend(x, y, c, a * clamp01(half - d + 0.5f));
        }
}

namespace {
// Signed distance to a rounded rectangle (negative inside).
float roundRectDistance(float x, float y, float x0, float y0, float x1, float y1, float r) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - r;
}
}  // namespace

void fillRoundRect(Image& img, float x0, float y0, float x1, float y1, float radius,
                   const std::function<Rgb(float, float)>& shade, float a) {
    for (int y = static_cast<int>(std::floor(y0)) - 1; y <= static_cast<int>(std::ceil(y1)); ++y)
        for (int x = static_cast<int>(std::floor(x0)) - 1; x <= static_cast<int>(std::ceil(x1)); ++x) {
            float d = roundRectDistance(x + 0.5f, y + 0.5f, x0, y0, x1, y1, radius);
            float cov = clamp01(0.5f - d);
            if (cov > 0) img.blend(x, y, shade(x + 0.5f, y + 0.5f), a * cov);
        }
}

void strokeRoundRect(Image& img, float x0, float y0, float x1, float y1, float radius, float width,
                     Rgb c, float a) {
    float half = width / 2;
    for (int y = static_cast<int>(std::floor(y0 - half)) - 1; y <= static_cast<int>(std::ceil(y1 + half)); ++y)
        for (int x = static_cast<int>(std::floor(x0 - half)) - 1; x <= static_cast<int>(std::ceil(x1 + half)); ++x) {
            float d = std::fabs(roundRectDistance(x + 0.5f, y + 0.5f, x0, y0, x1, y1, radius));
            img.blend(x, y, c, a * clamp01(half - d + 0.5f));
        }
}

void fillPolygon(Image& img, const std::vector<Pt>& poly, const std::function<Rgb(float, float)>& shade,
                 float a) {
    if (poly.size() < 3) return;
    float minx = poly[0].x, maxx = poly[0].x, miny = poly[0].y, maxy = poly[0].y;
    for (const Pt& p : poly) {
        minx = std::min(minx, p.x), maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y), maxy = std::max(maxy, p.y);
    }
    auto insidePoly = [&](float x, float y) {
        bool in = false;
        for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
            const Pt &p = poly[i], &q = poly[j];
            if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x) in = !in;
        }
        return in;
    };
    for (int y = static_cast<int>(std::floor(miny)); y <= static_cast<int>(std::ceil(maxy)); ++y)
        for (int x = static_cast<int>(std::floor(minx)); x <= static_cast<int>(std::ceil(maxx)); ++x) {
            if (!img.inside(x, y)) continue;
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    if (insidePoly(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4)) ++hits;
            if (hits) img.blend(x, y, shade(x + 0.5f, y + 0.5f), a * hits / 16.0f);
        }
}

void glow(Image& img, float cx, float cy, float r, Rgb c, float k) {
    int reach = static_cast<int>(std::ceil(r * 3));
    for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y)
        for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
            float dx = (x + 0.5f - cx) / r, dy = (y + 0.5f - cy) / r;
            img.add(x, y, c, k * std::exp(-(dx * dx + dy * dy)));
        }
}

uint64_t Rng::next() {
    s_ ^= s_ >> 12;
    s_ ^= s_ << 25;
    s_ ^= s_ >> 27;
    return s_ * 0x2545F4914F6CDD1Dull;
}

float Rng::uniform() { return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24); }
float Rng::range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
int Rng::below(int n) { return n > 0 ? static_cast<int>(next() % static_cast<uint64_t>(n)) : 0; }

namespace {
float lattice(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}
}  // namespace

float valueNoise(float x, float y, uint32_t seed) {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    float fx = x - xi, fy = y - yi;
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    float a = lattice(xi, yi, seed), b = lattice(xi + 1, yi, seed);
    float c = lattice(xi, yi + 1, seed), d = lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float fbm(float x, float y, uint32_t seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0, f = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x * f, y * f, seed + i * 101u);
        norm += amp;
        amp *= 0.5f;
        f *= 2.03f;
    }
    return sum / norm;
}

}  // namespace assetgen

// Drawing on surfaces: lines (copy or XOR, any width), rectangle outlines and
// circles. Everything is clipped at the surface edges.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/draw/sdl_draw.h"
#include "platform/draw/surface.h"

namespace sd::platform {

namespace {

// Midpoint circle: walks one octant of a circle of the given radius and hands
// each point (x, y) with x >= y to visit, which mirrors it into the others.
template <typename Visit>
void MidpointCircle(int radius, Visit visit) {
    int x = radius, y = 0, err = 1 - radius;
    while (x >= y) {
        visit(x, y);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}


uint32_t* PixelAt(SDL_Surface* s, int x, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch) + x;
}

// Beyond this a line is first cut down to the part near the surface, so that
// absurd coordinates cost no time.
constexpr int64_t kDirectLimit = 1 << 20;

// Cuts the segment to the box [lo, hi] (both axes); false when nothing is left.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double loX, double loY, double hiX, double hiY) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - loX, hiX - x1, y1 - loY, hiY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy, nx2 = x1 + t1 * dx, ny2 = y1 + t1 * dy;
    x1 = nx1; y1 = ny1; x2 = nx2; y2 = ny2;
    return true;
}

// Calls plot(x, y) for every point of the Bresenham line, both ends included.
template <typename Plot>
void Bresenham(int64_t x1, int64_t y1, int64_t x2, int64_t y2, Plot&& plot) {
    const int64_t dx = std::llabs(x2 - x1), dy = -std::llabs(y2 - y1);
    const int64_t stepX = x1 < x2 ? 1 : -1, stepY = y1 < y2 ? 1 : -1;
    int64_t err = dx + dy;
    for (;;) {
        plot(x1, y1);
        if (x1 == x2 && y1 == y2) break;
        const int64_t e2 = 2 * err;
        if (e2 >= dy) { err += dy; x1 += stepX; }
        if (e2 <= dx) { err += dx; y1 += stepY; }
    }
}

}  // namespace

void Surface::line(int x1, int y1, int x2, int y2, Color c, int width, DrawMode mode) {
    if (!s_) return;
    width = std::max(width, 1);
    const int w = s_->w, h = s_->h;
    const int64_t margin = width + 1;
    int64_t ax = x1, ay = y1, bx = x2, by = y2;
    if (std::llabs(ax) > kDirectLimit || std::llabs(ay) > kDirectLimit || std::llabs(bx) > kDirectLimit ||
        std::llabs(by) > kDirectLimit) {
        double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
        if (!ClipSegment(fx1, fy1, fx2, fy2, -margin, -margin, w + margin, h + margin)) return;
        ax = static_cast<int64_t>(fx1); ay = static_cast<int64_t>(fy1);
        bx = static_cast<int64_t>(fx2); by = static_cast<int64_t>(fy2);
    }
    if (std::max(ax, bx) < -margin || std::max(ay, by) < -margin || std::min(ax, bx) > w + margin ||
        std::min(ay, by) > h + margin) {
        return;
    }
    const uint32_t colour = 0xFF000000u | c.rgb();
    const uint32_t flip = c.rgb();
    // Every pixel the brush can reach lies in this box.
    const int64_t reach0 = -(width - 1) / 2;
    const int64_t boxX = std::clamp<int64_t>(std::min(ax, bx) + reach0, -1, w + 1);
    const int64_t boxY = std::clamp<int64_t>(std::min(ay, by) + reach0, -1, h + 1);
    const int64_t boxR = std::clamp<int64_t>(std::max(ax, bx) + reach0 + width, -1, w + 1);
    const int64_t boxB = std::clamp<int64_t>(std::max(ay, by) + reach0 + width, -1, h + 1);
    SDL_Surface* s = edit({static_cast<int>(boxX), static_cast<int>(boxY), static_cast<int>(boxR - boxX),
                           static_cast<int>(boxB - boxY)});
    if (!s) return;

    if (width == 1) {
        // A thin Bresenham line never visits a pixel twice, so XOR can go straight.
        Bresenham(ax, ay, bx, by, [&](int64_t x, int64_t y) {
            if (x < 0 || y < 0 || x >= w || y >= h) return;
            uint32_t* p = PixelAt(s, static_cast<int>(x), static_cast<int>(y));
            *p = mode == DrawMode::Xor ? (*p ^ flip) : colour;
        });
        return;
    }

    // A thick line stamps a round brush at every point. The stamps overlap, so
    // for XOR the pixels are gathered first and each one is flipped once.
    std::vector<std::pair<int, int>> brush;
    const int lo = -(width - 1) / 2;
    const double centre = lo + (width - 1) / 2.0, radius2 = width * width / 4.0 + 0.25;
    for (int dy = lo; dy < lo + width; ++dy)
        for (int dx = lo; dx < lo + width; ++dx)
            if ((dx - centre) * (dx - centre) + (dy - centre) * (dy - centre) <= radius2) brush.emplace_back(dx, dy);

    std::vector<uint64_t> touched;
    Bresenham(ax, ay, bx, by, [&](int64_t x, int64_t y) {
        for (const auto& [ox, oy] : brush) {
            const int64_t px = x + ox, py = y + oy;
            if (px < 0 || py < 0 || px >= w || py >= h) continue;
            if (mode == DrawMode::Xor) touched.push_back((static_cast<uint64_t>(py) << 32) | static_cast<uint64_t>(px));
            else *PixelAt(s, static_cast<int>(px), static_cast<int>(py)) = colour;
        }
    });
    if (mode == DrawMode::Xor) {
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        for (uint64_t key : touched) {
            uint32_t* p = PixelAt(s, static_cast<int>(key & 0xFFFFFFFFu), static_cast<int>(key >> 32));
            *p ^= flip;
        }
    }
}

void Surface::rect(int x1, int y1, int x2, int y2, Color c) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    fillRect(x1, y1, x2, y1, c);
    fillRect(x1, y2, x2, y2, c);
    fillRect(x1, y1, x1, y2, c);
    fillRect(x2, y1, x2, y2, c);
}

void Surface::circle(int cx, int cy, int radius, Color c) {
    if (!s_ || radius < 0) return;
    const Rect box = Intersect({cx - radius, cy - radius, 2 * radius + 1, 2 * radius + 1}, bounds());
    if (box.empty()) return;
    SDL_Surface* s = edit(box);
    if (!s) return;
    const uint32_t colour = 0xFF000000u | c.rgb();
    auto plot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < s->w && y < s->h) *PixelAt(s, x, y) = colour;
    };
    MidpointCircle(radius, [&](int x, int y) {
        plot(cx + x, cy + y); plot(cx + y, cy + x);
        plot(cx - y, cy + x); plot(cx - x, cy + y);
        plot(cx - x, cy - y); plot(cx - y, cy - x);
        plot(cx + y, cy - x); plot(cx + x, cy - y);
    });
}

void Surface::fillCircle(int cx, int cy, int radius, Color c) {
    if (!s_ || radius < 0) return;
    // The same walk, filling the horizontal spans between the mirrored points.
    MidpointCircle(radius, [&](int x, int y) {
        fillRect(cx - x, cy + y, cx + x, cy + y, c);
        fillRect(cx - x, cy - y, cx + x, cy - y, c);
        fillRect(cx - y, cy + x, cx + y, cy + x, c);
        fillRect(cx - y, cy - x, cx + y, cy - x, c);
    });
}

}  // namespace sd::platform

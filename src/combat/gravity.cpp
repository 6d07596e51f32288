#include "combat/gravity.h"

#include <cmath>

#include "base/rounding.h"

namespace sd {

namespace {

// A shot exactly on a reference point would divide by zero; the game nudges
// the distance instead, as a float.
constexpr float kNoDistance = 0.000001f;

// The push of one mass on a shot at (x, y), as the two 16-bit components the
// game adds to the launch vector.
struct Push {
    int16_t x = 0;
    int16_t y = 0;
};

Push PushOf(const Mass& m, float x, float y) {
    float dx = static_cast<float>(std::fabs(static_cast<double>(x) - m.x));
    float dy = static_cast<float>(std::fabs(static_cast<double>(y) - m.y));
    if (dx == 0.0f) dx = kNoDistance;
    if (dy == 0.0f) dy = kNoDistance;
    const double ddx = dx;
    const double ddy = dy;
    const float distance = static_cast<float>(std::sqrt(ddy * ddy + ddx * ddx));
    const float pull = static_cast<float>(m.mass / static_cast<double>(distance));
    const float direction = static_cast<float>(std::atan(ddy / ddx));
    // Right on a reference point the pull is far beyond 16 bits; it is held at
    // the 16-bit bound so the shot is flung away instead of wrapping around.
    return {RoundEven16(pull * std::cos(static_cast<double>(direction))),
            RoundEven16(pull * std::sin(static_cast<double>(direction)))};
}

}  // namespace

MassList BuildMassList(const WorldRecord& w) {
    MassList masses;
    const CellGrid& map = w.CellMap;
    for (int x = 0; x <= map.maxX(); ++x) {
        for (int y = 0; y <= map.maxY(); ++y) {
            const int16_t n = map(x, y);
            if (n <= 0) continue;
            const double grav = w.thing(n).Grav;
            if (!(grav > 0.0)) continue;
            // The reference point is the cell's top-left corner, not its centre.
            masses.push_back({Sat16(long{w.Raster_x} + long{x} * w.Raster_width),
                              Sat16(long{w.Raster_y} + long{y} * w.Raster_height), RoundEven16(grav * 500.0)});
        }
    }
    return masses;
}

void GravityStep(const MassList& masses, float& XL1, float& YL1, float Force, float Angle) {
    // The pushes are all taken at the position before the step.
    const float x = XL1;
    const float y = YL1;
    float vx = static_cast<float>(static_cast<double>(Force) * std::cos(static_cast<double>(Angle)));
    float vy = static_cast<float>(static_cast<double>(Force) * std::sin(static_cast<double>(Angle)));
    for (const Mass& m : masses) {
        const Push p = PushOf(m, x, y);
        vx = static_cast<float>(p.x + static_cast<double>(vx));
        vy = static_cast<float>(p.y + static_cast<double>(vy));
    }
    // In double: the tiny sine and cosine of the "straight" angles floor to -1
    // here, and players' aim has always relied on that.
    XL1 = static_cast<float>(std::floor(static_cast<double>(vx) / 40.0 + static_cast<double>(XL1)));
    YL1 = static_cast<float>(std::floor(static_cast<double>(vy) / 60.0 + static_cast<double>(YL1)));
}

void CalcGravity(const WorldRecord& w, float& XL1, float& YL1, float Force, float Angle) {
    GravityStep(BuildMassList(w), XL1, YL1, Force, Angle);
}

float LaunchAngle(int16_t AimAngle) {
    // 3.14159 as the game always had it, not the full pi; left to right.
    return static_cast<float>(3.14159 / 180.0 * (-1.0) * AimAngle);
}

}  // namespace sd

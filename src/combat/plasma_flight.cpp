#include "combat/plasma_flight.h"

#include <algorithm>

#include "base/rounding.h"
#include "data/board_geometry.h"

namespace sd {

PlasmaFlight::PlasmaFlight(const WorldRecord& w, int16_t currentPlayer, int16_t launchX, int16_t launchY,
                           int16_t aimAngle)
    : w_(w),
      masses_(BuildMassList(w)),
      player_(currentPlayer),
      angle_(LaunchAngle(aimAngle)),
      x_(launchX),
      y_(launchY) {
    spanX_ = std::max<int32_t>(Sat16(long{w.Raster_width} * w.Raster_max_x), 0) + 1;
    spanY_ = std::max<int32_t>(Sat16(long{w.Raster_height} * w.Raster_max_y), 0) + 1;
    const size_t bits = static_cast<size_t>(spanX_) * static_cast<size_t>(spanY_);
    visited_.assign((bits + 63) / 64, 0);
}

bool PlasmaFlight::visitedBefore(float x, float y) {
    // Only positions that passed the board test come here, so they lie on the
    // board's pixel extent.
    const size_t bit = static_cast<size_t>(y) * static_cast<size_t>(spanX_) + static_cast<size_t>(x);
    uint64_t& word = visited_[bit / 64];
    const uint64_t mask = uint64_t{1} << (bit % 64);
    const bool seen = (word & mask) != 0;
    word |= mask;
    return seen;
}

FlightEnd PlasmaFlight::Step() {
    if (end_ != FlightEnd::None) return end_;
    ++steps_;
    cellX_ = -1;
    cellY_ = -1;
    GravityStep(masses_, x_, y_, kLaunchForce, angle_);

    if (x_ == prevX_ && y_ == prevY_) return end_ = FlightEnd::Stalled;

    const float right = Sat16(long{w_.Raster_width} * w_.Raster_max_x);
    const float bottom = Sat16(long{w_.Raster_height} * w_.Raster_max_y);
    if (x_ < 0.0f || x_ > right || y_ < 0.0f || y_ > bottom) return end_ = FlightEnd::OffBoard;

    // Whole numbers on the board, so the conversion is exact.
    int16_t cx = static_cast<int16_t>(x_);
    int16_t cy = static_cast<int16_t>(y_);
    GetMouseZelle_Koordinates(w_, cx, cy);
    cellX_ = cx;
    cellY_ = cy;
    const int16_t owner = w_.ownerAt(cx, cy);
    if (owner == -1) return end_ = FlightEnd::Obstacle;
    if (owner != player_ && owner > 0) return end_ = FlightEnd::Hit;

    if (visitedBefore(x_, y_)) return end_ = FlightEnd::Loop;
    prevX_ = x_;
    prevY_ = y_;
    return FlightEnd::None;
}

FlightOutcome RunFlight(const WorldRecord& w, int16_t currentPlayer, int16_t launchX, int16_t launchY,
                        int16_t aimAngle, std::vector<FlightPoint>* path) {
    PlasmaFlight flight(w, currentPlayer, launchX, launchY, aimAngle);
    FlightEnd end = FlightEnd::None;
    while (end == FlightEnd::None) {
        end = flight.Step();
        if (path != nullptr) path->push_back({flight.x(), flight.y()});
    }
    FlightOutcome outcome;
    outcome.end = end;
    outcome.steps = flight.steps();
    if (end == FlightEnd::Hit || end == FlightEnd::Obstacle) {
        outcome.cellX = flight.cellX();
        outcome.cellY = flight.cellY();
    }
    return outcome;
}

}  // namespace sd

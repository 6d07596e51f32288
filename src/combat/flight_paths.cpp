#include "combat/flight_paths.h"

#include <algorithm>

#include "data/board_geometry.h"

namespace sd {

namespace {

constexpr int kAngles = 360;

bool SameMasses(const MassList& a, const MassList& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const Mass& p, const Mass& q) {
               return p.x == q.x && p.y == q.y && p.mass == q.mass;
           });
}

}  // namespace

void FlightPaths::BindTo(const WorldRecord& w) {
    MassList masses = BuildMassList(w);
    const int16_t board[6] = {w.Raster_x, w.Raster_y, w.Raster_width, w.Raster_height, w.Raster_max_x, w.Raster_max_y};
    if (bound_ && SameMasses(masses, masses_) && std::equal(board, board + 6, board_)) return;
    masses_ = std::move(masses);
    std::copy(board, board + 6, board_);
    paths_.clear();
    bound_ = true;
    // The board the paths are flown on: the same masses, but every thing
    // owned by nobody, so that nothing stops a shot but its own end.
    empty_ = w;
    for (Thing& t : empty_.Things) t.Besitzer = 0;
}

const FlightPaths::Path& FlightPaths::PathFor(int16_t launchX, int16_t launchY, int16_t angle) {
    std::vector<Path>& perAngle = paths_[{launchX, launchY}];
    if (perAngle.empty()) perAngle.resize(kAngles);
    Path& p = perAngle[static_cast<size_t>(angle)];
    if (p.end != FlightEnd::None) return p;
    // Flown once on the empty board, every cell it enters noted.
    PlasmaFlight flight(empty_, 1, launchX, launchY, angle);
    int16_t lastX = -1, lastY = -1;
    FlightEnd end = FlightEnd::None;
    while ((end = flight.Step()) == FlightEnd::None) {
        if (flight.cellX() != lastX || flight.cellY() != lastY) {
            lastX = flight.cellX();
            lastY = flight.cellY();
            p.cells.push_back({flight.steps(), lastX, lastY});
        }
    }
    p.end = end;
    p.steps = flight.steps();
    return p;
}

FlightOutcome FlightPaths::Fly(const WorldRecord& w, int16_t player, int16_t launchX, int16_t launchY,
                               int16_t angle) {
    FlightOutcome o;
    if (angle < 0 || angle >= kAngles) return RunFlight(w, player, launchX, launchY, angle);
    const Path& p = PathFor(launchX, launchY, angle);
    for (const Entry& e : p.cells) {
        const int16_t owner = w.ownerAt(e.x, e.y);
        if (owner == -1 || (owner > 0 && owner != player)) {
            o.end = owner == -1 ? FlightEnd::Obstacle : FlightEnd::Hit;
            o.cellX = e.x;
            o.cellY = e.y;
            o.steps = e.step;
            return o;
        }
    }
    o.end = p.end;
    o.steps = p.steps;
    return o;
}

FlightPaths& ThreadFlightPaths() {
    thread_local FlightPaths paths;
    return paths;
}

}  // namespace sd

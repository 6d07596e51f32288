#pragma once
// The cells a plasma shot passes, remembered per launch point and angle. The
// pull on a shot comes from the board's masses alone, and each step depends
// only on where the shot is, so its path stays the same while the masses
// stand still (units carry none); what stands in the cells decides only where
// on that path it ends. The computer flies thousands of shots a decision, the
// same ones again after every trial move: reading a path back and looking at
// its cells is far cheaper than flying it again, and ends exactly as the
// flight would.
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "combat/gravity.h"
#include "combat/plasma_flight.h"
#include "data/world_model.h"

namespace sd {

class FlightPaths {
public:
    // The paths for the masses and the board of w; paths kept for other
    // masses or another board are dropped.
    void BindTo(const WorldRecord& w);

    // The same outcome as RunFlight(w, player, launchX, launchY, angle) on the
    // world last bound (its things may have moved, its masses not).
    FlightOutcome Fly(const WorldRecord& w, int16_t player, int16_t launchX, int16_t launchY, int16_t angle);

private:
    // One cell the shot enters, and at which step it first stands there.
    struct Entry {
        int32_t step;
        int16_t x, y;
    };
    // Every cell entered, in order, and how the flight ends when no cell
    // stops it (stalled, off the board or in a loop).
    struct Path {
        std::vector<Entry> cells;
        FlightEnd end = FlightEnd::None;
        int32_t steps = 0;
    };
    const Path& PathFor(int16_t launchX, int16_t launchY, int16_t angle);

    MassList masses_;
    int16_t board_[6] = {};
    bool bound_ = false;
    WorldRecord empty_;
    std::map<std::pair<int16_t, int16_t>, std::vector<Path>> paths_;  // per launch point, per angle
};

// This thread's paths: the computer's search and the games it plays share them.
FlightPaths& ThreadFlightPaths();

}  // namespace sd

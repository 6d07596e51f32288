#pragma once
// The flight of one plasma shot, step by step, without a screen.
//
// The game's playback drives it like this (the drawing, sounds and waits are
// the playback's; the rules are all here):
//
//     PlasmaFlight flight(w, CurrentPlayer, centre.x, centre.y, AimAngle);
//     // show the plasma ball, play sound 5
//     for (;;) {
//         const FlightEnd end = flight.Step();
//         if (end == FlightEnd::None) {
//             // move the ball to (flight.x(), flight.y()), refresh,
//             // sleep SpeedDelay, process pending events
//             continue;
//         }
//         if (end == FlightEnd::Obstacle) {
//             // hide the ball, sound 15, process events,
//             // DoHit at (flight.x(), flight.y()), DoBlink(flight.cellX(), flight.cellY())
//         } else if (end == FlightEnd::Hit) {
//             // xZelleHit, yZelleHit = flight.cellX(), flight.cellY();
//             // hide the ball, sound 15, DoHit at (flight.x(), flight.y())
//         }
//         break;  // Stalled, OffBoard and Loop end silently
//     }
//     // hide the ball; Hit = flight.hit()
//
// The launch point is the centre of the firing cell (CellCentre). The shot's
// mass list is taken from the board when the flight is created: nothing on the
// board moves while a shot flies. The owners in the cells are read at every
// step.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "combat/gravity.h"
#include "data/world_model.h"

namespace sd {

enum class FlightEnd {
    None,      // still flying
    Hit,       // struck a thing of the other team: the only ending that counts
    Obstacle,  // struck a thing owned by -1
    Stalled,   // a step that did not move the shot
    OffBoard,  // left the board
    Loop,      // came back to a position it had already passed: it would circle for ever
};

class PlasmaFlight {
public:
    // A shot of currentPlayer from the board pixel (launchX, launchY) at the
    // dial angle aimAngle (degrees). The world must outlive the flight.
    PlasmaFlight(const WorldRecord& w, int16_t currentPlayer, int16_t launchX, int16_t launchY, int16_t aimAngle);

    // One step, tested in this order:
    //  1. the gravity step;
    //  2. stalled: the position equals the previous one (which starts at (0, 0),
    //     so a first step onto (0, 0) stalls too);
    //  3. off the board: x < 0, x > Raster_width * Raster_max_x, y < 0 or
    //     y > Raster_height * Raster_max_y (the grid offsets take no part);
    //  4. the cell under the position (GetMouseZelle_Koordinates, so positions
    //     in the offset margin or the last partial cell pick the nearest board
    //     cell): owner -1 is an obstacle, an owner > 0 other than the shooter's
    //     is a hit;
    //  5. otherwise the shot flies on, unless it has been at this position
    //     before: every step depends only on the position, so it would repeat
    //     the same circle for ever. That test comes last because a repeated
    //     position passed the tests above before; the position one step back
    //     is already caught as stalled.
    // Returns None while the shot flies on. After the end every call returns
    // the same ending and changes nothing.
    FlightEnd Step();

    FlightEnd end() const { return end_; }
    bool hit() const { return end_ == FlightEnd::Hit; }
    // Position after the last step (the launch point before the first).
    float x() const { return x_; }
    float y() const { return y_; }
    // The cell examined at the last step: the struck cell after Hit and
    // Obstacle. -1 when the last step ended before a cell was looked at
    // (Stalled, OffBoard) and before the first step.
    int16_t cellX() const { return cellX_; }
    int16_t cellY() const { return cellY_; }
    int32_t steps() const { return steps_; }

private:
    bool visitedBefore(float x, float y);

    const WorldRecord& w_;
    MassList masses_;
    int16_t player_;
    float angle_;
    float x_, y_;
    float prevX_ = 0.0f, prevY_ = 0.0f;
    int16_t cellX_ = -1, cellY_ = -1;
    int32_t steps_ = 0;
    FlightEnd end_ = FlightEnd::None;
    // The board's pixel extent, both ends included, one bit per position.
    int32_t spanX_ = 0, spanY_ = 0;
    std::vector<uint64_t> visited_;
};

// How a whole shot ended. The cell is the struck one after Hit and Obstacle;
// after any other ending it is (-1, -1): a miss reports no cell.
struct FlightOutcome {
    FlightEnd end = FlightEnd::None;
    int16_t cellX = -1;
    int16_t cellY = -1;
    int32_t steps = 0;
};

// A whole shot without pauses. With path given, every position the gravity
// steps produce is appended, the last one included.
FlightOutcome RunFlight(const WorldRecord& w, int16_t currentPlayer, int16_t launchX, int16_t launchY,
                        int16_t aimAngle, std::vector<FlightPoint>* path = nullptr);

}  // namespace sd

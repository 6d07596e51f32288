#pragma once
// Records on the game screen: the running game written as it is played, a
// recorded game continued where it stopped, and a record played back with
// every picture and sound under the viewer's keys.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "combat/action.h"
#include "data/context.h"

namespace sd {
struct GameRecord;
struct RecordHeader;

// A replay in progress: the actions still to show and the viewer's controls.
struct ReplayState {
    std::vector<Action> actions;
    size_t next = 0;
    bool paused = false;
    bool step = false;  // Right while paused: one action, then hold again
    int speed = 2;      // index into the pauses between actions
    Opponent savedOpponent = Opponent::Person;
};

}  // namespace sd

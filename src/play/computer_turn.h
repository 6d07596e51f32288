#pragma once
// The computer's turn on the game screen. The computer plays red and acts
// only through the handlers a person's mouse reaches: it points at a cell and
// clicks it, switches the weapon on the info panel, turns the aiming dial's
// pointer to its angle and confirms it, and presses "Zug beenden" -- with a
// pause between its actions, so the person watching sees every step with the
// game's own frames, animations and sounds.
#include <cstdint>

#include "base/geometry.h"

#include "play/game_screen_impl.h"

namespace sd {

// The computer plays red.
constexpr int16_t kComputerPlayer = 2;

// True while the turn is the computer's: it is chosen, red is to play and the
// game is not over. The person's input is ignored then, except leaving
// through "Verlassen" and closing the window.
bool ComputersTurn(const GameScreen& g);

// Starts the computer's turn when the turn is the computer's and it is not
// playing already: its decisions and gestures are queued on the show, one
// after the other, up to its "Zug beenden" (or the game's end).
void PlayComputerTurn(GameScreen& g);

// Queued while the aiming dial waits for the computer's plasma shot: the
// pointer travels to the chosen angle, rests there a moment, and the aiming
// ends as the dial's click ends it.
void ComputerAims(GameScreen& g, int16_t target);

// A point of a W x H dial (its own pixels) at which the dial reads exactly
// angle (0..359): on a circle around the centre, nudged until the dial's own
// rounding gives that whole degree.
DialPoint DialPointFor(int W, int H, int16_t angle);

}  // namespace sd

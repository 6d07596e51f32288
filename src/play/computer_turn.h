#pragma once
// The computer's turn on the game screen. The computer plays red and acts
// only through the handlers a person's mouse reaches: it points at a cell and
// clicks it, switches the weapon on the info panel, turns the aiming dial's
// pointer to its angle and confirms it, and presses "Zug beenden" -- with a
// pause between its actions, so the person watching sees every step with the
// game's own frames, animations and sounds.
#include <cstdint>

#include "play/game_screen_impl.h"

namespace sd {

// The computer plays red.
constexpr int16_t kComputerPlayer = 2;

// True while the turn is the computer's: it is chosen, red is to play and the
// game is not over. The person's input is ignored then, except leaving
// through "Verlassen" and closing the window.
bool ComputersTurn(const GameScreen& g);

// What the playback of a shot needs between the board click that fires and
// the aiming dial that asks for the angle.
struct ComputerPlayback {
    int16_t angle = 0;  // the dial angle of the plasma shot being fired
};

// Plays the computer's turns for as long as the turn is the computer's, each
// ending with "Zug beenden". Returns when the person's turn begins, the game
// is over or the screen has closed. Does nothing when the turn is not the
// computer's, or when its turn is already being played (one level deep).
void PlayComputerTurn(GameScreen& g);

// The aiming dial of the computer's plasma shot: the pointer travels to the
// chosen angle, rests there a moment, and the aiming ends as the dial's click
// ends it. False when the screen closed meanwhile.
bool ComputerAims(GameScreen& g);

// A point of a W x H dial (its own pixels) at which the dial reads exactly
// angle (0..359): on a circle around the centre, nudged until the dial's own
// rounding gives that whole degree.
struct DialPoint {
    double x = 0.0;
    double y = 0.0;
};
DialPoint DialPointFor(int W, int H, int16_t angle);

}  // namespace sd

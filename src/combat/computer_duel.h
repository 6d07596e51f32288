#pragma once
// Games without a screen: the computer's turns applied through the game's
// rules as the game screen applies them, and whole games of the computer
// against itself, or against a player who only ends his turns. The balance
// command and the tests play these.
#include <cstdint>
#include <optional>
#include <random>

#include "combat/computer_player.h"
#include "combat/game_rules.h"
#include "data/world_model.h"

namespace sd {

// Plays one whole turn of the computer for the team on turn in game, up to
// (not including) the end of the turn. True when its last shot won the game.
bool PlayComputerTurn(Game& game, ComputerStrength strength, std::mt19937& rng);

// The same on a bare world for player, as the tests of single turns use it:
// the world is played on in place.
bool PlayComputerTurnHeadless(WorldRecord& w, int16_t player, ComputerStrength strength, std::mt19937& rng);

// Carries out one decision of the computer for player on a bare world. True
// when a shot struck an enemy. A refused shot or move changes nothing.
bool ApplyComputerAction(WorldRecord& w, int16_t player, const ComputerAction& a);

// The end of a turn as "Zug beenden" does it, on a bare world: the other
// player's turn, one turn more on the counter, every unit refilled.
void HandOverTurn(WorldRecord& w, int16_t& currentPlayer, int16_t& turnCounter);

// Who plays a side of a duel: the computer at a strength, or (nullopt) a
// player who only ends his turns.
using DuelSide = std::optional<ComputerStrength>;

struct DuelResult {
    int16_t winner = 0;  // 1 blue, 2 red, 0 nobody within the turn limit
    int16_t turns = 0;   // the turn counter when the game ended, as the victory panel gives it
    // What each team has left on the board at the end, indexed by player 1 and 2.
    int unitsLeft[3] = {0, 0, 0};
    int shieldLeft[3] = {0, 0, 0};
};

// A whole game from the world as loaded: blue begins in turn 1; the game ends
// with the shot that wins it, or undecided (winner 0, turns maxTurns) once
// turn maxTurns is over.
DuelResult PlayDuel(WorldRecord w, DuelSide blue, DuelSide red, std::mt19937& rng, int16_t maxTurns = 200);

}  // namespace sd

#pragma once
// How much shield one side can take off the other in one turn, at most: the
// proof that a world cannot be won in the first turn, whatever a player tries.
// A plasma miss is free and a unit may fire as often as it has charges, so a
// patient player finds every hitting angle by trial; the bound therefore
// counts every charge of a unit that could strike anything from any cell it
// can reach, and every beam its energy allows where an enemy may stand within
// the beam's reach.
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "data/world_model.h"

namespace sd {

struct TurnBound {
    long damage = 0;       // at most this many shield points in the turn
    long enemyShield = 0;  // what the enemy units have together
    // Victory needs every enemy's shield broken, so a bound below the sum is proof.
    bool winPossible() const { return damage >= enemyShield; }
};

// The bound for player's turn in world w as it stands, the units with the
// energy they have now. Each enemy may be found anywhere within enemyMoves
// cells of where it stands (along rows and columns): the side that moves
// second meets an enemy who has moved once. Units pull no shots (the things
// 14 to 19 carry no gravity), so where one's own units stand changes no
// flight; the flights are judged on a board without enemies, so that a shot
// counts for every enemy cell it passes, not only the first.
TurnBound OneTurnDamageBound(const WorldRecord& w, int16_t player, int enemyMoves);

// The bounds of both sides' first turns on a world as loaded: blue with the
// energy of the file, red after the hand-over refilled every unit and with
// blue's units anywhere their first turn could have taken them. Index 1 blue,
// 2 red.
struct FirstTurnBounds {
    TurnBound side[3];
};
FirstTurnBounds FirstTurnDamageBounds(const WorldRecord& w);

}  // namespace sd

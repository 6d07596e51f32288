#pragma once
// The computer opponent's judgement: which of its units acts next and how.
// A plain function over the board as a person sees it -- where every thing
// stands, and the values the info panel shows (Energie, Schild, Plasma, Grav)
// -- and the game's own rules: it fires each shot in its head with the same
// flight the game flies, so what it predicts is what will happen.
//
// One call decides one move of the computer; ActionsFor turns it into the
// actions a player would take for it. The caller applies them (on the game
// screen with the gestures a person would make, or headless in a duel), tells
// the turn's memory what came of a shot, and asks again, until the answer is
// to end the turn.
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "combat/action.h"
#include "combat/shot_survey.h"
#include "data/world_model.h"

namespace sd {

enum class ComputerStrength : int16_t {
    // Aims a few degrees off at random, and each unit fires once a turn: a
    // plasma miss costs nothing, so without that limit a misjudged angle
    // would only cost time. A beginner can beat it.
    Light,
    // Plays the best shot it finds, as often as charges and energy allow,
    // and plans past it: focused blows, the beam before a charge, closing in
    // and stepping out of the enemy's reach.
    Strong,
};

enum class ComputerActionKind : int16_t {
    Shoot,    // select unit, weapon as given, click target
    Move,     // select unit, click target (an empty cell in line and in range)
    EndTurn,  // press "Zug beenden"
};

struct ComputerAction {
    ComputerActionKind kind = ComputerActionKind::EndTurn;
    CellPos unit{-1, -1};    // the unit that acts
    CellPos target{-1, -1};  // Shoot: the enemy to click; Move: the cell to go to
    Weapon weapon = Weapon::Plasma;
    int16_t angle = 0;       // Shoot with plasma: the dial angle to fire at
    int16_t aimedAngle = 0;  // the angle the search found (the light one misses it by a few degrees)
};

// What the computer keeps in mind during one of its turns.
struct ComputerTurnMemory {
    // Thing numbers that fire no more this turn: with the light setting every
    // unit that fired, with the strong one a unit whose shot went astray
    // (which the search never expects; it keeps a turn from going on for ever).
    std::vector<int16_t> resting;

    // Tells the memory how a shot of thing t ended.
    void ShotFired(int16_t t, bool hit, ComputerStrength strength);
    bool IsResting(int16_t t) const;
};

// Called between parts of the search so that the caller can keep its window
// alive; returning false abandons the search (the answer is then EndTurn).
using SearchYield = std::function<bool()>;

// The next action of player in world w. The strong setting plans as
// computer_strong.h says; the light one plays like a beginner, in this order:
//  1. the first of its units with an easy shot from where it stands (the
//     beam within two cells, or a plasma window wider than its
//     misjudgement) fires: at an enemy it can destroy if there is one,
//     otherwise at one of those it can strike, chosen at random, with its
//     widest window at that enemy;
//  2. if none has: one of the moves to a cell with an easy shot, at random;
//  3. and 4. the same with any shot, however narrow its window;
//  5. if there is none: one of the moves that bring a unit closer to the
//     enemy, chosen at random;
//  6. if there is none: one of the steps of a unit by one cell;
//  7. otherwise: end the turn.
// rng gives the light setting its misjudgement and its choices and is used
// for nothing else.
ComputerAction DecideComputerAction(const WorldRecord& w, int16_t player, ComputerStrength strength,
                                    const ComputerTurnMemory& memory, std::mt19937& rng,
                                    const SearchYield& yield = {});

// The actions that carry out a decision, as a person's clicks would: the unit
// selected unless it is already, the weapon switched when it is another, then
// the shot; or the move followed by selecting the unit where it arrived; or
// the end of the turn.
std::vector<Action> ActionsFor(const ComputerAction& a, const WorldRecord& w, const GameStateRecord& s);

// A turn of the computer ends long before this many decisions; the bound
// only guards against a turn that would never end.
constexpr int kMostActionsPerTurn = 200;

// A plasma shot's misjudgement by the light setting: a few degrees either way.
constexpr int16_t kLightAimError = 4;

}  // namespace sd

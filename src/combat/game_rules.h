#pragma once
// The rules of a battle: one function applies an action to the world and the
// state of play and says what happened. It is the only code that changes them
// during play; the game screen, the computer's headless games, the tests and
// the tools all go through it, so every rule (reach and moving, firing and
// damage, destruction, the turn hand-over, victory) lives here once.
#include <cstdint>
#include <functional>
#include <vector>

#include "combat/action.h"
#include "combat/outcome.h"
#include "data/world_model.h"

namespace sd {

// Applies a to the world and state: the team on turn is state.CurrentPlayer.
// A refused action changes nothing.
Outcome ApplyAction(WorldRecord& w, GameStateRecord& state, const Action& a);

// Whether a would be refused, and why; changes nothing. The screen asks it
// before a shot, since the plasma shot's angle is chosen only after the
// refusals have been tested.
Refusal CheckAction(const WorldRecord& w, const GameStateRecord& state, const Action& a);

// A battle: the world and state it is played on, and every action applied to
// it so far, in order (refused ones too: a replay shows their answer).
class Game {
public:
    Game(WorldRecord& w, GameStateRecord& state) : w_(&w), state_(&state) {}

    Outcome Apply(const Action& a);
    const std::vector<Action>& played() const { return played_; }

    const WorldRecord& world() const { return *w_; }
    const GameStateRecord& state() const { return *state_; }

    // Told of every action applied, with its outcome: the running game's
    // record is written from here, so no way of playing can bypass it.
    std::function<void(const Outcome&)> onApplied;

private:
    WorldRecord* w_;
    GameStateRecord* state_;
    std::vector<Action> played_;
};

// A battle without a screen that owns its world: the computer's duels, the
// tools and the tests play it. Starts as a new game does: blue on turn in
// turn 1, nothing selected.
class HeadlessGame {
public:
    explicit HeadlessGame(WorldRecord w);
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    Outcome Apply(const Action& a) { return game_.Apply(a); }
    const std::vector<Action>& played() const { return game_.played(); }
    const WorldRecord& world() const { return world_; }
    const GameStateRecord& state() const { return state_; }
    Game& rules() { return game_; }

private:
    WorldRecord world_;
    GameStateRecord state_;
    Game game_{world_, state_};
};

}  // namespace sd

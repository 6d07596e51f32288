#pragma once
// Everything a player can do in a battle, as one value: a person's clicks, the
// computer's decisions and a replay all become these, and the rules apply
// them one by one. The same list of actions on the same world always gives the
// same battle.
#include <cstdint>

#include "base/geometry.h"
#include "data/world_model.h"

namespace sd {

enum class ActionKind : int16_t {
    Select,        // unit becomes the selection; (-1, -1) drops it
    Move,          // unit goes to the empty cell target
    SwitchWeapon,  // unit takes weapon
    Fire,          // unit fires its weapon at the enemy in target; a plasma shot leaves at angle
    EndTurn,       // the other team's turn begins
};

inline constexpr CellPos kNoCell{-1, -1};

struct Action {
    ActionKind kind = ActionKind::EndTurn;
    CellPos unit = kNoCell;
    CellPos target = kNoCell;
    Weapon weapon = Weapon::Plasma;  // SwitchWeapon only
    int16_t angle = 0;               // Fire with the plasma shot: the dial's whole degrees

    friend bool operator==(const Action&, const Action&) = default;

    static Action SelectUnit(CellPos u) { return {ActionKind::Select, u, kNoCell, Weapon::Plasma, 0}; }
    static Action DropSelection() { return SelectUnit(kNoCell); }
    static Action MoveTo(CellPos u, CellPos to) { return {ActionKind::Move, u, to, Weapon::Plasma, 0}; }
    static Action Switch(CellPos u, Weapon w) { return {ActionKind::SwitchWeapon, u, kNoCell, w, 0}; }
    static Action FireAt(CellPos u, CellPos at, int16_t angle) { return {ActionKind::Fire, u, at, Weapon::Plasma, angle}; }
    static Action EndOfTurn() { return {}; }
};

}  // namespace sd

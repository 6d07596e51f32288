#include "combat/game_rules.h"

#include "base/rounding.h"
#include "combat/firing.h"
#include "combat/movement.h"
#include "combat/plasma_flight.h"
#include "combat/victory.h"
#include "data/board_geometry.h"

namespace sd {

namespace {

bool OwnUnit(const WorldRecord& w, const GameStateRecord& s, CellPos c) {
    return OnBoard(w, c.x, c.y) && w.CellMap(c.x, c.y) > 0 && w.ownerAt(c.x, c.y) == s.CurrentPlayer;
}

bool Enemy(const WorldRecord& w, const GameStateRecord& s, CellPos c) {
    const int16_t owner = w.ownerAt(c.x, c.y);
    return OnBoard(w, c.x, c.y) && owner > 0 && owner != s.CurrentPlayer;
}

Thing& UnitAt(WorldRecord& w, CellPos c) { return w.thing(w.CellMap(c.x, c.y)); }

void Select(GameStateRecord& s, const Action& a, Outcome& o) {
    o.previousSelection = {s.SelectedX, s.SelectedY};
    s.SelectedX = a.unit.x;
    s.SelectedY = a.unit.y;
}

void Move(WorldRecord& w, GameStateRecord& s, const Action& a, Outcome& o) {
    o.moveCost = MoveThing(w, a.unit.x, a.unit.y, a.target.x, a.target.y);
    o.energyAfter = UnitAt(w, a.target).Energie;
    // The selection goes with the unit.
    if (s.SelectedX == a.unit.x && s.SelectedY == a.unit.y) {
        s.SelectedX = a.target.x;
        s.SelectedY = a.target.y;
    }
}

// Which thing the shot is judged by, and its shield before the shot.
void NoteTarget(WorldRecord& w, Outcome& o) {
    o.damagedThing = w.CellMap(o.damaged.x, o.damaged.y);
    o.shieldBefore = UnitAt(w, o.damaged).Schild;
}

// The plasma shot flies from the centre of the unit's cell; only a hit costs
// a charge and does damage. The ball strikes the first enemy on its path, not
// necessarily the one clicked.
void FirePlasma(WorldRecord& w, const GameStateRecord& s, const Action& a, Outcome& o) {
    const PixelPoint launch = CellCentre(w, a.unit.x, a.unit.y);
    const FlightOutcome flight = RunFlight(w, s.CurrentPlayer, launch.x, launch.y, a.angle, &o.flight);
    o.flightEnd = flight.end;
    o.struck = {flight.cellX, flight.cellY};
    o.damaged = a.target;
    if (flight.end != FlightEnd::Hit) {
        NoteTarget(w, o);
        return;
    }
    o.hit = true;
    ChargePlasmaHit(w, a.unit.x, a.unit.y);
    o.plasmaAfter = UnitAt(w, a.unit).Plasma;
    o.damaged = o.struck;
    NoteTarget(w, o);
    o.damage = w.HitPoints1;
    Damage(w, o.damaged.x, o.damaged.y, o.damage);
}

void FireBeam(WorldRecord& w, const Action& a, Outcome& o) {
    ChargeBeam(w, a.unit.x, a.unit.y);
    o.energyAfter = UnitAt(w, a.unit).Energie;
    o.hit = true;
    o.damaged = a.target;
    NoteTarget(w, o);
    o.damage = w.HitPoints2;
    Damage(w, a.target.x, a.target.y, o.damage);
}

void Fire(WorldRecord& w, GameStateRecord& s, const Action& a, Outcome& o) {
    o.weapon = FiresPlasma(w, a.unit.x, a.unit.y) ? Weapon::Plasma : Weapon::Beam;
    if (o.weapon == Weapon::Plasma) {
        FirePlasma(w, s, a, o);
    } else {
        FireBeam(w, a, o);
    }
    o.shieldAfter = UnitAt(w, o.damaged).Schild;
    // After a plasma miss the clicked target is judged by its own shield, which
    // the miss did not touch; the record stays in the table either way, so
    // other cells of the same thing number keep it.
    if (IsDestroyed(w, o.damaged.x, o.damaged.y)) {
        o.destroyed = true;
        RemoveThing(w, o.damaged.x, o.damaged.y);
    }
    if (IsVictory(w, s.CurrentPlayer)) {
        s.Winner = s.CurrentPlayer;
        o.winner = s.Winner;
        o.turns = s.TurnCounter;
    }
}

// Both teams are refilled, not only the one whose turn begins.
void EndTurn(WorldRecord& w, GameStateRecord& s, Outcome& o) {
    s.CurrentPlayer = s.CurrentPlayer == 1 ? int16_t{2} : int16_t{1};
    s.TurnCounter = Sat16(long{s.TurnCounter} + 1);
    for (Thing& t : w.Things) {
        if (t.Besitzer > 0) t.Energie = 100;
    }
    s.SelectedX = -1;
    s.SelectedY = -1;
    o.player = s.CurrentPlayer;
    o.turn = s.TurnCounter;
}

}  // namespace

Refusal CheckAction(const WorldRecord& w, const GameStateRecord& s, const Action& a) {
    if (s.Winner != 0) return Refusal::GameOver;
    switch (a.kind) {
        case ActionKind::Select:
            return a.unit == kNoCell || OwnUnit(w, s, a.unit) ? Refusal::None : Refusal::NotOwnUnit;
        case ActionKind::Move:
            if (!OwnUnit(w, s, a.unit)) return Refusal::NotOwnUnit;
            if (CanMove(w, a.unit.x, a.unit.y, a.target.x, a.target.y)) return Refusal::None;
            return OnBoard(w, a.target.x, a.target.y) && w.CellMap(a.target.x, a.target.y) == 0 &&
                           (a.unit.x == a.target.x || a.unit.y == a.target.y)
                       ? Refusal::TooFar
                       : Refusal::CannotMove;
        case ActionKind::SwitchWeapon:
            return OwnUnit(w, s, a.unit) ? Refusal::None : Refusal::NotOwnUnit;
        case ActionKind::Fire:
            if (!OwnUnit(w, s, a.unit)) return Refusal::NotOwnUnit;
            if (!Enemy(w, s, a.target)) return Refusal::NotEnemy;
            return CheckShot(w, a.unit.x, a.unit.y, a.target.x, a.target.y);
        case ActionKind::EndTurn:
            return Refusal::None;
    }
    return Refusal::None;
}

Outcome ApplyAction(WorldRecord& w, GameStateRecord& s, const Action& a) {
    Outcome o;
    o.action = a;
    o.refusal = CheckAction(w, s, a);
    if (o.refused()) return o;
    switch (a.kind) {
        case ActionKind::Select: Select(s, a, o); break;
        case ActionKind::Move: Move(w, s, a, o); break;
        case ActionKind::SwitchWeapon: UnitAt(w, a.unit).Weapon = a.weapon; break;
        case ActionKind::Fire: Fire(w, s, a, o); break;
        case ActionKind::EndTurn: EndTurn(w, s, o); break;
    }
    return o;
}

Outcome Game::Apply(const Action& a) {
    played_.push_back(a);
    Outcome o = ApplyAction(*w_, *state_, a);
    if (onApplied) onApplied(o);
    return o;
}

HeadlessGame::HeadlessGame(WorldRecord w) : world_(std::move(w)) {
    state_.SelectedX = -1;
    state_.SelectedY = -1;
    state_.CurrentPlayer = 1;
    state_.TurnCounter = 1;
}

}  // namespace sd

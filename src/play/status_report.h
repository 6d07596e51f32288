#pragma once
// What the status line says: whose turn it is, what the last action did (from
// its outcome: the rules already say what happened), and, while the pointer
// rests on a unit with one of one's own selected, that unit's shield.
#include <string>

#include "base/geometry.h"
#include "combat/outcome.h"
#include "data/context.h"
#include "play/game_screen_impl.h"

namespace sd {

// "Zug 3 · Blau am Zug", with " (Computer)" when the computer plays that side.
std::string TurnLine(const Context& ctx);
// What an action did, for the line; empty where there is nothing to say.
std::string EventLine(const Outcome& o, const WorldRecord& w);
// "Ziel: Kreuzer (rot), Schild 40" for a unit in c; empty for anything else.
std::string TargetLine(const WorldRecord& w, CellPos c);

// The line as the game screen holds it, drawn on the info panel.
void ShowStatus(GameScreen& g);
// After an action: its event replaces the last one.
void ReportOutcome(GameScreen& g, const Outcome& o);
// While the pointer rests on a unit (or, empty, on anything else).
void ReportTarget(GameScreen& g, const std::string& target);

}  // namespace sd

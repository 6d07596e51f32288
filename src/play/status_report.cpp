#include "play/status_report.h"

#include <string>

#include "data/message_text.h"
#include "play/computer_turn.h"
#include "render/status_line.h"

namespace sd {

namespace {

constexpr const char* kDot = " \xC2\xB7 ";     // a middle dot between the parts
constexpr const char* kArrow = " \xE2\x86\x92 ";  // "60 → 40"

// "Kreuzer (rot)": the thing's name with its team.
std::string UnitName(const WorldRecord& w, int16_t n) {
    const Thing& t = w.thing(n);
    std::string name = TextAsUtf8(t.Text);
    if (t.Besitzer == 1) name += " (blau)";
    if (t.Besitzer == 2) name += " (rot)";
    return name;
}

std::string FireLine(const Outcome& o, const WorldRecord& w) {
    if (!o.hit) return "Fehlschuss";
    const std::string name = UnitName(w, o.damagedThing);
    if (o.destroyed) return name + " zerst\xC3\xB6rt";
    return "Treffer: " + name + ", Schild " + std::to_string(o.shieldBefore) + kArrow + std::to_string(o.shieldAfter);
}

std::string RefusalLine(Refusal r) {
    switch (r) {
        case Refusal::NoCharge: return "Kein Plasma mehr";
        case Refusal::NoEnergy:
        case Refusal::TooFar: return "Zu wenig Energie";
        case Refusal::OutOfRange: return "Strahl reicht nur 2 Felder";
        case Refusal::CannotMove: return "Nur in der eigenen Zeile oder Spalte auf ein freies Feld";
        default: return {};
    }
}

}  // namespace

std::string TurnLine(const Context& ctx) {
    const GameStateRecord& s = ctx.GameState;
    std::string line = "Zug " + std::to_string(s.TurnCounter) + kDot + (s.CurrentPlayer == 1 ? "Blau" : "Rot") + " am Zug";
    if (ctx.opponent != Opponent::Person && s.CurrentPlayer == kComputerPlayer) line += " (Computer)";
    return line;
}

std::string EventLine(const Outcome& o, const WorldRecord& w) {
    if (o.refused()) return RefusalLine(o.refusal);
    switch (o.action.kind) {
        case ActionKind::Fire: {
            std::string line = FireLine(o, w);
            if (o.winner != 0) line += std::string(kDot) + (o.winner == 1 ? "Blau" : "Rot") + " gewinnt";
            return line;
        }
        case ActionKind::EndTurn: return "Zug beendet";
        case ActionKind::Move:
            return UnitName(w, w.CellMap(o.action.target.x, o.action.target.y)) + " zieht, Energie " +
                   std::to_string(o.energyAfter);
        default: return {};
    }
}

std::string TargetLine(const WorldRecord& w, CellPos c) {
    const int16_t n = w.CellMap(c.x, c.y);
    const Thing& t = w.thing(n);
    if (n <= 0 || t.Besitzer <= 0) return {};
    return "Ziel: " + UnitName(w, n) + ", Schild " + std::to_string(t.Schild);
}

void ShowStatus(GameScreen& g) {
    StatusText s;
    s.turn = TurnLine(g.ctx);
    s.turnColor = TeamColor(g.ctx.GameState.CurrentPlayer);
    s.event = g.statusTarget.empty() ? g.statusEvent : g.statusTarget;
    DrawStatusLine(g.gfx, g.gfx.PicDisplay1->canvas(), s);
}

void ReportOutcome(GameScreen& g, const Outcome& o) {
    g.statusEvent = EventLine(o, g.ctx.World);
    g.statusTarget.clear();
    ShowStatus(g);
}

void ReportTarget(GameScreen& g, const std::string& target) {
    if (target == g.statusTarget) return;
    g.statusTarget = target;
    ShowStatus(g);
}

}  // namespace sd

#include "combat/computer_duel.h"

#include <algorithm>

namespace sd {

namespace {

void CountWhatIsLeft(const WorldRecord& w, DuelResult& r) {
    for (int16_t player = 1; player <= 2; ++player) {
        for (const CellPos& u : UnitsOf(w, player)) {
            ++r.unitsLeft[player];
            r.shieldLeft[player] += w.thing(w.CellMap(u.x, u.y)).Schild;
        }
    }
}

// A state of play on a bare world with player on turn and nothing selected.
GameStateRecord StateFor(int16_t player, int16_t turn = 1) {
    GameStateRecord s;
    s.SelectedX = -1;
    s.SelectedY = -1;
    s.CurrentPlayer = player;
    s.TurnCounter = turn;
    return s;
}

}  // namespace

bool PlayComputerTurn(Game& game, ComputerStrength strength, std::mt19937& rng) {
    const int16_t player = game.state().CurrentPlayer;
    ComputerTurnMemory memory;
    for (int i = 0; i < kMostActionsPerTurn; ++i) {
        const ComputerAction decision = DecideComputerAction(game.world(), player, strength, memory, rng);
        if (decision.kind == ComputerActionKind::EndTurn) return false;
        for (const Action& a : ActionsFor(decision, game.world(), game.state())) {
            const int16_t t = game.world().CellMap(a.unit.x, a.unit.y);
            const Outcome o = game.Apply(a);
            if (a.kind != ActionKind::Fire || o.refused()) continue;
            memory.ShotFired(t, o.hit, strength);
            if (o.winner != 0) return true;
        }
    }
    return false;
}

bool PlayComputerTurnHeadless(WorldRecord& w, int16_t player, ComputerStrength strength, std::mt19937& rng) {
    GameStateRecord s = StateFor(player);
    Game game(w, s);
    return PlayComputerTurn(game, strength, rng);
}

bool ApplyComputerAction(WorldRecord& w, int16_t player, const ComputerAction& a) {
    GameStateRecord s = StateFor(player);
    bool hit = false;
    for (const Action& action : ActionsFor(a, w, s)) {
        const Outcome o = ApplyAction(w, s, action);
        hit = hit || (action.kind == ActionKind::Fire && o.hit);
    }
    return hit;
}

void HandOverTurn(WorldRecord& w, int16_t& currentPlayer, int16_t& turnCounter) {
    GameStateRecord s = StateFor(currentPlayer, turnCounter);
    ApplyAction(w, s, Action::EndOfTurn());
    currentPlayer = s.CurrentPlayer;
    turnCounter = s.TurnCounter;
}

DuelResult PlayDuel(WorldRecord w, DuelSide blue, DuelSide red, std::mt19937& rng, int16_t maxTurns) {
    DuelResult r;
    HeadlessGame game(std::move(w));
    Game& rules = game.rules();
    while (game.state().TurnCounter <= maxTurns) {
        const DuelSide& side = game.state().CurrentPlayer == 1 ? blue : red;
        if (side && PlayComputerTurn(rules, *side, rng)) {
            r.winner = game.state().Winner;
            break;
        }
        // The turn counter saturates at its 16-bit bound: stop there.
        if (game.state().TurnCounter == INT16_MAX) break;
        rules.Apply(Action::EndOfTurn());
    }
    r.turns = std::min(game.state().TurnCounter, maxTurns);
    CountWhatIsLeft(game.world(), r);
    return r;
}

}  // namespace sd

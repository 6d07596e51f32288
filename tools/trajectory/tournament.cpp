#include "tournament.h"

#include <algorithm>
#include <ostream>

namespace sd::trajectory {

void Tally::Add(const DuelResult& r) {
    (r.winner == 1 ? blue : r.winner == 2 ? red : undecided) += 1;
    turns.push_back(r.turns);
}

void Tally::Add(const Tally& t) {
    blue += t.blue;
    red += t.red;
    undecided += t.undecided;
    turns.insert(turns.end(), t.turns.begin(), t.turns.end());
}

Tally PlayTournament(const WorldRecord& w, DuelSide blue, DuelSide red, int games, uint32_t seed, int16_t maxTurns) {
    Tally t;
    for (int g = 0; g < games; ++g) {
        std::mt19937 rng(seed + static_cast<uint32_t>(g));
        t.Add(PlayDuel(w, blue, red, rng, maxTurns));
    }
    return t;
}

void PrintTally(std::ostream& out, const std::string& label, const Tally& t) {
    std::vector<int16_t> sorted = t.turns;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](size_t i) { return sorted.empty() ? 0 : sorted[i]; };
    out << label << ": blue " << t.blue << ", red " << t.red << ", undecided " << t.undecided << "; turns min "
        << at(0) << ", median " << at(sorted.empty() ? 0 : (sorted.size() - 1) / 2) << ", max "
        << at(sorted.empty() ? 0 : sorted.size() - 1) << '\n';
}

bool ParseSide(const std::string& name, DuelSide& side) {
    if (name == "strong") {
        side = ComputerStrength::Strong;
    } else if (name == "light") {
        side = ComputerStrength::Light;
    } else if (name == "idle") {
        side = std::nullopt;
    } else {
        return false;
    }
    return true;
}

}  // namespace sd::trajectory

#pragma once
// Tournaments of the computer on a world: many headless games with different
// misjudgements of the light computer, counted per world in rows that scripts
// can read:
//   world 3: blue 27, red 21, undecided 2; turns min 5, median 11, max 43
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "combat/computer_duel.h"
#include "data/world_model.h"

namespace sd::trajectory {

struct Tally {
    int blue = 0, red = 0, undecided = 0;
    std::vector<int16_t> turns;  // every game's length, the undecided ones at the turn limit

    void Add(const DuelResult& r);
    void Add(const Tally& t);
};

// games games of blue against red on w; game g draws its misjudgements from
// the seed seed + g. A game still undecided at maxTurns counts as undecided.
Tally PlayTournament(const WorldRecord& w, DuelSide blue, DuelSide red, int games, uint32_t seed, int16_t maxTurns);

// "LABEL: blue B, red R, undecided U; turns min A, median M, max Z"; the
// median of an even count is the lower of the middle two.
void PrintTally(std::ostream& out, const std::string& label, const Tally& t);

// "strong", "light", "idle" (a player who only ends his turns); false for
// anything else.
bool ParseSide(const std::string& name, DuelSide& side);

}  // namespace sd::trajectory

#pragma once
// The trajectory tool's commands for records of games:
//
//   --verify [--worlds FILE] RECORD...
//       replays each record headless on the game's data files (worlds.dat
//       from --worlds if given) and checks that it ends as its result line
//       says; one line per record, status 0 when all pass, 1 otherwise
//   --record N OUT [--worlds FILE]
//       the light computer plays blue and the strong one red on world N;
//       the game is
//       written to OUT as a record; it opens with a refused shot and, where
//       the world has one, a plasma shot that loops, so that the recorded
//       games in tests/games cover them; the script scripts/record_games.sh
//       writes one per world again after the worlds change
#include <iosfwd>
#include <string>
#include <vector>

namespace sd::trajectory {

int RunVerify(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
              std::ostream& err);
int RunRecord(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
              std::ostream& err);

}  // namespace sd::trajectory

#pragma once
// sternenduell-trajectory: the flight of plasma shots on a world of
// worlds.dat, printed as text, for the people who build worlds.
//
//   --world N --from X Y --angle A --player P
//       one line "x y" per step, then how the shot ended:
//       "hit CX CY", "obstacle CX CY", "stalled", "off-board" or "loop"
//   --scan --world N --player P
//       "X Y A outcome" for every unit of player P and every angle 0..359
//   --duel N | --duel all  [--blue S] [--red S] [--games K] [--seed S]
//       a tournament on world N (or on each world of the file): K games
//       (default 1) of blue against red, each side strong (the default),
//       light or idle (only ends its turns); game g draws the light
//       computer's misjudgements from seed S + g (default 1). One row per
//       world, "world 3: blue 27, red 21, undecided 2; turns min 5, median
//       11, max 43", a game that reaches turn 200 undecided, then the same
//       row for all worlds together. With the defaults each world's row
//       follows the line of its one game: who won in which turn (or a draw
//       at the turn limit), and the units and shield each team has left
//   --bound N | --bound all
//       the most shield each side could take off the other in its first
//       turn, and what the other has: "world 3: first turn at most blue 180
//       of 300, red 160 of 300"
//   --worlds FILE   another worlds.dat than the game's own
//
// Bad arguments (a player other than 1 or 2 among them): a usage line and
// status 2. A file that cannot be read, a world the file does not have, a
// section header the game would read otherwise than it looks ("[World3]junk",
// "[World03]", no ']'), or a world the game would refuse: a message naming
// the file as given, and status 2.
#include <iosfwd>
#include <string>
#include <vector>

namespace sd::trajectory {

// args: the arguments after the program name; programDir: the data folder whose
// worlds.dat is read unless --worlds names another. Returns the exit status.
int RunTool(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
            std::ostream& err);

}  // namespace sd::trajectory

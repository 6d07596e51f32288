#pragma once
// Where the game's data files (worlds.dat, settings.dat, fx/) lie.
#include <string>

namespace sd {

// The data folder for a program in programDir (no trailing separator): the
// program's own folder when worlds.dat lies beside it, as in the build's
// output folder; otherwise programDir/../share/games/sternenduell, where an
// installed game keeps its data (executables in <prefix>/games, data in
// <prefix>/share/games/sternenduell, as Debian's games have it).
std::string DataFolder(const std::string& programDir);

}  // namespace sd

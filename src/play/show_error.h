#pragma once
// The game's error report: a modal box with the caption "Error" and the
// message (Windows-1252 text, like the data files). Standard error gets every
// message too, for players who start the game from a terminal.
#include <string>
#include <vector>

namespace sd {
struct Context;

void ShowError(Context& ctx, const std::string& message);
// Reports each problem in order. True when there was none.
bool ReportProblems(Context& ctx, const std::vector<std::string>& problems);

}  // namespace sd

#pragma once
#include <string>

namespace sd {
struct Context;

// The game's only error report: a modal box with the caption "Error" and the
// message; with fatal set it then closes the game screen. Returns in both cases.
void ShowError(Context& ctx, const std::string& message, bool fatal);

}  // namespace sd

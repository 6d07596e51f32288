#pragma once
// The status line on the info panel's bottom band: whose turn it is, in the
// team's colour, and what the last action did. The game's own line, in UTF-8
// (it writes an arrow the data files' code page lacks).
#include <string>

#include "platform/draw/color.h"
#include "platform/input/element.h"
#include "render/game_graphics.h"

namespace sd {

struct StatusText {
    std::string turn;        // "Zug 3 · Blau am Zug"
    platform::Color turnColor{};
    std::string event;       // "Treffer: Kreuzer (rot), Schild 60 → 40", or empty
};

// The team colours of the status line: 1 blue, any other team red.
platform::Color TeamColor(int16_t team);

// Wipes the strip and writes the line; what does not fit is cut with "…".
void DrawStatusLine(const GameGraphics& gfx, platform::Surface& panel, const StatusText& s);

}  // namespace sd

#pragma once
// The end of a battle: the victory test after every shot and the message of
// the victory panel.
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "data/world_model.h"

namespace sd {

// True when no cell of the cell map (its extra column and row included) holds
// a thing of another player: an owner above 0 that is not currentPlayer. So
// owners other than 1 and 2 count as enemies of both teams, while nobody's
// things (0, -1) and destroyed things (no longer in a cell) do not count.
bool IsVictory(const WorldRecord& w, int16_t currentPlayer);

// Length of the battle in whole minutes: both times are first cut down to
// their minute, then the absolute difference is taken (10:00:59 to 10:01:01 is
// one minute). Computed on the calendar fields as the clock showed them, so
// neither the time zone nor a daylight-saving rule of the machine changes it.
int32_t BattleMinutes(const std::tm& start, const std::tm& now);

// The four lines of the victory panel, top to bottom, for the winning team
// iPlayer (1 blue, any other value red). The text is Windows-1252 like all
// other text the game draws: the platform's text drawing converts it for the
// font, so the umlauts are the single bytes 0xFC ("ü").
std::array<std::string, 4> VictoryLines(int16_t iPlayer, int32_t minutes, int16_t turns);

}  // namespace sd

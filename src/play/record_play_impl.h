#pragma once
// The game screen's side of records (record_play.cpp).
#include <cstdint>
#include <string>

#include "play/game_screen_impl.h"

namespace sd {

// A new game's record: the header now, each action as it is applied.
void BeginRecord(GameScreen& g);
// The same for a network game: the header names the side this machine plays
// and takes the host's start time and seed, so both records are the same.
void BeginNetworkRecord(GameScreen& g, int16_t side, const std::string& started, uint32_t seed);
// The recorded actions applied to the new game without animations, the board
// and info panel drawn as they stood, and the record taken up again.
void ContinueRecord(GameScreen& g, const GameRecord& r);
// Plays the record's actions one after the other as the screen shows them.
void StartReplay(GameScreen& g, const GameRecord& r, const std::string& title);
// The game screen closes: a game left through the exit screen is finished in
// its record; a replay gives the window its title back.
void EndRecordOnClose(GameScreen& g);

}  // namespace sd

#pragma once
// The game screen's side of records (record_play.cpp).
#include "play/game_screen_impl.h"

namespace sd {

// A new game's record: the header now, each action as it is applied.
void BeginRecord(GameScreen& g);
// The recorded actions applied to the new game without animations, the board
// and info panel drawn as they stood, and the record taken up again.
void ContinueRecord(GameScreen& g, const GameRecord& r);
// Plays the record's actions one after the other as the screen shows them.
void StartReplay(GameScreen& g, const GameRecord& r, const std::string& title);
// The game screen closes: a game left through the exit screen is finished in
// its record; a replay gives the window its title back.
void EndRecordOnClose(GameScreen& g);

}  // namespace sd

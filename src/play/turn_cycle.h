#pragma once
// Game start and the alternation of the two players.
#include "platform/color.h"
#include "play/game_screen_impl.h"

namespace sd {
struct Context;

// Colour of the grid: colour table entry 0 while the grid is shown, else black.
platform::Color GridColor(const Context& ctx);

// Fills the world model for ctx.GameState.WorldNumber, lays out the screen,
// shows it and paints the board. Stops as soon as a file error has closed the screen.
void StartGame(GameScreen& g);
// Hands the turn to the other player, refills energy and writes the turn message.
void EndTurn(GameScreen& g);
// Clean background on the board, then every thing on it.
void RepaintBoard(GameScreen& g);
// Waits 0.2 s on the monotonic clock, handling screen events meanwhile.
void ShortPause(Context& ctx);

}  // namespace sd

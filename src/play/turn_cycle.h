#pragma once
// Game start and the board repainted.
#include "play/game_screen_impl.h"

namespace sd {

// Fills the world model for ctx.GameState.WorldNumber, lays out the screen,
// shows it and paints the board. A file problem is reported and the game
// screen closes again.
void StartGame(GameScreen& g);
// Clean background on the board, then every thing on it.
void RepaintBoard(GameScreen& g);

}  // namespace sd

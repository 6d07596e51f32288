#pragma once
// The three command buttons of the game screen (grid, end of turn, leave) and
// the weapon switch on the info panel.
#include "play/game_screen_impl.h"

namespace sd {

// Places the buttons beside the info panel, each in its normal look.
void Draw_Buttons(GameScreen& g);
// Every button back to its normal look.
void Reset_all_Buttons(GameScreen& g);
// The pointer moves over the normal look of button i.
void ButtonHover(GameScreen& g, int i);
// A click on the hover look of button i.
void ButtonPress(GameScreen& g, int i);
// Grid on or off; the frames of a selection are drawn again.
void ToggleGrid(GameScreen& g);
// Asks on the exit screen; closes the game screen when leaving was confirmed.
void LeaveGame(GameScreen& g);
// Release of a mouse button over the info panel (x, y fractional panel pixels).
void WeaponToggle(GameScreen& g, double x, double y);

}  // namespace sd

#pragma once
// The one door through which the game screen changes the battle. A person's
// clicks and the computer's decisions become actions and come here; the rules
// apply them, and the screen shows what they did: at once for selecting,
// moving, switching the weapon and ending the turn, as queued steps for a shot.
#include "combat/action.h"
#include "combat/outcome.h"
#include "play/game_screen_impl.h"
#include "render/board_drawing.h"

namespace sd {

Outcome Perform(GameScreen& g, const Action& a);

// Queues an action that comes decided (a replay's, the other machine's) to be
// played as the screen shows a click: the same rules, pictures and sounds, a
// shot's dial turning to the action's angle by itself.
void QueueDecidedAction(GameScreen& g, const Action& a);

// The frames of the board as the game screen shows them: the reach of the
// selection comes from the rules.
void DrawFrames(GameScreen& g, BoardView view);

}  // namespace sd

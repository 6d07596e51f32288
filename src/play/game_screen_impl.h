#pragma once
// The inside of the game screen: its platform screen, surfaces and strips, and
// the state that lives exactly as long as one game screen.
#include <cstdint>

#include "play/game_screen.h"
#include "render/game_graphics.h"
#include "render/info_panel.h"

namespace sd {

namespace platform {
class Platform;
class Screen;
}  // namespace platform

class FrmExit;
struct ComputerPlayback;

// What the game screen is doing. Only Idle takes the board, the command
// buttons and the weapon switch; the others each wait for their own click
// or run an animation.
enum class GamePhase {
    Idle,       // the player's turn: select, move, fire, buttons
    Aiming,     // the aiming dial waits for its click
    Flying,     // a shot is on its way
    Animating,  // hits, blinking, explosion
    Victory,    // the victory panel waits for its click
};

struct FrmMain::Impl {
    explicit Impl(Context& c);

    Context& ctx;
    platform::Platform& platform;
    platform::Screen* screen = nullptr;  // gone (do not touch) once closed
    GameGraphics gfx;
    InfoPanel info;

    GamePhase phase = GamePhase::Idle;
    // A shot or the victory panel is running: board, buttons and weapon switch ignore the mouse.
    bool Busy() const { return phase != GamePhase::Idle; }

    // The cell that carries the hover frame.
    int16_t LastHoverX = 0;
    int16_t LastHoverY = 0;

    bool closed = false;
    // The computer's turn while it is being played back (null otherwise).
    ComputerPlayback* computer = nullptr;
    // The exit screen while it is open (tests answer it from the idle hook).
    FrmExit* exitScreen = nullptr;

    // Closes the game screen (once); the title screen takes over.
    void CloseGameScreen();

    // The game's timed waits while this screen is open: false when the screen
    // closed (or the program is ending) meanwhile, and the caller must stop.
    bool Wait(uint32_t ms);
    bool WaitForPhaseEnd(GamePhase p);
};

// The routines of the game screen take it by this name.
using GameScreen = FrmMain::Impl;

}  // namespace sd

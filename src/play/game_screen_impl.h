#pragma once
// The inside of the game screen: its platform screen, surfaces and strips, and
// the flags that live exactly as long as one game screen.
#include <cstdint>

#include "play/game_screen.h"
#include "render/game_graphics.h"

namespace sd {

namespace platform {
class Platform;
class Screen;
}  // namespace platform

class FrmExit;

struct FrmMain::Impl {
    explicit Impl(Context& c);

    Context& ctx;
    platform::Platform& platform;
    platform::Screen* screen = nullptr;  // gone (do not touch) once closed
    GameGraphics gfx;

    // A shot or the victory panel is running: board, buttons and weapon switch ignore the mouse.
    bool Busy = false;
    bool AngleChosen = false;  // the aiming dial was clicked
    bool WinClicked = false;   // the victory panel was clicked
    // The cell that carries the hover frame.
    int16_t LastHoverX = 0;
    int16_t LastHoverY = 0;

    bool closed = false;
    // The exit screen while it is open (tests answer it from the idle hook).
    FrmExit* exitScreen = nullptr;

    // Shows the title screen and closes the game screen (once).
    void CloseGameScreen();
};

// The routines of the game screen take it by this name.
using GameScreen = FrmMain::Impl;

}  // namespace sd

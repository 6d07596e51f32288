#pragma once
// The inside of the game screen: its platform screen, surfaces and strips, the
// battle it shows, and the state that lives exactly as long as one game screen.
#include <cstdint>
#include <array>
#include <memory>
#include <string>
#include <vector>
#include <optional>

#include "combat/computer_player.h"
#include "combat/game_rules.h"
#include "play/game_screen.h"
#include "play/record_play.h"
#include "play/show_queue.h"
#include "render/game_graphics.h"
#include "render/info_panel.h"

namespace sd {

namespace platform {
class Platform;
class Screen;
class Element;
}  // namespace platform

class FrmExit;
class GameRecorder;
struct NetworkPlay;

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

    // The battle on ctx.World and ctx.GameState: every change of them during
    // play goes through it.
    Game game;
    // What is still to be shown of the actions played: the steps of a shot,
    // the computer's gestures. The command buttons' pressed look keeps its own
    // time, so "Verlassen" answers while a shot flies.
    ShowQueue show;
    ShowQueue buttons;

    GamePhase phase = GamePhase::Idle;
    // The one place the phase changes.
    void SetPhase(GamePhase p) { phase = p; }
    // A shot or the victory panel is running: board, buttons and weapon switch ignore the mouse.
    bool Busy() const { return phase != GamePhase::Idle; }

    // The cell that carries the hover frame.
    int16_t LastHoverX = 0;
    int16_t LastHoverY = 0;

    bool closed = false;
    // What the last action did, and what the status line says of it and of
    // the unit under the pointer.
    Outcome lastOutcome;
    std::string statusEvent;
    std::string statusTarget;

    // The trail of each team's last plasma shot (dots over the board),
    // indexed by team 1 and 2.
    std::array<std::vector<platform::Element*>, 3> trailDots;

    // The computer is playing its turn (its steps are in the show), with what
    // it keeps in mind during the turn and the angle of the shot it fires.
    bool computerPlaying = false;
    ComputerTurnMemory computerMemory;
    int computerDecisions = 0;
    // The angle a shot is fired at when it comes decided (the computer's, a
    // replayed one): the dial's pointer travels there instead of waiting for
    // the person's click. Taken by the aiming that uses it.
    std::optional<int16_t> presetAngle;
    // The running game's record (none with "-NORECORD", in a replay or a test).
    std::unique_ptr<GameRecorder> recorder;
    // The record being played back; the person's input is ignored meanwhile.
    std::unique_ptr<ReplayState> replay;
    // The connection to the other machine in a network game; null otherwise.
    std::unique_ptr<NetworkPlay> network;
    // Why the network game ended, for the title to show over itself.
    std::string endMessage;
    // The exit screen while it is open; the show holds still meanwhile.
    std::unique_ptr<FrmExit> exitScreen;

    // Closes the game screen (once); the title screen takes over.
    void CloseGameScreen();
    // Plays the steps of both queues that are due and asks the event loop to
    // come back when the next one is.
    void Advance();
    bool advancing = false;
    bool advanceAgain = false;
};

// The routines of the game screen take it by this name.
using GameScreen = FrmMain::Impl;

}  // namespace sd

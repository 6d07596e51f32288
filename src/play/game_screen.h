#pragma once
// The game screen FrmMain: board, info panel, command buttons, and (later) the
// aiming dial and the victory panel.
#include <memory>
#include <vector>

#include "combat/action.h"

namespace sd {
struct Context;

class FrmMain {
public:
    explicit FrmMain(Context& ctx);
    ~FrmMain();
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Creates the screen and runs StartGame for ctx.GameState.WorldNumber. When a
    // file error closes the screen during the start, IsClosed() is true afterwards.
    void Load();
    // True once the game screen has closed itself (game over, leaving, file error).
    // The owner then destroys it at a safe point (not inside one of its handlers).
    bool IsClosed() const;

    // Plays an action as the game screen shows it: the same rules and the same
    // pictures, sounds and pauses as a click, a shot's dial turning to the
    // action's angle by itself. Queued behind what is still being shown.
    void Play(const Action& a);
    // Every action applied to this game so far.
    const std::vector<Action>& Played() const;

    struct Impl;
    Impl& impl();  // for tests of the game screen

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd

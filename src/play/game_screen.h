#pragma once
// The game screen FrmMain: board, info panel, command buttons, and (later) the
// aiming dial and the victory panel.
#include <memory>

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

    struct Impl;
    Impl& impl();  // for tests of the game screen

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd

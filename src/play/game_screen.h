#pragma once
// The game screen FrmMain: board, info panel, command buttons, and (later) the
// aiming dial and the victory panel.
#include <memory>
#include <string>
#include <vector>

#include "combat/action.h"

namespace sd {
struct Context;
struct GameRecord;
namespace net {
class Link;
class Session;
}  // namespace net

class FrmMain {
public:
    explicit FrmMain(Context& ctx);
    ~FrmMain();
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Creates the screen and runs StartGame for ctx.GameState.WorldNumber. When a
    // file error closes the screen during the start, IsClosed() is true afterwards.
    void Load();
    // Instead of Load: the recorded game on its world and against its
    // opponent, rebuilt without animations to where it stopped, and recorded on.
    void Continue(const GameRecord& r);
    // Instead of Load: plays the record back with every picture and sound;
    // Space pauses, Right steps, + and - change the pace, Escape leaves. The
    // window's title says so. Nothing is recorded.
    void Replay(const GameRecord& r, const std::string& windowTitle);
    // Instead of Load: a game against another machine on ctx.GameState.WorldNumber
    // over link, whose session has passed the handshake. The local player is
    // the session's side; the other side's actions arrive by themselves.
    void PlayNetwork(std::unique_ptr<net::Link> link, std::unique_ptr<net::Session> session);
    // True once the game screen has closed itself (game over, leaving, file error).
    // The owner then destroys it at a safe point (not inside one of its handlers).
    bool IsClosed() const;
    // Why a network game ended on its own (the connection was lost or
    // refused); the title shows it once it is back. Empty otherwise.
    std::string TakeEndMessage();

    // Plays an action as the game screen shows it: the same rules and the same
    // pictures, sounds and pauses as a click, a shot's dial turning to the
    // action's angle by itself. Queued behind what is still being shown.
    void Play(const Action& a);
    // Every action applied to this game so far.
    const std::vector<Action>& Played() const;

    struct Impl;
    Impl& impl();  // for tests of the game screen

private:
    void Open();
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd

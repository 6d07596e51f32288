#pragma once
// Starting a network game from the title screen: the host listens and waits
// for an opponent, the joiner connects; both exchange their hellos. Polled
// from the title screen's deadline, so the title repaints and stays idle
// meanwhile. Once the handshake has passed, the link and the session go to
// the game screen.
#include <cstdint>
#include <memory>
#include <string>

#include "play/net_link.h"
#include "combat/net_session.h"

namespace sd {
struct Context;

class NetworkStart {
public:
    // Listens on port for an opponent; the world is ctx.GameState.WorldNumber.
    // False with the player's words in problem.
    bool Host(const Context& ctx, uint16_t port, std::string& problem);
    // Connects to "host" or "host:port".
    bool Join(const Context& ctx, const std::string& address, std::string& problem);

    enum class Step { Waiting, Ready, Failed };
    // Handles what has arrived. Ready: the handshake passed, and the joiner's
    // ctx.GameState.WorldNumber is the host's world. Failed: problem says why.
    Step Poll(Context& ctx, std::string& problem);
    // What the waiting title shows.
    const std::string& caption() const { return caption_; }
    bool hosting() const { return side_ == net::kHostSide; }
    // The player gives up: the other machine, if it has answered, is told.
    void Leave();
    // After a refusal: gives ENet the time to deliver the last words (the
    // hello, the bye) before the link goes; true once the peer is gone.
    bool Drain();

    std::unique_ptr<net::Link> TakeLink() { return std::move(link_); }
    std::unique_ptr<net::Session> TakeSession() { return std::move(session_); }

private:
    net::Hello hello_;
    int16_t side_ = net::kHostSide;
    std::unique_ptr<net::Link> link_;
    std::unique_ptr<net::Session> session_;
    std::string caption_;
    std::string target_;  // where the joiner connects to
    bool ready_ = false;
};

// This program's hello: its data files' checksums and (for the host) the world.
net::Hello OwnHello(const Context& ctx, int16_t world);

}  // namespace sd

#pragma once
// A network opponent on the game screen. The other machine's actions arrive
// through the session, which has judged them already, and are played as
// FrmMain::Play plays any action: with every animation, a shot's dial
// travelling to the sent angle. The local player's actions leave the moment
// the rules apply them. The connection is polled from the screen's deadline
// a few milliseconds apart, so nothing ever waits for the network.
#include <cstdint>
#include <memory>
#include <string>

#include "play/net_link.h"
#include "combat/net_session.h"
#include "play/game_screen_impl.h"

namespace sd {

struct NetworkPlay {
    std::unique_ptr<net::Link> link;
    std::unique_ptr<net::Session> session;
};

// How often the connection is looked at while a network game runs: well
// within a frame, and still next to nothing for the processor.
inline constexpr double kNetworkPollSeconds = 0.010;

// True while the turn belongs to the other machine: the local player may
// watch, hover and leave, nothing more.
bool RemotesTurn(const GameScreen& g);

// Takes over the connection of a network game whose handshake has passed and
// whose world is loaded: from now on every action applied goes out.
void StartNetworkPlay(GameScreen& g, std::unique_ptr<net::Link> link, std::unique_ptr<net::Session> session);

// Handles what has arrived: the other side's actions are queued on the show,
// an ended connection closes the game screen with its message. Sends what
// the session has to send.
void PollNetwork(GameScreen& g);

// The game screen closes: the other side is told the player left.
void EndNetworkPlay(GameScreen& g);

}  // namespace sd

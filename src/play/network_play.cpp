#include "play/network_play.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "data/context.h"
#include "play/perform.h"

namespace sd {

namespace {

// With SD_NET_TRACE set, each action's leaving and its showing on the other
// screen go to standard error with the monotonic clock in microseconds, which
// both processes of one machine share: the latency of the lockstep.
void Trace(const char* what, size_t index) {
    static const bool on = std::getenv("SD_NET_TRACE") != nullptr;
    if (!on) return;
    const auto t = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "SD_NET_TRACE %s %zu %lld\n", what, index,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(t).count()));
}

void Flush(NetworkPlay& n) {
    for (const auto& bytes : n.session->TakeOutbox()) n.link->Send(bytes);
    if (n.session->ended()) n.link->Close();
}

// Every action the screen applies: the other side's come back here as the
// show reaches them and are already known; the local player's go out.
void Applied(GameScreen& g, const Outcome& o) {
    NetworkPlay& n = *g.network;
    const size_t index = g.game.played().size() - 1;
    if (n.session->AlreadyKnown(index)) {
        Trace("shown", index);
        return;
    }
    n.session->Local(o.action);
    Flush(n);
    Trace("sent", index);
}

void PlayRemote(GameScreen& g, const Action& a) {
    QueueDecidedAction(g, a);
    // The other side's winning shot: once its victory panel has been clicked
    // the game is over here too and the title comes back, as after the
    // player's own winning shot. (Without this the panel stayed until a
    // click on the board.)
    g.show.Then([&g] {
        if (g.ctx.GameState.GameOver) g.CloseGameScreen();
    });
}

void Ended(GameScreen& g, const std::string& text) {
    // Once the battle is won, the other side closing its screen is no news.
    const HeadlessGame* shadow = g.network->session->shadow();
    if (shadow != nullptr && shadow->state().Winner != 0) return;
    // The title comes back first (when the main loop collects the closed
    // screen), and then shows the message over itself.
    g.endMessage = text;
    g.CloseGameScreen();
}

}  // namespace

bool RemotesTurn(const GameScreen& g) {
    if (!g.network) return false;
    const GameStateRecord& s = g.ctx.GameState;
    return s.CurrentPlayer == g.network->session->remoteSide() && s.Winner == 0 && !s.GameOver;
}

void StartNetworkPlay(GameScreen& g, std::unique_ptr<net::Link> link, std::unique_ptr<net::Session> session) {
    g.network = std::make_unique<NetworkPlay>();
    g.network->link = std::move(link);
    g.network->session = std::move(session);
    // Its own copy of the battle starts where the screen's does.
    g.network->session->Begin(g.ctx.World);
    // The record's hook stays first: an action is on disk before it travels.
    auto before = std::move(g.game.onApplied);
    g.game.onApplied = [&g, before](const Outcome& o) {
        if (before) before(o);
        Applied(g, o);
    };
    g.Advance();
}

void PollNetwork(GameScreen& g) {
    if (!g.network || g.closed) return;
    NetworkPlay& n = *g.network;
    std::string endText;
    for (net::LinkEvent& e : n.link->Poll()) {
        net::SessionEvent s;
        if (e.kind == net::LinkEvent::Kind::Received) s = n.session->Receive(e.data);
        if (e.kind == net::LinkEvent::Kind::Closed) s = n.session->Lost();
        if (s.kind == net::SessionEvent::Kind::RemoteAction) PlayRemote(g, s.action);
        if (s.kind == net::SessionEvent::Kind::Ended) endText = s.text;
    }
    Flush(n);
    if (!endText.empty()) Ended(g, endText);
}

void EndNetworkPlay(GameScreen& g) {
    if (!g.network) return;
    g.network->session->Leave();
    Flush(*g.network);
    // A last look lets ENet put the bye on the wire before the link goes.
    g.network->link->Poll();
}

}  // namespace sd

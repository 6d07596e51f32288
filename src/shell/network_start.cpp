#include "shell/network_start.h"

#include <cstdlib>

#include "combat/game_record.h"
#include "data/context.h"
#include "data/data_file_read.h"
#include "platform/process/clock.h"
#include "play/game_recorder.h"

namespace sd {

net::Hello OwnHello(const Context& ctx, int16_t world) {
    net::Hello h;
    h.worldsSum = Checksum(ReadDataFile(ctx.path("worlds.dat")).text);
    h.settingsSum = Checksum(ReadDataFile(ctx.path("settings.dat")).text);
    h.world = world;
    // For the end-to-end test of a refused version only: SD_NET_PROTOCOL
    // makes this build claim another protocol in its hello. Read here and
    // nowhere else; nothing else of the game changes.
    if (const char* fake = std::getenv("SD_NET_PROTOCOL"); fake != nullptr && fake[0] != '\0') {
        h.protocol = static_cast<uint16_t>(std::strtoul(fake, nullptr, 10));
    }
    return h;
}

bool NetworkStart::Host(const Context& ctx, uint16_t port, std::string& problem) {
    side_ = net::kHostSide;
    hello_ = OwnHello(ctx, ctx.GameState.WorldNumber);
    link_ = net::Link::Listen(port, problem);
    if (!link_) return false;
    caption_ = "Warte auf Gegner ...  ";
    const auto addresses = net::LocalAddresses();
    for (size_t i = 0; i < addresses.size(); ++i) {
        caption_ += (i > 0 ? ", " : "") + addresses[i] + ":" + std::to_string(port);
    }
    return true;
}

bool NetworkStart::Join(const Context& ctx, const std::string& address, std::string& problem) {
    side_ = net::kJoinerSide;
    hello_ = OwnHello(ctx, -1);
    std::string host;
    uint16_t port = 0;
    if (!net::ParseHostPort(address, host, port)) {
        problem = "Adresse ungueltig: " + address;
        return false;
    }
    link_ = net::Link::Connect(host, port, problem);
    if (!link_) return false;
    target_ = host + ":" + std::to_string(port);
    caption_ = "Verbinde mit " + target_ + " ...";
    return true;
}

void NetworkStart::Leave() {
    if (!link_) return;
    if (session_) {
        session_->Leave();
        for (const auto& bytes : session_->TakeOutbox()) link_->Send(bytes);
    }
    link_->Close();
    // A last look lets ENet put the bye on the wire before the link goes.
    link_->Poll();
}

bool NetworkStart::Drain() {
    if (!link_) return true;
    for (const net::LinkEvent& e : link_->Poll()) {
        if (e.kind == net::LinkEvent::Kind::Closed) return true;
    }
    return false;
}

NetworkStart::Step NetworkStart::Poll(Context& ctx, std::string& problem) {
    if (!link_) return Step::Failed;
    if (ready_) return Step::Ready;
    for (net::LinkEvent& e : link_->Poll()) {
        net::SessionEvent s;
        if (e.kind == net::LinkEvent::Kind::Connected) {
            // The game starts now: the host's start time and seed go into
            // both machines' records.
            if (side_ == net::kHostSide) {
                hello_.seed = ctx.computerSeed;
                hello_.started = StartedText(ctx.clock != nullptr ? ctx.clock->localNow() : std::tm{});
            }
            session_ = std::make_unique<net::Session>(side_, hello_);
        }
        if (e.kind == net::LinkEvent::Kind::Received && session_) s = session_->Receive(e.data);
        if (e.kind == net::LinkEvent::Kind::Closed) {
            s.kind = net::SessionEvent::Kind::Ended;
            // Ended already (a refused hello): its own words; never connected: say where to.
            s.text = session_ ? (session_->ended() ? session_->endText() : session_->Lost().text)
                              : "Keine Verbindung zu " + target_;
        }
        if (s.kind == net::SessionEvent::Kind::Ready) {
            ready_ = true;
            ctx.GameState.WorldNumber = s.world;
        }
        if (s.kind == net::SessionEvent::Kind::Ended) problem = s.text;
    }
    if (session_) {
        for (const auto& bytes : session_->TakeOutbox()) link_->Send(bytes);
        if (session_->ended()) {
            problem = session_->endText();
            link_->Close();
            link_->Poll();
        }
    }
    if (!problem.empty()) return Step::Failed;
    return ready_ ? Step::Ready : Step::Waiting;
}

}  // namespace sd

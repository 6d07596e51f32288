// libFuzzer target for the network's messages: the decoder alone, and a host
// in the middle of a game fed a stream of packets from a hostile joiner.
// Besides crashes and hangs it checks that a decoded message (but another
// build's hello) encodes back to the same bytes, and that whatever arrives, the host's game only ever moves
// by actions the rules allow and stops taking packets once it has ended.
#include <cstdint>
#include <span>
#include <vector>

#include "combat/combat_world.h"
#include "fuzz/fuzz_support.h"
#include "combat/net_session.h"
#include "combat/game_rules.h"
#include "combat/state_sum.h"

namespace {

using fuzz::Require;

sd::WorldRecord World() {
    CombatWorld c;
    c.place(1, 1, 1);
    c.place(1, 5, 1);
    c.place(3, 1, 2);
    c.place(10, 5, 2);
    c.place(6, 3, 0, 30.0);
    return c.w;
}

sd::net::Hello HelloFor(int16_t world) {
    sd::net::Hello h;
    h.worldsSum = 1;
    h.settingsSum = 2;
    h.world = world;
    return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sd::net;
    const std::span<const uint8_t> all(data, size);
    Message m;
    if (Decode(all, m)) {
        const bool foreignHello =
            m.type == MsgType::Hello && (m.hello.program != kProgramName || m.hello.protocol != kProtocolVersion);
        if (!foreignHello) Require(Encode(m) == std::vector<uint8_t>(all.begin(), all.end()));
    }

    // Flags, then packets: a length byte, then that many bytes. The joiner's
    // hello comes first, so the stream reaches the game. Flag 1: blue hands
    // the turn over first. Flag 2: an action gets the state sum and the
    // refused mark the rules would give it, so that the stream goes deep
    // into a game instead of ending at the first wrong sum.
    static const sd::WorldRecord world = World();
    Session host(kHostSide, HelloFor(0));
    host.Begin(world);
    host.Receive(Encode(HelloMessage(HelloFor(-1))));
    if (!all.empty() && (all[0] & 1) != 0) host.Local(sd::Action::EndOfTurn());
    size_t at = all.empty() ? 0 : 1;
    while (at < size) {
        const size_t n = std::min<size_t>(all[at], size - at - 1);
        const bool wasEnded = host.ended();
        const size_t played = host.shadow()->played().size();
        std::vector<uint8_t> packet(all.begin() + at + 1, all.begin() + at + 1 + n);
        if ((all[0] & 2) != 0 && Decode(packet, m) && m.type == MsgType::Action) {
            sd::WorldRecord w = host.shadow()->world();
            sd::GameStateRecord s = host.shadow()->state();
            m.refused = sd::ApplyAction(w, s, m.action).refused();
            m.stateSum = StateSum(w, s);
            packet = Encode(m);
        }
        const SessionEvent e = host.Receive(packet);
        at += 1 + n;
        if (wasEnded) Require(e.kind == SessionEvent::Kind::None);
        if (e.kind == SessionEvent::Kind::RemoteAction) {
            Require(host.shadow()->played().size() == played + 1);
        } else if (e.kind != SessionEvent::Kind::Ended) {
            Require(host.shadow()->played().size() == played);
        }
        for (const auto& out : host.TakeOutbox()) Require(Decode(out, m));
    }
    return 0;
}

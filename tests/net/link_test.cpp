// ENet over loopback: two real peers, the handshake and the lockstep, a peer
// that falls silent, and a hostile client that sends what no game sends.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "play/net_link.h"
#include "net/session_fixture.h"

using namespace sd;
using namespace sd::net;
using Kind = SessionEvent::Kind;

namespace {

// Each test its own port, so that they may run side by side.
constexpr uint16_t kPortBase = 47950;

// One side: the link and its session, pumped as the game's deadline does.
struct Side {
    std::unique_ptr<Link> link;
    std::unique_ptr<Session> session;
    int16_t side;
    Hello hello;
    std::vector<SessionEvent> saw;

    void Pump() {
        for (LinkEvent& e : link->Poll()) {
            if (e.kind == LinkEvent::Kind::Connected) {
                session = std::make_unique<Session>(side, hello);
                if (side == kHostSide) session->Begin(SessionPair::World());
            } else if (e.kind == LinkEvent::Kind::Received && session) {
                const SessionEvent s = session->Receive(e.data);
                if (s.kind == Kind::Ready && side == kJoinerSide) session->Begin(SessionPair::World());
                SessionPair::Keep(saw, s);
            } else if (e.kind == LinkEvent::Kind::Closed && session) {
                saw.push_back(session->Lost());
            }
        }
        if (session) {
            for (const auto& bytes : session->TakeOutbox()) link->Send(bytes);
            if (session->ended()) link->Close();
        }
    }
    bool Ended(const std::string& text) const {
        for (const auto& e : saw) {
            if (e.kind == Kind::Ended && e.text == text) return true;
        }
        return false;
    }
};

template <typename F>
bool Within(int ms, F done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

Side Host(uint16_t port, uint32_t silenceMs = kSilenceMs) {
    std::string problem;
    Side s{Link::Listen(port, problem, silenceMs), nullptr, kHostSide, SessionPair::Hello(0), {}};
    EXPECT_NE(s.link, nullptr) << problem;
    return s;
}

Side Joiner(uint16_t port, uint32_t silenceMs = kSilenceMs) {
    std::string problem;
    Side s{Link::Connect("127.0.0.1", port, problem, silenceMs), nullptr, kJoinerSide, SessionPair::Hello(-1), {}};
    EXPECT_NE(s.link, nullptr) << problem;
    return s;
}

}  // namespace

TEST(Link, ActionsTravelBothWaysOverLoopback) {
    Side host = Host(kPortBase);
    Side joiner = Joiner(kPortBase);
    ASSERT_TRUE(host.link && joiner.link);
    const auto pumpBoth = [&] {
        host.Pump();
        joiner.Pump();
    };
    ASSERT_TRUE(Within(3000, [&] {
        pumpBoth();
        return host.session && host.session->playing() && joiner.session && joiner.session->playing();
    }));
    // A second host on the same port is refused with a message.
    std::string problem;
    EXPECT_EQ(Link::Listen(kPortBase, problem), nullptr);
    EXPECT_EQ(problem, "Port 47950 ist belegt");

    host.session->Local(Action::SelectUnit({1, 1}));
    host.session->Local(Action::EndOfTurn());
    ASSERT_TRUE(Within(3000, [&] {
        pumpBoth();
        return joiner.saw.size() == 3;
    }));
    EXPECT_EQ(joiner.saw[2].action, Action::EndOfTurn());
    joiner.session->Local(Action::SelectUnit({3, 1}));
    ASSERT_TRUE(Within(3000, [&] {
        pumpBoth();
        return host.saw.size() == 2;
    }));
    EXPECT_EQ(host.saw[1].action, Action::SelectUnit({3, 1}));

    // The joiner leaves: the host is told.
    joiner.session->Leave();
    ASSERT_TRUE(Within(3000, [&] {
        pumpBoth();
        return host.Ended("Der Gegner hat das Spiel verlassen");
    }));
}

TEST(Link, APeerThatFallsSilentIsLost) {
    // A short silence stands in for the game's ten seconds.
    Side host = Host(kPortBase + 1, 1000);
    Side joiner = Joiner(kPortBase + 1, 1000);
    ASSERT_TRUE(Within(3000, [&] {
        host.Pump();
        joiner.Pump();
        return host.session && host.session->playing();
    }));
    // The joiner stops answering (its process frozen, its cable pulled).
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Within(5000, [&] {
        host.Pump();
        return host.Ended("Verbindung verloren");
    }));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
}

TEST(Link, AHostileClientIsDisconnectedAndTheHostCarriesOn) {
    Side host = Host(kPortBase + 2);
    std::string problem;
    // A raw client: connects over ENet but speaks no hello.
    auto rogue = Link::Connect("127.0.0.1", kPortBase + 2, problem);
    ASSERT_TRUE(Within(3000, [&] {
        host.Pump();
        rogue->Poll();
        return rogue->connected() && host.session;
    }));
    rogue->Send(std::vector<uint8_t>(200, 0xff));  // garbage, and larger than any message
    bool rogueClosed = false;
    ASSERT_TRUE(Within(3000, [&] {
        host.Pump();
        for (const LinkEvent& e : rogue->Poll()) rogueClosed |= e.kind == LinkEvent::Kind::Closed;
        return rogueClosed;
    }));
    EXPECT_TRUE(host.Ended("Fehlerhafte Nachricht - Verbindung getrennt"));
    EXPECT_FALSE(host.session->playing());
}

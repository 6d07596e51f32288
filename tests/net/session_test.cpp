// The lockstep without a network: the handshake, actions applied on both
// sides through the same rules, and every way a side can go wrong.
#include <gtest/gtest.h>

#include "net/session_fixture.h"
#include "combat/state_sum.h"

using namespace sd;
using namespace sd::net;
using Kind = SessionEvent::Kind;

TEST(Session, HandshakeNamesTheHostsWorldAndTheLockstepKeepsBothGamesEqual) {
    Hello blue = SessionPair::Hello(4);
    blue.seed = 77;
    blue.started = "2026-12-07 21:30:05";
    SessionPair p(blue);
    p.Pump();
    ASSERT_EQ(p.joinerSaw.size(), 1u);
    EXPECT_EQ(p.joinerSaw[0].kind, Kind::Ready);
    EXPECT_EQ(p.joinerSaw[0].world, 4);
    // Both records take the host's seed and start time.
    EXPECT_EQ(p.joiner.hostHello().seed, 77u);
    EXPECT_EQ(p.joiner.hostHello().started, blue.started);
    EXPECT_EQ(p.host.hostHello().started, blue.started);
    EXPECT_EQ(p.hostSaw[0].kind, Kind::Ready);
    p.host.Begin(SessionPair::World());
    p.joiner.Begin(SessionPair::World());

    // Blue's beam at red, a move refused as too far (it travels too), the
    // hand-over; then red answers.
    for (const Action& a : {Action::SelectUnit({1, 1}), Action::Switch({1, 1}, Weapon::Beam),
                            Action::FireAt({1, 1}, {3, 1}, 0), Action::MoveTo({1, 5}, {1, 0}), Action::EndOfTurn()}) {
        p.host.Local(a);
    }
    p.Pump();
    p.joiner.Local(Action::SelectUnit({3, 1}));
    p.joiner.Local(Action::EndOfTurn());
    p.Pump();
    EXPECT_FALSE(p.host.ended()) << p.host.endText();
    EXPECT_FALSE(p.joiner.ended()) << p.joiner.endText();
    ASSERT_EQ(p.joinerSaw.size(), 6u);
    EXPECT_EQ(p.joinerSaw[3].action, Action::FireAt({1, 1}, {3, 1}, 0));
    EXPECT_TRUE(p.joinerSaw[4].refused);
    EXPECT_TRUE(p.joiner.AlreadyKnown(4));
    EXPECT_FALSE(p.joiner.AlreadyKnown(7));
    const HeadlessGame& a = *p.host.shadow();
    const HeadlessGame& b = *p.joiner.shadow();
    EXPECT_EQ(a.played(), b.played());
    EXPECT_EQ(a.state().TurnCounter, 3);
    EXPECT_LT(a.world().thing(a.world().CellMap(3, 1)).Schild, 40);
    EXPECT_EQ(StateSum(a.world(), a.state()), StateSum(b.world(), b.state()));
}

TEST(Session, DifferentVersionOrDataFilesAreRefusedOnBothSides) {
    Hello old = SessionPair::Hello(-1);
    old.protocol = 0;
    SessionPair v(SessionPair::Hello(0), old);
    v.Pump();
    EXPECT_EQ(v.host.endText(), "Verbindung abgelehnt: andere Version");
    EXPECT_EQ(v.joiner.endText(), "Verbindung abgelehnt: andere Version");

    Hello other = SessionPair::Hello(-1);
    other.worldsSum = 1;
    SessionPair w(SessionPair::Hello(0), other);
    w.Pump();
    EXPECT_EQ(w.host.endText(), "Verbindung abgelehnt: andere worlds.dat");
    EXPECT_EQ(w.joiner.endText(), "Verbindung abgelehnt: andere worlds.dat");
    EXPECT_FALSE(w.host.playing());
}

TEST(Session, DifferentGamesEndWithSpielstandWeichtAb) {
    SessionPair p;
    p.Pump();
    p.host.Begin(SessionPair::World());
    WorldRecord changed = SessionPair::World();
    changed.HitPoints2 = 30;  // a beam that strikes harder: the state's sum cannot see it until it fires
    p.joiner.Begin(changed);
    p.host.Local(Action::SelectUnit({1, 1}));
    p.host.Local(Action::Switch({1, 1}, Weapon::Beam));
    p.Pump();
    EXPECT_FALSE(p.joiner.ended());
    p.host.Local(Action::FireAt({1, 1}, {3, 1}, 0));
    p.Pump();
    EXPECT_EQ(p.joiner.endText(), "Spielstand weicht ab");
    EXPECT_EQ(p.host.endText(), "Spielstand weicht ab");
}

// What a hostile joiner may send, each on a fresh game: the host ends the
// connection with a message, and its game stays where it was.
TEST(Session, HostileMessagesEndTheConnectionAndLeaveTheGameAlone) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* text;
    };
    const auto action = [](const Action& a, bool refused = false) { return Encode(ActionMessage(0, a, refused, 0)); };
    const std::vector<Case> cases = {
        {"unknown type", {42, 0, 0}, "Fehlerhafte Nachricht - Verbindung getrennt"},
        {"oversized", std::vector<uint8_t>(4096, 2), "Fehlerhafte Nachricht - Verbindung getrennt"},
        {"second hello", Encode(HelloMessage(SessionPair::Hello(-1))), "Fehlerhafte Nachricht - Verbindung getrennt"},
        {"out of turn", action(Action::EndOfTurn()), "Zug ausser der Reihe - Verbindung getrennt"},
        {"ack of nothing", Encode(StateMessage(5, 0)), "Fehlerhafte Nachricht - Verbindung getrennt"},
    };
    for (const Case& c : cases) {
        SessionPair p;
        p.Start();
        const uint32_t before = StateSum(p.host.shadow()->world(), p.host.shadow()->state());
        const SessionEvent e = p.host.Receive(c.bytes);
        EXPECT_EQ(e.kind, Kind::Ended) << c.what;
        EXPECT_EQ(e.text, c.text) << c.what;
        EXPECT_EQ(StateSum(p.host.shadow()->world(), p.host.shadow()->state()), before) << c.what;
        // The joiner is told why.
        p.Pump();
        EXPECT_EQ(p.joiner.endText(), c.text) << c.what;
    }

    // On red's turn: a shot from blue's unit, claimed as allowed.
    SessionPair p;
    p.Start();
    p.host.Local(Action::EndOfTurn());
    p.Pump();
    Session& host = p.host;
    const SessionEvent e = host.Receive(Encode(ActionMessage(1, Action::FireAt({1, 1}, {3, 1}, 0), false, 0)));
    EXPECT_EQ(e.text, "Unerlaubter Zug - Verbindung getrennt");
    // Nothing more is taken once the connection is over.
    EXPECT_EQ(host.Receive(action(Action::EndOfTurn())).kind, Kind::None);
}

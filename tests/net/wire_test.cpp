// The wire format: every message comes back as it went, and the decoder
// refuses everything else, whatever the bytes.
#include <gtest/gtest.h>

#include "combat/net_wire.h"

using namespace sd;
using namespace sd::net;

TEST(Wire, EveryMessageComesBackAsItWent) {
    Hello h;
    h.worldsSum = 0xdeadbeef;
    h.settingsSum = 7;
    h.world = 9;
    h.seed = 4000000000u;
    h.started = "2026-12-07 21:30:05";
    Message m;
    ASSERT_TRUE(Decode(Encode(HelloMessage(h)), m));
    EXPECT_EQ(m.type, MsgType::Hello);
    EXPECT_EQ(m.hello.program, "Sternenduell");
    EXPECT_EQ(m.hello.worldsSum, 0xdeadbeefu);
    EXPECT_EQ(m.hello.world, 9);
    EXPECT_EQ(m.hello.seed, 4000000000u);
    EXPECT_EQ(m.hello.started, "2026-12-07 21:30:05");

    const Action fire = Action::FireAt({3, 4}, {11, 6}, 359);
    ASSERT_TRUE(Decode(Encode(ActionMessage(70000, fire, true, 0x80000001u)), m));
    EXPECT_EQ(m.type, MsgType::Action);
    EXPECT_EQ(m.index, 70000u);
    EXPECT_EQ(m.action, fire);
    EXPECT_TRUE(m.refused);
    EXPECT_EQ(m.stateSum, 0x80000001u);
    ASSERT_TRUE(Decode(Encode(ActionMessage(1, Action::DropSelection(), false, 0)), m));
    EXPECT_EQ(m.action, Action::DropSelection());

    ASSERT_TRUE(Decode(Encode(ByeMessage(ByeReason::Desync)), m));
    EXPECT_EQ(m.reason, ByeReason::Desync);
}

TEST(Wire, RefusesTruncatedLongUnknownAndOutOfRange) {
    Message m;
    const std::vector<uint8_t> good = Encode(ActionMessage(2, Action::Switch({1, 1}, Weapon::Beam), false, 5));
    // Every cut short, and one byte too many.
    for (size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(Decode({good.data(), n}, m)) << n;
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(Decode(longer, m));
    EXPECT_FALSE(Decode(std::vector<uint8_t>(kMostMessageBytes + 1, 1), m));
    EXPECT_FALSE(Decode(std::vector<uint8_t>{0}, m));
    EXPECT_FALSE(Decode(std::vector<uint8_t>{99, 1}, m));
    EXPECT_FALSE(Decode(std::vector<uint8_t>{4, 0}, m));    // bye without a reason
    EXPECT_FALSE(Decode(std::vector<uint8_t>{4, 200}, m));  // unknown reason
    // Kind 5, weapon 2, angle 360, a cell at -2: each alone is refused.
    for (const auto& [at, value] : std::vector<std::pair<size_t, uint8_t>>{{5, 5}, {14, 2}, {15, 0x68}, {6, 0xfe}}) {
        std::vector<uint8_t> bad = good;
        bad[at] = value;
        if (at == 15) bad[16] = 0x01;  // 0x168 = 360
        if (at == 6) bad[7] = 0xff;
        EXPECT_FALSE(Decode(bad, m)) << at;
    }
    // A program name that claims more bytes than follow.
    std::vector<uint8_t> hello = Encode(HelloMessage(Hello{}));
    hello[1] = 200;
    EXPECT_FALSE(Decode(hello, m));
    // The start time goes into the record as it stands: only its one form.
    for (const char* started : {"2026-12-07 21:30:0x", "2026-12-07\n21:30:05", "2026-12-07 21:30"}) {
        Hello h;
        h.started = started;
        EXPECT_FALSE(Decode(Encode(HelloMessage(h)), m)) << started;
    }
}

TEST(Wire, AnotherVersionsHelloIsReadAsFarAsItsVersion) {
    // Whatever another protocol puts after its version is not ours to judge:
    // the hello is taken, so that both sides can say "andere Version".
    Hello h;
    h.protocol = kProtocolVersion + 1;
    std::vector<uint8_t> bytes = Encode(HelloMessage(h));
    bytes.resize(bytes.size() - 9);
    Message m;
    ASSERT_TRUE(Decode(bytes, m));
    EXPECT_EQ(m.type, MsgType::Hello);
    EXPECT_EQ(m.hello.protocol, kProtocolVersion + 1);
    // Our own version cut the same way is malformed.
    bytes = Encode(HelloMessage(Hello{}));
    bytes.resize(bytes.size() - 9);
    EXPECT_FALSE(Decode(bytes, m));
}

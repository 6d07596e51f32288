// Joining a network game from the title: the opponent label's network
// settings, the address field and what it lets through, Return and Escape.
#include "platform/input/screen.h"
#include "shell/title_fixture.h"

namespace sd::test {
namespace {

using TitleNetworkTest = TitleFixture;
using platform::Key;

bool Overlap(const platform::Element& a, const platform::Element& b) {
    const platform::Rect p = a.bounds(), q = b.bounds();
    return p.x < q.right() && q.x < p.right() && p.y < q.bottom() && q.y < p.bottom();
}

TEST_F(TitleNetworkTest, TheAddressFieldTakesAnAddressAndReturnConnectsEscapeCloses) {
    FrmStartup& t = Start();
    for (int i = 0; i < 4; ++i) t.OpponentLabelClick();
    EXPECT_EQ(t.opponentLabel().look().text, "Gegner: Netzwerk (verbinden)");
    EXPECT_EQ(ctx.opponent, Opponent::Person);
    t.LabelClick(0);  // "Spiel starten"
    AddressField& field = t.addressField();
    ASSERT_TRUE(field.isOpen());
    EXPECT_EQ(t.game(), nullptr) << "no game before the address is written";
    EXPECT_TRUE(field.box().look().visible);
    for (int n = 0; n < kPreviewCount; ++n) EXPECT_FALSE(Overlap(field.box(), t.worldBox(n))) << n;

    // Typed text arrives as the keyboard makes it: what no address holds
    // (blanks, umlauts, punctuation) is dropped; Backspace takes the last.
    t.screen().on.text("127.0.0.1:2 \xC3\xBC;x");
    EXPECT_EQ(field.text(), "127.0.0.1:2x");
    t.TitleKey(Key::Backspace);
    EXPECT_EQ(field.text(), "127.0.0.1:2");
    t.screen().on.text(std::string(100, '9'));
    EXPECT_EQ(field.text().size(), kMostAddressChars);

    t.TitleKey(Key::Escape);
    EXPECT_FALSE(field.isOpen());
    EXPECT_FALSE(field.box().look().visible);
    EXPECT_FALSE(t.waitingForNetwork());

    // Return with nothing written does nothing; with an address it connects
    // and the title says where to.
    t.LabelClick(0);
    ASSERT_TRUE(field.isOpen());
    while (!field.text().empty()) t.TitleKey(Key::Backspace);
    t.TitleKey(Key::Return);
    EXPECT_TRUE(field.isOpen());
    EXPECT_FALSE(t.waitingForNetwork());
    t.screen().on.text("127.0.0.1:27999");
    t.TitleKey(Key::Return);
    EXPECT_FALSE(field.isOpen());
    ASSERT_TRUE(t.waitingForNetwork());
    EXPECT_EQ(t.waitingLabel().look().text, "Verbinde mit 127.0.0.1:27999 ...");
    EXPECT_TRUE(messages.shown.empty());
    t.TitleKey(Key::Escape);
    EXPECT_FALSE(t.waitingForNetwork());
    // The address is offered again.
    t.LabelClick(0);
    EXPECT_EQ(field.text(), "127.0.0.1:27999");
}

}  // namespace
}  // namespace sd::test

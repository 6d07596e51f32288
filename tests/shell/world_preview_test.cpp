#include "shell/world_preview.h"

#include <algorithm>
#include <cstdlib>

#include "title_fixture.h"

namespace sd::test {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGreenDark = 0x009B00, kGreenBright = 0x00FF00;
constexpr uint32_t kBlueDark = 0x003CBE, kBlueBright = 0x00C8FF;
constexpr uint32_t kRedDark = 0x960000, kRedBright = 0xFF0000;
constexpr uint32_t kFrame = 0xC8C800, kCorner = 0xF0F01E;

// World0: the colours by number; World1: empty and odd tokens keep their
// column; World2: a name but no positive number; World3 is missing.
const char* const kWorlds =
    "[World0]\n"
    "Name=Farben\n"
    "1=15 18 13 20 14 16 17 19\n"
    "[World1]\n"
    "Name=Luecken\n"
    "3=0 -3 abc  4x 2.5\n"
    "[World2]\n"
    "Name=Leer\n"
    "1=0 0 0\n"
    "2=-1 abc\n";

// Drawing coordinates of the dot of column j in row key i: a pixel only the
// dark dot covers, and the left point of the bright ring.
uint32_t DarkAt(platform::Element& box, int j, int i) { return box.canvas().pixel(6 + 8 * j, 14 + 7 * i); }
uint32_t BrightAt(platform::Element& box, int j, int i) { return box.canvas().pixel(3 + 8 * j, 12 + 7 * i); }

using WorldPreviewTest = TitleFixture;

TEST_F(WorldPreviewTest, DotColoursFollowTheNumberInTheCell) {
    UseWorlds(kWorlds);
    FrmStartup& t = Start();
    platform::Element& box = t.worldBox(0);
    const uint32_t dark[] = {kBlueDark, kRedDark, kGreenDark, kGreenDark, kBlueDark, kBlueDark, kRedDark, kRedDark};
    const uint32_t bright[] = {kBlueBright, kRedBright, kGreenBright, kGreenBright,
                               kBlueBright, kBlueBright, kRedBright,  kRedBright};
    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ(DarkAt(box, j, 1), dark[j]) << "column " << j;
        EXPECT_EQ(BrightAt(box, j, 1), bright[j]) << "column " << j;
    }
    EXPECT_EQ(box.tag, "1");
    // The name stands in yellow somewhere in the top rows, roughly centred.
    int nameLeft = -1, nameRight = -1;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < box.canvas().width(); ++x)
            if (box.canvas().pixel(x, y) != kBlack && box.canvas().pixel(x, y) != kFrame &&
                box.canvas().pixel(x, y) != kCorner) {
                if (nameLeft < 0 || x < nameLeft) nameLeft = x;
                nameRight = std::max(nameRight, x);
            }
    ASSERT_GE(nameLeft, 0);
    EXPECT_LE(std::abs((nameLeft + nameRight) - 99), 8);
}

TEST_F(WorldPreviewTest, EmptyAndNonNumericTokensKeepTheirColumn) {
    UseWorlds(kWorlds);
    platform::Element& box = Start().worldBox(1);
    // Fields: "0", "-3", "abc", "", "4x", "2.5": dots only in columns 4 and 5.
    for (int j = 0; j < 4; ++j) EXPECT_EQ(DarkAt(box, j, 3), kBlack) << "column " << j;
    EXPECT_EQ(DarkAt(box, 4, 3), kGreenDark);
    EXPECT_EQ(DarkAt(box, 5, 3), kGreenDark);
    EXPECT_EQ(box.tag, "2");
}

TEST_F(WorldPreviewTest, WorldsWithoutThingsCannotBeChosen) {
    UseWorlds(kWorlds);
    FrmStartup& t = Start();
    EXPECT_EQ(t.worldBox(2).tag, "0");  // a name, but no positive number
    EXPECT_EQ(t.worldBox(3).tag, "0");  // no section at all
    EXPECT_EQ(ctx.GameState.WorldNumber, 0);
    // World 0 was chosen at start with the click sound.
    ASSERT_EQ(audio.played.size(), 1u);
    EXPECT_NE(audio.played[0].find("002.wav"), std::string::npos);

    Click(BoxX(2), BoxY(2));
    Click(BoxX(3), BoxY(3));
    EXPECT_EQ(ctx.GameState.WorldNumber, 0);
    EXPECT_EQ(audio.played.size(), 1u);
    EXPECT_EQ(t.worldBox(2).canvas().pixel(30, 0), kBlack);
    EXPECT_EQ(t.worldBox(0).canvas().pixel(30, 0), kFrame);
}

TEST_F(WorldPreviewTest, ClickMovesTheMarkAndChoosesTheWorld) {
    UseWorlds(kWorlds);
    FrmStartup& t = Start();
    Click(BoxX(1), BoxY(1));
    EXPECT_EQ(ctx.GameState.WorldNumber, 1);
    platform::Element& box = t.worldBox(1);
    // The frame lies at the outer size, so only its top and left edges show.
    EXPECT_EQ(box.canvas().pixel(0, 0), kCorner);
    EXPECT_EQ(box.canvas().pixel(20, 0), kCorner);
    EXPECT_EQ(box.canvas().pixel(0, 20), kCorner);
    EXPECT_EQ(box.canvas().pixel(21, 0), kFrame);
    EXPECT_EQ(box.canvas().pixel(0, 40), kFrame);
    EXPECT_EQ(t.worldBox(0).canvas().pixel(0, 0), kBlack);
    EXPECT_EQ(t.worldBox(0).canvas().pixel(30, 0), kBlack);

    // Clicking the chosen box again plays the sound again and changes nothing else.
    const size_t sounds = audio.played.size();
    Click(BoxX(1), BoxY(1));
    EXPECT_EQ(audio.played.size(), sounds + 1);
    EXPECT_EQ(ctx.GameState.WorldNumber, 1);
    EXPECT_EQ(box.canvas().pixel(21, 0), kFrame);
}

TEST_F(WorldPreviewTest, MissingWorldFileLeavesEveryPreviewEmpty) {
    UseWorlds("");
    std::filesystem::remove(tempDir / "worlds.dat");
    FrmStartup& t = Start();
    for (int n = 0; n < kPreviewCount; ++n) EXPECT_EQ(t.worldBox(n).tag, "0");
    EXPECT_TRUE(audio.played.empty());
    EXPECT_EQ(ctx.GameState.WorldNumber, 0);
}

}  // namespace
}  // namespace sd::test

#include "shell/command_line.h"
#include "shell/display_mode.h"

#include "title_fixture.h"

namespace sd::test {
namespace {

using CommandLineTest = TitleFixture;

struct SwitchCase {
    const char* line;
    bool soundOn;
    bool modeSwitched;
};

TEST_F(CommandLineTest, SwitchesAreFoundAnywhereInAnyCase) {
    const SwitchCase cases[] = {
        {"", true, true},
        {"-nosound", false, true},
        {"-NoScreen", true, false},
        {"welt -NOSCREEN -nosound", false, false},
        {"-NOSOUNDX", false, true},        // a word that contains the switch counts
        {"X-noscreenY", true, false},
        {"NOSOUND /noscreen", true, true},  // without the dash it is no switch
    };
    for (const auto& c : cases) {
        Context fresh;
        fresh.platform = platform.get();
        fresh.clock = &clock;
        fresh.commandLine = c.line;
        ParseCommandLine(fresh);
        EXPECT_EQ(fresh.SoundOn, c.soundOn) << c.line;
        // The display is only touched (and given back at the end) without -NOSCREEN.
        EXPECT_EQ(platform->window().displayMode().isFullscreen(), c.modeSwitched) << c.line;
        RestoreDisplayMode(fresh);
    }
}

TEST(JoinCommandLine, JoinsArgumentsWithBlanks) {
    const char* argv[] = {"sternenduell", "-NOSCREEN", "-nosound"};
    EXPECT_EQ(JoinCommandLine(3, argv), "-NOSCREEN -nosound");
    EXPECT_EQ(JoinCommandLine(1, argv), "");
}

}  // namespace
}  // namespace sd::test

// Switching the display for the run and back.
#include <gtest/gtest.h>

#include "data/context.h"
#include "platform/input/platform.h"
#include "shell/display_mode.h"

using namespace sd;

namespace {

struct DisplayRig {
    DisplayRig() : platform(Options()) { ctx.platform = &platform; }
    platform::PlatformOptions Options() {
        platform::PlatformOptions o;
        o.headless = true;
        o.clock = &clock;
        o.audio = &audio;
        return o;
    }
    platform::VirtualClock clock;
    platform::AudioRecorder audio;
    platform::Platform platform;
    Context ctx;
};

}  // namespace

TEST(DisplayMode, RestoreWithoutSwitchChangesNothing) {
    DisplayRig rig;
    EXPECT_FALSE(RestoreDisplayMode(rig.ctx));
    EXPECT_FALSE(rig.platform.window().displayMode().taken());
    EXPECT_FALSE(rig.platform.window().displayMode().isFullscreen());
}

TEST(DisplayMode, SwitchSavesTheModeFoundAndRestoreLeavesFullscreen) {
    DisplayRig rig;
    const platform::DisplayModeInfo desktop = rig.platform.window().displayMode().current();
    ASSERT_GT(desktop.width, 0);

    EXPECT_TRUE(SetDisplayMode(rig.ctx, 800, 600, false)) << "available, but not applied";
    EXPECT_TRUE(rig.platform.window().displayMode().taken());
    EXPECT_FALSE(rig.platform.window().displayMode().isFullscreen());

    EXPECT_TRUE(SetDisplayMode(rig.ctx, 800, 600, true));
    EXPECT_TRUE(rig.platform.window().displayMode().isFullscreen());

    EXPECT_TRUE(RestoreDisplayMode(rig.ctx));
    EXPECT_FALSE(rig.platform.window().displayMode().isFullscreen());
    const platform::DisplayModeInfo after = rig.platform.window().displayMode().current();
    EXPECT_EQ(after.width, desktop.width);
    EXPECT_EQ(after.height, desktop.height);
    EXPECT_EQ(after.bitsPerPixel, desktop.bitsPerPixel);
    EXPECT_EQ(after.refreshRate, desktop.refreshRate);
    EXPECT_TRUE(rig.platform.window().displayMode().taken()) << "never given up";
    // A second restore sets the same mode again.
    EXPECT_TRUE(RestoreDisplayMode(rig.ctx));
}

TEST(DisplayMode, WithoutAPlatformNothingIsSwitched) {
    Context ctx;
    EXPECT_FALSE(SetDisplayMode(ctx, 800, 600, true));
    EXPECT_FALSE(RestoreDisplayMode(ctx));
}

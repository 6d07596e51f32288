#pragma once
// A headless title screen on the virtual clock, with recorded sounds and
// messages. The program directory is the build's output folder, or a temporary
// folder with a worlds.dat written by the test and the generated fx/ linked in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "data/context.h"
#include "play/cursor.h"
#include "play/sound.h"
#include "platform/audio/audio.h"
#include "platform/process/clock.h"
#include "platform/input/element.h"
#include "platform/window/message_box.h"
#include "platform/input/platform.h"
#include "shell/title_screen.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {

class TitleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        platform::PlatformOptions options;
        options.headless = true;
        options.clock = &clock;
        options.messageBox = &messages;
        options.audio = &audio;
        platform = std::make_unique<platform::Platform>(options);
        ctx.platform = platform.get();
        ctx.clock = &clock;
        ctx.messageBox = &messages;
        ctx.programDir = SD_OUT_DIR;
        ctx.commandLine = "-NOSCREEN";
        ctx.sounds = &sounds;
        ctx.pointer = &pointer;
    }

    void TearDown() override {
        title.reset();
        platform.reset();
        if (!tempDir.empty()) std::filesystem::remove_all(tempDir);
    }

    // A program folder of our own: the given worlds.dat beside the real fx/.
    void UseWorlds(const std::string& text) {
        tempDir = std::filesystem::temp_directory_path() /
                  ("sd_title_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(tempDir);
        std::filesystem::create_directories(tempDir);
        std::filesystem::create_directory_symlink(std::filesystem::path(SD_OUT_DIR) / "fx", tempDir / "fx");
        std::ofstream(tempDir / "worlds.dat") << text;
        std::filesystem::copy_file(std::filesystem::path(SD_OUT_DIR) / "settings.dat", tempDir / "settings.dat");
        ctx.programDir = tempDir.string();
    }

    // Runs the start sequence.
    FrmStartup& Start() {
        title = std::make_unique<FrmStartup>(ctx);
        EXPECT_TRUE(title->Load());
        return *title;
    }

    void Move(double x, double y) {
        Driver(*platform).injectMouseMove(x, y);
        platform->processPendingEvents();
    }
    void Click(double x, double y) {
        Driver(*platform).injectMouseMove(x, y);
        Driver(*platform).injectClick(x, y);
        platform->processPendingEvents();
    }

    // Centre of preview box n and of menu label k on the canvas.
    static double BoxX(int n) { return 60 + 140 * (n % 5) + 50; }
    static double BoxY(int n) { return (n >= 5 ? 401 : 290) + 35; }
    static double LabelX(int k) { return k == 0 ? 120 : (k == 1 ? 400 : 680); }
    static double LabelY() { return 557; }

    platform::VirtualClock clock;
    platform::MessageRecorder messages;
    platform::AudioRecorder audio;
    std::unique_ptr<platform::Platform> platform;
    SoundTable sounds;
    PointerMemory pointer;
    Context ctx;
    std::unique_ptr<FrmStartup> title;
    std::filesystem::path tempDir;
};

}  // namespace sd::test

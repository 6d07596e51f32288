// The sound table and playback by number.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "data/context.h"
#include "platform/audio/audio.h"
#include "platform/input/platform.h"
#include "play/sound.h"

using namespace sd;

namespace {

// A headless platform whose audio is the given player.
struct SoundRig {
    explicit SoundRig(platform::AudioPlayer& player) : platform(Options(player)) {
        ctx.platform = &platform;
        ctx.clock = &clock;
        ctx.programDir = "/opt/game";
        ctx.sounds = &sounds;
    }
    platform::PlatformOptions Options(platform::AudioPlayer& player) {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform::PlatformOptions o;
        o.headless = true;
        o.clock = &clock;
        o.audio = &player;
        return o;
    }
    platform::VirtualClock clock;
    platform::Platform platform;
    SoundTable sounds;
    Context ctx;
};

void WriteWav(const std::string& path) {
    const uint32_t rate = 22050, samples = 2205;
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f << "RIFF";
    u32(36 + samples * 2);
    f << "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    f << "data";
    u32(samples * 2);
    for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i % 50) * 400));
}

}  // namespace

TEST(SoundTable, IndexZeroRestartsAndHigherIndicesGrow) {
    Context ctx;
    SoundTable table;
    ctx.sounds = &table;
    SetSoundName(ctx, "a", 3);
    ASSERT_EQ(table.SoundFiles.size(), 4u);
    EXPECT_EQ(table.SoundFiles[3], "a");
    EXPECT_EQ(table.SoundLastIndex, 3);

    SetSoundName(ctx, "b", 1);  // below the last index: stored in place, no resize
    EXPECT_EQ(table.SoundFiles.size(), 4u);
    EXPECT_EQ(table.SoundFiles[1], "b");
    EXPECT_EQ(table.SoundLastIndex, 1);

    SetSoundName(ctx, "c", 2);  // above the remembered 1: resized to 0..2, index 3 dropped
    EXPECT_EQ(table.SoundFiles, (std::vector<std::string>{"", "b", "c"}));

    SetSoundName(ctx, "d", 0);  // index 0 leaves a table of one entry
    EXPECT_EQ(table.SoundFiles, (std::vector<std::string>{"d"}));
    EXPECT_EQ(table.SoundLastIndex, 0);

    SetSoundName(ctx, "bad", -1);  // no place in the table: ignored
    EXPECT_EQ(table.SoundFiles, (std::vector<std::string>{"d"}));
    EXPECT_EQ(table.SoundLastIndex, 0);
}

TEST(SoundTable, LoadSoundNamesBindsSixteenFiles) {
    Context ctx;
    SoundTable table;
    ctx.sounds = &table;
    ctx.programDir = "/opt/game";
    table.SoundFiles = {"old", "old", "old"};
    table.SoundLastIndex = 2;
    LoadSoundNames(ctx);
    ASSERT_EQ(table.SoundFiles.size(), 16u);
    EXPECT_EQ(table.SoundFiles[0], "/opt/game/fx/001.wav");
    EXPECT_EQ(table.SoundFiles[7], "/opt/game/fx/008.wav");
    EXPECT_EQ(table.SoundFiles[15], "/opt/game/fx/016.wav");
    EXPECT_EQ(table.SoundLastIndex, 15);
}

TEST(SoundPlay, PlaysByNumberOnlyWhileSoundIsOn) {
    platform::AudioRecorder recorder;
    SoundRig rig(recorder);
    LoadSoundNames(rig.ctx);
    rig.ctx.SoundOn = false;
    for (int16_t i = 0; i < 16; ++i) PlaySoundEffect(rig.ctx, i);
    EXPECT_TRUE(recorder.played.empty());

    rig.ctx.SoundOn = true;
    PlaySoundEffect(rig.ctx, 12);
    PlaySoundEffect(rig.ctx, 15);
    PlaySoundEffect(rig.ctx, 16);  // outside the table: a caller's error, ignored
    PlaySoundEffect(rig.ctx, -1);
    EXPECT_EQ(recorder.played, (std::vector<std::string>{"/opt/game/fx/013.wav", "/opt/game/fx/016.wav"}));

    Context bare;  // no platform at all
    SoundTable bareTable;
    bare.sounds = &bareTable;
    bare.SoundOn = true;
    LoadSoundNames(bare);
    PlaySoundEffect(bare, 0);
}

TEST(SdlAudio, SoundOffNeverOpensTheDevice) {
    platform::SdlAudioPlayer player;
    SoundRig rig(player);
    LoadSoundNames(rig.ctx);
    rig.ctx.SoundOn = false;
    PlaySoundEffect(rig.ctx, 0);
    EXPECT_FALSE(player.deviceOpened());
    EXPECT_EQ(player.playCount(), 0);
}

TEST(SdlAudio, MissingFilePlaysTheAlertAndRealFilesPlay) {
    platform::SdlAudioPlayer player;
    SoundRig rig(player);
    rig.ctx.programDir = ::testing::TempDir() + "sd_sound_test";
    LoadSoundNames(rig.ctx);
    rig.ctx.SoundOn = true;

    PlaySoundEffect(rig.ctx, 4);  // no such file
    ASSERT_TRUE(player.deviceOpened()) << "dummy audio driver expected";
    EXPECT_TRUE(player.lastPlayedWasAlert());
    PlaySoundEffect(rig.ctx, 4);  // remembered as failed; the alert again
    EXPECT_TRUE(player.lastPlayedWasAlert());

    const std::string wav = ::testing::TempDir() + "sd_sound_ok.wav";
    WriteWav(wav);
    SetSoundName(rig.ctx, wav, 16);
    PlaySoundEffect(rig.ctx, 16);
    EXPECT_FALSE(player.lastPlayedWasAlert());
    PlaySoundEffect(rig.ctx, 16);  // cuts off the first and plays again
    EXPECT_EQ(player.playCount(), 4);
}

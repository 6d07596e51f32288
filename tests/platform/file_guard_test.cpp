// The look at picture and sound files before SDL decodes them: headers that
// claim far more than the game's files are refused, real ones pass. The
// loaders themselves are checked on files the tests write.
#include "platform/draw/bitmap_files.h"
#include "platform/files/file_guard.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/audio/audio.h"
#include "byte_writer.h"
#include "platform_fixture.h"

using namespace sd::platform;
using namespace sd::platform::detail;

using sd::platform::testing::Put16;
using sd::platform::testing::Put32;

namespace {

// A BMP file head with a header of headerSize bytes claiming w x h pixels of
// 24 bits, stored plainly (compression 0) or run-length coded (1).
std::string BmpHead(uint32_t headerSize, int32_t w, int32_t h, uint32_t compression = 0) {
    std::string b = "BM";
    Put32(b, 0), Put32(b, 0), Put32(b, 54), Put32(b, headerSize);
    if (headerSize == 12) {
        Put16(b, static_cast<uint32_t>(w)), Put16(b, static_cast<uint32_t>(h)), Put16(b, 1), Put16(b, 24);
    } else {
        Put32(b, static_cast<uint32_t>(w)), Put32(b, static_cast<uint32_t>(h)), Put16(b, 1), Put16(b, 24);
        Put32(b, compression);
    }
    return b;
}

// An ICO (type 1) or CUR (type 2) whose images claim the given sizes; an
// offset of 0 puts an image's data where the file ends.
std::string Icon(uint32_t type, std::vector<std::pair<int32_t, int32_t>> images, uint32_t offset = 0) {
    std::string b;
    Put16(b, 0), Put16(b, type), Put16(b, static_cast<uint32_t>(images.size()));
    const uint32_t first = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        b += std::string(8, '\0');
        Put32(b, 40), Put32(b, offset != 0 ? offset : first + 40 * static_cast<uint32_t>(i));
    }
    for (const auto& [w, h] : images) {
        Put32(b, 40), Put32(b, static_cast<uint32_t>(w)), Put32(b, static_cast<uint32_t>(h));
        b += std::string(28, '\0');
    }
    return b;
}

// A RIFF WAVE of 16-bit mono at rate, with the chunks of before ahead of its format.
std::string Wave(uint32_t rate, const std::string& before = {}) {
    std::string body = "WAVE" + before + "fmt ";
    Put32(body, 16), Put16(body, 1), Put16(body, 1), Put32(body, rate), Put32(body, rate * 2), Put16(body, 2),
        Put16(body, 16);
    body += "data";
    Put32(body, 400);
    body += std::string(400, '\x10');
    std::string b = "RIFF";
    Put32(b, static_cast<uint32_t>(body.size()));
    return b + body;
}

}  // namespace

TEST(FileGuard, BitmapsMustFitTheSideLimitAndTheirFile) {
    constexpr uintmax_t kAny = UINTMAX_MAX;
    EXPECT_EQ(BmpHeaderProblem(BmpHead(40, 8192, -8192), kAny), "");  // top-down rows
    EXPECT_EQ(BmpHeaderProblem(BmpHead(124, 8193, 1), kAny), "the header claims 8193 x 1 pixels (at most 8192 x 8192 are taken)");
    EXPECT_NE(BmpHeaderProblem(BmpHead(40, 255, -40979778), kAny), "");
    EXPECT_NE(BmpHeaderProblem(BmpHead(0xFF000000u, 255, 40979778), kAny), "");  // a header size SDL reads as the long one
    EXPECT_NE(BmpHeaderProblem(BmpHead(12, 9000, 1), kAny), "");                 // the 16-bit sizes of the old OS/2 header
    // A cut head: SDL reads zeros for the missing bytes and still allocates.
    EXPECT_NE(BmpHeaderProblem(BmpHead(40, 30000, 30000).substr(0, 25), kAny), "");

    // Rows of 801 * 3 bytes padded to 2404, after the 54 bytes of headers.
    EXPECT_EQ(BmpHeaderProblem(BmpHead(40, 801, 600), 54 + 2404 * 600), "");
    EXPECT_EQ(BmpHeaderProblem(BmpHead(40, 801, 600), 54 + 2404 * 600 - 1),
              "the pixels of 801 x 600 at 24 bits need 1442400 bytes, the file holds 1442399");
    EXPECT_NE(BmpHeaderProblem(BmpHead(12, 100, 100), 54 + 100), "");
    // Run-length coded: at best 255 pixels in 2 bytes.
    EXPECT_EQ(BmpHeaderProblem(BmpHead(40, 800, 640, 1), 54 + 4000), "");
    EXPECT_EQ(BmpHeaderProblem(BmpHead(40, 800, 640, 1), 54 + 3999),
              "the pixels of 800 x 640 at 24 bits need 4000 bytes, the file holds 3999");
}

TEST(FileGuard, PointersMustBeSmallIconsOrCursors) {
    EXPECT_EQ(IconFileProblem(Icon(1, {{32, 64}})), "");
    EXPECT_EQ(IconFileProblem(Icon(2, {{16, 32}, {256, 512}})), "");
    EXPECT_EQ(IconFileProblem(Icon(1, {{32, 64}, {100000, 200000}})),
              "the header claims 100000 x 100000 pixels (at most 256 x 256 are taken)");
    EXPECT_NE(IconFileProblem(Icon(1, {{257, 2}})), "");
    EXPECT_EQ(IconFileProblem(Icon(1, {{100000, 2}}, 0xFFFFFFF0u)), "");  // an image beyond the end: SDL refuses it
    EXPECT_EQ(IconFileProblem("\x89PNG\r\n\x1a\n"), "not an ICO or CUR file");
    EXPECT_EQ(IconFileProblem(BmpHead(40, 32, 32)), "not an ICO or CUR file");
    EXPECT_EQ(IconFileProblem(Icon(1, {})), "not an ICO or CUR file");
    std::string large = Icon(1, {{32, 64}});
    large.resize(kMaxIconFileBytes + 1);
    EXPECT_EQ(IconFileProblem(large), "longer than 1048576 bytes");
}

TEST(FileGuard, SoundsMustBeWavesOfAtLeast8000Hertz) {
    EXPECT_EQ(WaveFileProblem(Wave(22050)), "");
    EXPECT_EQ(WaveFileProblem(Wave(8000)), "");
    EXPECT_EQ(WaveFileProblem(Wave(7999)), "a rate of 7999 Hz (at least 8000 Hz are taken)");
    EXPECT_EQ(WaveFileProblem(Wave(1)), "a rate of 1 Hz (at least 8000 Hz are taken)");
    // Other chunks ahead of the format, one of odd length (padded to even).
    std::string list = "LIST";
    Put32(list, 3);
    EXPECT_NE(WaveFileProblem(Wave(1, list + "abc" + '\0')), "");
    // A chunk size that wraps a 32-bit sum must end the walk, not loop.
    std::string wraps = "junk";
    Put32(wraps, 0xFFFFFFF7u);
    EXPECT_EQ(WaveFileProblem(Wave(1, wraps)), "");
    EXPECT_EQ(WaveFileProblem("OggS"), "not a WAVE file");
    std::string large = Wave(22050);
    large.resize(kMaxSoundFileBytes + 1);
    EXPECT_EQ(WaveFileProblem(large), "longer than 1048576 bytes");
}

using LoadersRefuse = sd::platform::testing::HeadlessPlatform;

TEST_F(LoadersRefuse, BeforeDecodingAndSayWhy) {
    const std::string bmp = ::testing::TempDir() + "sd_guard_huge.bmp";
    std::ofstream(bmp, std::ios::binary) << BmpHead(40, 30000, 30000) << std::string(64, '\0');
    std::string error;
    EXPECT_TRUE(LoadBmp(bmp, &error).empty());
    EXPECT_NE(error.find("30000 x 30000"), std::string::npos) << error;

    const std::string ico = ::testing::TempDir() + "sd_guard_png.ico";
    std::ofstream(ico, std::ios::binary) << "\x89PNG\r\n\x1a\n" << std::string(64, '\0');
    error.clear();
    EXPECT_FALSE(platform.pointer().setFromIco(ico, &error));
    EXPECT_NE(error.find("not an ICO or CUR file"), std::string::npos) << error;

    const std::string wav = ::testing::TempDir() + "sd_guard_slow.wav";
    std::ofstream(wav, std::ios::binary) << Wave(1);
    SdlAudioPlayer player;
    player.play(wav);
    if (!player.deviceOpened()) GTEST_SKIP() << "no audio device, not even the dummy one";
    EXPECT_TRUE(player.lastPlayedWasAlert());
    const std::string good = ::testing::TempDir() + "sd_guard_good.wav";
    std::ofstream(good, std::ios::binary) << Wave(22050);
    player.play(good);
    EXPECT_FALSE(player.lastPlayedWasAlert());
}

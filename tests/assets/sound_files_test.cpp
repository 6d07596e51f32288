// The sixteen effects: real 16-bit PCM mono waves, short, audible, and
// starting and ending at rest so playback never clicks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "asset_readers.h"

using namespace asset_test;

namespace {

std::string soundName(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.wav", n);
    return name;
}

}  // namespace

TEST(SoundFiles, EverySoundIsShortAudiblePcmWithoutClicks) {
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(soundName(n));
        Wav w = parseWav(readFile(fxPath(soundName(n))));
        ASSERT_TRUE(w.ok) << w.why;
        EXPECT_EQ(w.format, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.bits, 16u);
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 1.2);
        int peak = 0;
        for (int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(std::abs(w.samples.front()), 300);
        EXPECT_LT(std::abs(w.samples.back()), 300);
    }
}

TEST(SoundFiles, TheExplosionRumbleIsTheLongestAndTheSoundsDiffer) {
    std::vector<Wav> all;
    for (int n = 1; n <= 16; ++n) all.push_back(parseWav(readFile(fxPath(soundName(n)))));
    for (int n = 0; n < 16; ++n) {
        ASSERT_TRUE(all[n].ok);
        if (n != 11) {
            EXPECT_LE(all[n].samples.size(), all[11].samples.size()) << soundName(n + 1);
        }
        for (int m = n + 1; m < 16; ++m) EXPECT_NE(all[n].samples, all[m].samples) << n + 1 << " and " << m + 1;
    }
}

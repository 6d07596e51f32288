#pragma once
// A headless platform on the virtual clock, for the platform's own tests.
#include <gtest/gtest.h>

#include "platform/input/platform.h"

namespace sd::platform::testing {

class HeadlessPlatform : public ::testing::Test {
protected:
    HeadlessPlatform() : platform(Options(clock, messages, audio)) {}

    static PlatformOptions Options(VirtualClock& c, MessageRecorder& m, AudioRecorder& a) {
        PlatformOptions o;
        o.headless = true;
        o.clock = &c;
        o.messageBox = &m;
        o.audio = &a;
        return o;
    }

    VirtualClock clock;
    MessageRecorder messages;
    AudioRecorder audio;
    Platform platform;
};

}  // namespace sd::platform::testing

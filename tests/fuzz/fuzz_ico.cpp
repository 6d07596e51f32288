// libFuzzer target for the pointer icons c1.ico and c2.ico: the input goes
// through the platform's own pointer path, Pointer::setFromIco (the
// file checks, our decoder, the hot spot, the cursor made of it), on the
// dummy video driver.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/input/platform.h"

namespace {

fuzz::MemoryFile* g_file = nullptr;
sd::platform::Platform* g_platform = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::UseDummyDrivers();
    g_file = new fuzz::MemoryFile();
    sd::platform::PlatformOptions options;
    options.headless = true;
    g_platform = new sd::platform::Platform(options);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const bool loaded = g_platform->pointer().setFromIco(g_file->hold(data, size), &error);
    fuzz::Require(loaded == error.empty());
    fuzz::Outcomes::text(loaded ? "loaded" : error);
    return 0;
}

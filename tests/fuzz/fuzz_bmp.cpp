// libFuzzer target for the bitmaps of fx/: the input goes through the loader
// every screen uses, LoadBmp (the platform's look at the header,
// SDL_LoadBMP, the conversion to the canvas format). A picture that loads must
// be usable: its size within the platform's limit and its pixels readable.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/files/file_guard.h"
#include "platform/draw/bitmap_files.h"
#include "platform/draw/surface.h"

namespace {

fuzz::MemoryFile* g_file = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::UseDummyDrivers();
    g_file = new fuzz::MemoryFile();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const sd::platform::Surface picture = sd::platform::LoadBmp(g_file->hold(data, size), &error);
    if (picture.empty()) {
        fuzz::Require(!error.empty());
        fuzz::Outcomes::text(error);
        return 0;
    }
    const int w = picture.width(), h = picture.height();
    fuzz::Require(w > 0 && h > 0);
    fuzz::Require(w <= sd::platform::detail::kMaxPictureSide && h <= sd::platform::detail::kMaxPictureSide);
    fuzz::Outcomes::shape(1, fuzz::Outcomes::sizeClass(static_cast<uint64_t>(w)),
                          fuzz::Outcomes::sizeClass(static_cast<uint64_t>(h)));
    // The corners and the middle: reading them must stay inside the pixels.
    uint32_t sum = picture.pixel(0, 0) ^ picture.pixel(w - 1, h - 1) ^ picture.pixel(w / 2, h / 2);
    fuzz::Outcomes::shape(2, sum >> 30);
    return 0;
}

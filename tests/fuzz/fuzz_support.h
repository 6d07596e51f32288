#pragma once
// What the fuzz targets share: a check that stops the run, a file in memory for
// loaders that take a path, and outcome features for decoders libFuzzer cannot
// see into.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// A broken promise of the code under test: libFuzzer saves the input.
inline void Require(bool ok) {
    if (!ok) __builtin_trap();
}

// The platform's loaders take paths, and writing a real file for every input
// would cost more than the decoding. A memfd behind /proc/self/fd/N opens like
// any file, at offset 0 each time.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("sd_fuzz_input", MFD_CLOEXEC)) {
        Require(fd_ >= 0);
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the content; returns the path to open.
    const std::string& hold(const uint8_t* data, size_t size) {
        Require(ftruncate(fd_, 0) == 0);
        for (size_t done = 0; done < size;) {
            const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            Require(n > 0);
            done += static_cast<size_t>(n);
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// SDL, SDL_image and SDL_mixer are the system's libraries, built without
// coverage instrumentation: libFuzzer sees none of their branches, so every
// input would look alike. What it can see is what they answer. Each distinct
// answer (an error text with its numbers left out, or a kind of result) sets a
// counter in libFuzzer's extra-counter section, which it reads after every run
// like its own coverage: an input that draws a new answer is kept.
class Outcomes {
public:
    static void text(std::string_view answer) {
        uint64_t h = 1469598103934665603ull;  // FNV-1a
        for (const char c : answer) {
            if (c >= '0' && c <= '9') continue;
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        mark(h);
    }
    // A result described by a few small numbers (a format, a size class).
    static void shape(uint64_t a, uint64_t b = 0, uint64_t c = 0) {
        mark(((a * 1000003u) ^ (b * 10007u) ^ c) * 0x9E3779B97F4A7C15ull);
    }
    // Rough size classes, so that sizes give a handful of features, not thousands.
    static uint64_t sizeClass(uint64_t v) {
        uint64_t c = 0;
        while (v > 0) v >>= 1, ++c;
        return c;
    }

private:
    static void mark(uint64_t h) { counters_[h % kCount] = 1; }
    static constexpr size_t kCount = 4096;
    __attribute__((used, section("__libfuzzer_extra_counters"))) static inline uint8_t counters_[kCount];
};

// The image and sound targets run SDL on its dummy drivers: no window, no
// device.
inline void UseDummyDrivers() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace fuzz

#pragma once
// A look at picture and sound files before SDL's decoders see them. The
// decoders trust what a header claims and allocate or compute for it before
// they read the data: a broken 30-byte .bmp asks for gigabytes, a .png named
// c1.ico for 14 GB and a minute of work, a 40 KB .wav that claims 1 sample a
// second becomes 600 MB of sound after 8 seconds of resampling. The game's
// pictures are at most 800 x 600, its pointers 32 x 32 and its sounds short,
// so what lies far beyond that is refused before decoding. (Pictures merely of
// the wrong size still load, so that the game can say which size it needs.) Texts are English,
// like the platform's other load errors; empty means "go ahead".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sd::platform::detail {

inline constexpr long kMaxPictureSide = 8192;
inline constexpr long kMaxIconSide = 256;  // what the ICO format can describe
inline constexpr size_t kMaxIconFileBytes = size_t{1} << 20;
inline constexpr size_t kMaxSoundFileBytes = size_t{1} << 20;
// Slower rates would be stretched many times over to the device's 44100 Hz.
inline constexpr uint32_t kMinSoundRate = 8000;

// head: the first bytes of a file that starts with "BM" (34 are all it reads);
// fileSize: its length. Besides the sides, the pixels must fit in the file,
// plainly or (run-length coded) at 255 pixels in 2 bytes at best: SDL would
// allocate the picture whole and only then find the file cut short.
std::string BmpHeaderProblem(std::string_view head, uintmax_t fileSize);

// file: a whole pointer file (or its first kMaxIconFileBytes + 1 bytes). Only
// ICO and CUR are taken (IMG_Load would try every format it knows), at most
// kMaxIconFileBytes long, every image in it at most 256 x 256.
std::string IconFileProblem(std::string_view file);

// file: a whole sound file (or its first kMaxSoundFileBytes + 1 bytes). Only
// RIFF WAVE is taken (Mix_LoadWAV would try every music format it knows), at
// most kMaxSoundFileBytes long, at kMinSoundRate or more.
std::string WaveFileProblem(std::string_view file);

// Reads at most limit + 1 bytes of the file at path into content (one more, so
// that the checks above see a file that is too long). False when it cannot be
// opened.
bool ReadFileHead(const std::string& path, size_t limit, std::string& content);

}  // namespace sd::platform::detail

#pragma once
// The sixteen sound effects, synthesised: index 1..16 gives the samples of
// fx/001.wav .. fx/016.wav.
#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 22050;
constexpr int kSoundCount = 16;

std::vector<int16_t> makeSound(int number);

}  // namespace assetgen

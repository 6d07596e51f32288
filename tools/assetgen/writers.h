#pragma once
// File writers: 24-bit BMP, 32-bit Windows icon, 16-bit PCM WAV. Each returns
// false (and the caller reports it) when the file cannot be written.
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace assetgen {

bool writeBmp(const std::string& path, const Image& img);

// A 32 x 32 icon from straight-alpha ARGB pixels (0xAARRGGBB), top row first.
bool writeIco(const std::string& path, const std::vector<uint32_t>& argb, int size);

// Mono 16-bit PCM samples at the given rate.
bool writeWav(const std::string& path, const std::vector<int16_t>& samples, int rate);

}  // namespace assetgen

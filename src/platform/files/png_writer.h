#pragma once
// A PNG writer for pictures the game keeps for people to look at (screens in
// tests and reviews). Uncompressed: a few lines of our own instead of a
// library the game would otherwise load for nothing else.
#include <cstdint>
#include <string>
#include <vector>

namespace sd::platform::detail {

// width x height pixels, 0x00RRGGBB, row by row; false when the file could
// not be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb);

}  // namespace sd::platform::detail

#pragma once
// The two mouse pointers as 32 x 32 ARGB pictures for the .ico writer.
#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kCursorSize = 32;
// Arrow with its tip on pixel (0, 0).
std::vector<uint32_t> makeArrowCursor();
// Target cross centred on pixel (15, 15).
std::vector<uint32_t> makeTargetCursor();

}  // namespace assetgen

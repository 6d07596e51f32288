#pragma once
// The pointer pictures (.ico and .cur files) decoded by us: a pointer file is
// a few kilobytes of BMP rows, and a general image library reads them a byte
// at a time. Every read here is checked against the file's end.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sd::platform {

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;  // row by row from the top, 0xAARRGGBB
};

// The largest image of the file (the most colours among equally large ones).
// Uncompressed BMP images of 1, 4, 8, 24 and 32 bits per pixel with their AND
// mask are read; where a 32-bit image has no alpha at all the mask gives it.
// On failure error says what is wrong and the image is empty.
IconImage DecodeIcon(std::string_view file, std::string& error);

}  // namespace sd::platform

#pragma once
// The plain kind of BMP, as the game's own pictures are: a BITMAPINFOHEADER,
// 24 bits a pixel, no compression. These are read row by row straight into
// the 32-bit pixels the game draws with; SDL's loader would first make a
// 24-bit picture and then convert it pixel by pixel through its general path,
// which took the title picture 9 ms of the 30 the game needs to show its
// first screen, and held the picture twice while it did. Every other kind is
// left to SDL's loader.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sd::platform::detail {

struct PlainBmp {
    int width = 0;
    int height = 0;
    bool topDown = false;    // rows stored from the top (a negative height)
    uint32_t rowsAt = 0;     // where the first stored row starts in the file
    size_t rowBytes = 0;     // a stored row, padded to 4 bytes
};

// head: the first bytes of a file (54 are all it reads). A PlainBmp when the
// file is of the plain kind, with sides from 1 to kMaxPictureSide and its
// rows after the header; nullopt otherwise.
std::optional<PlainBmp> FindPlainBmp(std::string_view head);

// One stored row (width x 3 bytes, blue first) as width pixels 0x00RRGGBB.
void DecodePlainRow(const unsigned char* row, int width, uint32_t* out);

}  // namespace sd::platform::detail

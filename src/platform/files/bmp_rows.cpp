#include "platform/files/bmp_rows.h"

#include "platform/files/file_guard.h"
#include "platform/files/little_endian.h"

namespace sd::platform::detail {

namespace {
constexpr size_t kFileHeader = 14;
constexpr uint32_t kInfoHeader = 40;  // BITMAPINFOHEADER; the later ones carry colour masks and spaces
}  // namespace

std::optional<PlainBmp> FindPlainBmp(std::string_view head) {
    if (head.size() < kFileHeader + kInfoHeader || head[0] != 'B' || head[1] != 'M') return std::nullopt;
    if (U32(head, 14) != kInfoHeader || U16(head, 28) != 24 || U32(head, 30) != 0) return std::nullopt;
    const int32_t w = S32(head, 18), h = S32(head, 22);
    const uint32_t rowsAt = U32(head, 10);
    // Rows inside the header (or an offset of 0, "right after it") are the
    // odd cases SDL's loader has its own rules for.
    if (rowsAt < kFileHeader + kInfoHeader) return std::nullopt;
    if (w < 1 || w > kMaxPictureSide || h == 0 || h < -kMaxPictureSide || h > kMaxPictureSide) return std::nullopt;
    PlainBmp bmp;
    bmp.width = w;
    bmp.height = h < 0 ? -h : h;
    bmp.topDown = h < 0;
    bmp.rowsAt = rowsAt;
    bmp.rowBytes = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
    return bmp;
}

void DecodePlainRow(const unsigned char* row, int width, uint32_t* out) {
    for (int x = 0; x < width; ++x, row += 3) {
        out[x] = uint32_t{row[0]} | uint32_t{row[1]} << 8 | uint32_t{row[2]} << 16;
    }
}

}  // namespace sd::platform::detail

#include "platform/files/icon_decoder.h"

#include "platform/files/little_endian.h"

namespace sd::platform {

namespace {

using detail::U16;
using detail::U32;

// Rows of BMP data are padded to four bytes.
size_t RowBytes(long long width, int bits) { return static_cast<size_t>((width * bits + 31) / 32 * 4); }

struct Entry {
    size_t offset = 0;
    size_t size = 0;
    long long width = 0;
    long long height = 0;  // of the picture; the BMP's own height counts the mask too
    int bits = 0;
};

// The directory entry's image header, where it is one we can read.
bool ReadEntry(std::string_view file, size_t dirAt, Entry& e, std::string& why) {
    const size_t offset = U32(file, dirAt + 12);
    const size_t size = U32(file, dirAt + 8);
    if (offset > file.size() || size > file.size() - offset) {
        why = "an image lies beyond the end of the file";
        return false;
    }
    if (size < 40 || U32(file, offset) != 40) {
        why = "an image is not stored as a BMP (PNG icons are not read)";
        return false;
    }
    e.offset = offset;
    e.size = size;
    e.width = static_cast<int32_t>(U32(file, offset + 4));
    const long long bmpHeight = static_cast<int32_t>(U32(file, offset + 8));
    e.height = bmpHeight / 2;
    e.bits = static_cast<int>(U16(file, offset + 14));
    const uint32_t compression = U32(file, offset + 16);
    if (e.width < 1 || e.width > 256 || bmpHeight < 2 || e.height > 256 || bmpHeight % 2 != 0) {
        why = "an image of " + std::to_string(e.width) + " x " + std::to_string(e.height) + " pixels";
        return false;
    }
    if (compression != 0 || (e.bits != 1 && e.bits != 4 && e.bits != 8 && e.bits != 24 && e.bits != 32)) {
        why = "an image of " + std::to_string(e.bits) + " bits per pixel or compressed";
        return false;
    }
    return true;
}

}  // namespace

IconImage DecodeIcon(std::string_view file, std::string& error) {
    IconImage out;
    error.clear();
    if (file.size() < 6 || U16(file, 0) != 0 || (U16(file, 2) != 1 && U16(file, 2) != 2) || U16(file, 4) == 0) {
        error = "not an ICO or CUR file";
        return out;
    }
    const size_t count = U16(file, 4);
    if (file.size() < 6 + 16 * count) {
        error = "the file ends inside its list of images";
        return out;
    }
    Entry best;
    std::string why;
    for (size_t i = 0; i < count; ++i) {
        Entry e;
        if (!ReadEntry(file, 6 + 16 * i, e, why)) continue;
        if (e.width * e.height > best.width * best.height ||
            (e.width * e.height == best.width * best.height && e.bits > best.bits))
            best = e;
    }
    if (best.bits == 0) {
        error = why;
        return out;
    }

    const int bits = best.bits;
    const long long w = best.width, h = best.height;
    const std::string_view image = file.substr(best.offset, best.size);
    const uint32_t headerSize = 40;
    uint32_t colours = U32(image, 32);
    if (bits <= 8 && (colours == 0 || colours > (1u << bits))) colours = 1u << bits;
    if (bits > 8) colours = 0;
    const size_t paletteAt = headerSize;
    const size_t pixelsAt = paletteAt + 4 * size_t{colours};
    const size_t colourRow = RowBytes(w, bits), maskRow = RowBytes(w, 1);
    const size_t maskAt = pixelsAt + colourRow * static_cast<size_t>(h);
    if (maskAt > image.size()) {
        error = "the file ends inside an image";
        return out;
    }
    // Some writers leave the mask out of 32-bit images; the alpha has it all.
    const bool hasMask = maskAt + maskRow * static_cast<size_t>(h) <= image.size();
    if (!hasMask && bits != 32) {
        error = "the file ends inside an image's mask";
        return out;
    }

    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.argb.assign(static_cast<size_t>(w * h), 0);
    bool anyAlpha = false;
    for (long long y = 0; y < h; ++y) {
        // BMP rows run from the bottom up.
        const size_t row = pixelsAt + colourRow * static_cast<size_t>(h - 1 - y);
        uint32_t* dst = &out.argb[static_cast<size_t>(y * w)];
        for (long long x = 0; x < w; ++x) {
            uint32_t px = 0;
            if (bits == 32) {
                const size_t at = row + static_cast<size_t>(x) * 4;
                px = U32(image, at);  // B, G, R, A in memory: 0xAARRGGBB
                anyAlpha = anyAlpha || (px >> 24) != 0;
            } else if (bits == 24) {
                const size_t at = row + static_cast<size_t>(x) * 3;
                px = 0xFF000000u | U16(image, at) | (static_cast<uint32_t>(static_cast<uint8_t>(image[at + 2])) << 16);
            } else {
                const size_t bitAt = static_cast<size_t>(x) * static_cast<size_t>(bits);
                const uint8_t byte = static_cast<uint8_t>(image[row + bitAt / 8]);
                const unsigned index = (byte >> (8 - bits - bitAt % 8)) & ((1u << bits) - 1);
                px = index < colours ? (0xFF000000u | (U32(image, paletteAt + 4 * index) & 0xFFFFFFu)) : 0xFF000000u;
            }
            dst[x] = px;
        }
    }
    // The AND mask: a set bit is a transparent pixel. A 32-bit image that
    // carries alpha has said it all already.
    if (hasMask && !(bits == 32 && anyAlpha)) {
        for (long long y = 0; y < h; ++y) {
            const size_t row = maskAt + maskRow * static_cast<size_t>(h - 1 - y);
            uint32_t* dst = &out.argb[static_cast<size_t>(y * w)];
            for (long long x = 0; x < w; ++x) {
                const bool clear = (static_cast<uint8_t>(image[row + static_cast<size_t>(x) / 8]) >> (7 - x % 8)) & 1;
                dst[x] = clear ? 0 : (dst[x] | 0xFF000000u);
            }
        }
    }
    // Neither alpha nor mask: the picture is meant to be seen whole.
    if (bits == 32 && !anyAlpha && !hasMask)
        for (uint32_t& px : out.argb) px |= 0xFF000000u;
    return out;
}

}  // namespace sd::platform

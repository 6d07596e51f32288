#pragma once
// Minimal readers for the generated files, written from the file formats
// alone so the tests do not trust the generator's own writers.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace asset_test {

inline std::string fxPath(const std::string& name) { return std::string(SD_OUT_DIR) + "/fx/" + name; }

inline std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline uint32_t le16(const std::vector<uint8_t>& b, size_t at) {
    return at + 2 <= b.size() ? b[at] | (b[at + 1] << 8) : 0;
}
inline uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return at + 4 <= b.size() ? le16(b, at) | (le16(b, at + 2) << 16) : 0;
}

struct Bmp {
    bool ok = false;
    std::string why;
    int w = 0, h = 0;
    std::vector<uint32_t> px;  // 0xRRGGBB, top row first
    uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

// Uncompressed 24- or 32-bit Windows bitmap.
inline Bmp parseBmp(const std::vector<uint8_t>& b) {
    Bmp out;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return out.why = "not a BMP", out;
    const uint32_t offset = le32(b, 10), bits = le16(b, 28), compression = le32(b, 30);
    const int32_t w = static_cast<int32_t>(le32(b, 18)), hField = static_cast<int32_t>(le32(b, 22));
    if (compression != 0 || (bits != 24 && bits != 32)) return out.why = "unsupported format", out;
    const int h = hField < 0 ? -hField : hField;
    if (w <= 0 || h <= 0) return out.why = "bad size", out;
    const size_t stride = (static_cast<size_t>(w) * bits / 8 + 3) & ~size_t{3};
    if (offset + stride * h > b.size()) return out.why = "truncated", out;
    out.w = w;
    out.h = h;
    out.px.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const size_t row = offset + stride * static_cast<size_t>(hField < 0 ? y : h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const size_t p = row + static_cast<size_t>(x) * bits / 8;
            out.px[static_cast<size_t>(y) * w + x] = b[p] | (b[p + 1] << 8) | (b[p + 2] << 16);
        }
    }
    out.ok = true;
    return out;
}

inline Bmp loadBmpFile(const std::string& name) { return parseBmp(readFile(fxPath(name))); }

inline int brightness(uint32_t p) { return static_cast<int>(((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)); }

// Number of pixels in the block whose r+g+b exceeds the threshold.
inline int inkIn(const Bmp& img, int x0, int y0, int w, int h, int threshold = 60) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (brightness(img.at(x, y)) > threshold) ++n;
    return n;
}

inline double meanBrightness(const Bmp& img, int x0, int y0, int w, int h) {
    double sum = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) sum += brightness(img.at(x, y));
    return sum / (3.0 * w * h);
}

struct Wav {
    bool ok = false;
    std::string why;
    uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};

inline Wav parseWav(const std::vector<uint8_t>& b) {
    Wav out;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return out.why = "not RIFF/WAVE", out;
    if (le32(b, 4) + 8 != b.size()) return out.why = "RIFF size does not match the file", out;
    bool haveFmt = false, haveData = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const uint32_t size = le32(b, at + 4);
        if (at + 8 + size > b.size()) return out.why = "chunk overruns the file", out;
        if (id == "fmt ") {
            out.format = le16(b, at + 8);
            out.channels = le16(b, at + 10);
            out.rate = le32(b, at + 12);
            out.bits = le16(b, at + 22);
            haveFmt = true;
        } else if (id == "data") {
            for (size_t i = 0; i + 1 < size; i += 2) out.samples.push_back(static_cast<int16_t>(le16(b, at + 8 + i)));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFmt || !haveData) return out.why = "fmt or data chunk missing", out;
    out.ok = true;
    return out;
}

struct Ico {
    bool ok = false;
    std::string why;
    int w = 0, h = 0, bits = 0, heightField = 0;
    std::vector<uint32_t> argb;  // top row first
    std::vector<bool> transparent;  // from the AND mask
    uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * w + x]; }
};

// One-image .ico with a 32-bit DIB (BITMAPINFOHEADER, colour rows then AND mask).
inline Ico parseIco(const std::vector<uint8_t>& b) {
    Ico out;
    if (b.size() < 22 || le16(b, 0) != 0 || le16(b, 2) != 1 || le16(b, 4) < 1) return out.why = "not an icon", out;
    const uint32_t size = le32(b, 14), offset = le32(b, 18);
    if (offset + size > b.size() || le32(b, offset) != 40) return out.why = "bad image entry", out;
    out.w = static_cast<int>(le32(b, offset + 4));
    out.heightField = static_cast<int>(le32(b, offset + 8));
    out.h = out.heightField / 2;
    out.bits = static_cast<int>(le16(b, offset + 14));
    if (out.bits != 32 || out.w <= 0 || out.h <= 0) return out.why = "not a 32-bit image", out;
    const size_t colour = offset + 40, maskStride = ((static_cast<size_t>(out.w) + 31) / 32) * 4;
    const size_t mask = colour + static_cast<size_t>(out.w) * out.h * 4;
    if (mask + maskStride * out.h > b.size()) return out.why = "truncated", out;
    out.argb.resize(static_cast<size_t>(out.w) * out.h);
    out.transparent.resize(out.argb.size());
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            const int row = out.h - 1 - y;
            out.argb[static_cast<size_t>(y) * out.w + x] = le32(b, colour + (static_cast<size_t>(row) * out.w + x) * 4);
            out.transparent[static_cast<size_t>(y) * out.w + x] =
                (b[mask + row * maskStride + x / 8] >> (7 - x % 8)) & 1;
        }
    out.ok = true;
    return out;
}

}  // namespace asset_test

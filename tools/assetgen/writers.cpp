#include "writers.h"

#include <fstream>

namespace assetgen {
namespace {

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

// BITMAPINFOHEADER with the given height field and bit count.
void putInfoHeader(std::vector<uint8_t>& b, int w, int heightField, int bits, uint32_t imageSize) {
    put32(b, 40);
    put32(b, static_cast<uint32_t>(w));
    put32(b, static_cast<uint32_t>(heightField));
    put16(b, 1);
    put16(b, static_cast<uint32_t>(bits));
    put32(b, 0);  // BI_RGB
    put32(b, imageSize);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
}

}  // namespace

bool writeBmp(const std::string& path, const Image& img) {
    const int w = img.w(), h = img.h();
    const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(h);
    std::vector<uint8_t> b;
    b.reserve(54 + imageSize);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + imageSize);
    put32(b, 0);
    put32(b, 54);
    putInfoHeader(b, w, h, 24, imageSize);
    std::vector<uint32_t> px = img.quantised();
    for (int y = h - 1; y >= 0; --y) {  // bottom-up rows
        size_t start = b.size();
        for (int x = 0; x < w; ++x) {
            uint32_t p = px[static_cast<size_t>(y) * w + x];
            b.push_back(static_cast<uint8_t>(p));
            b.push_back(static_cast<uint8_t>(p >> 8));
            b.push_back(static_cast<uint8_t>(p >> 16));
        }
        while (b.size() - start < stride) b.push_back(0);
    }
    return save(path, b);
}

bool writeIco(const std::string& path, const std::vector<uint32_t>& argb, int size) {
    const uint32_t xorSize = static_cast<uint32_t>(size * size * 4);
    const uint32_t maskStride = ((static_cast<uint32_t>(size) + 31) / 32) * 4;
    const uint32_t andSize = maskStride * static_cast<uint32_t>(size);
    std::vector<uint8_t> b;
    // ICONDIR
    put16(b, 0);
    put16(b, 1);  // icon
    put16(b, 1);  // one image
    // ICONDIRENTRY
    b.push_back(static_cast<uint8_t>(size));
    b.push_back(static_cast<uint8_t>(size));
    b.push_back(0);  // no palette
    b.push_back(0);
    put16(b, 1);   // planes
    put16(b, 32);  // bits
    put32(b, 40 + xorSize + andSize);
    put32(b, 22);
    // The DIB: the height field counts the colour rows and the mask rows.
    putInfoHeader(b, size, size * 2, 32, xorSize + andSize);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            uint32_t p = argb[static_cast<size_t>(y) * size + x];
            b.push_back(static_cast<uint8_t>(p));
            b.push_back(static_cast<uint8_t>(p >> 8));
            b.push_back(static_cast<uint8_t>(p >> 16));
            b.push_back(static_cast<uint8_t>(p >> 24));
        }
    // AND mask: 1 = transparent.
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < size; ++x)
            if ((argb[static_cast<size_t>(y) * size + x] >> 24) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    return save(path, b);
}

bool writeWav(const std::string& path, const std::vector<int16_t>& samples, int rate) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> b;
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    put32(b, 36 + dataSize);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, static_cast<uint32_t>(rate));
    put32(b, static_cast<uint32_t>(rate) * 2);
    put16(b, 2);
    put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(b, dataSize);
    for (int16_t s : samples) put16(b, static_cast<uint16_t>(s));
    return save(path, b);
}

}  // namespace assetgen

#include "platform/files/file_guard.h"

#include <cstdio>
#include <cstdlib>

#include "platform/files/little_endian.h"

namespace sd::platform::detail {

namespace {

std::string TooLarge(long long w, long long h, long max) {
    return "the header claims " + std::to_string(w) + " x " + std::to_string(h) + " pixels (at most " +
           std::to_string(max) + " x " + std::to_string(max) + " are taken)";
}

std::string TooLong(size_t max) { return "longer than " + std::to_string(max) + " bytes"; }

}  // namespace

std::string BmpHeaderProblem(std::string_view fileHead, uintmax_t fileSize) {
    // SDL reads what lies past the end of a short file as zeros, and goes on.
    std::string head(fileHead.substr(0, 34));
    head.resize(34, '\0');
    long long w = 0, h = 0;
    uint32_t bits = 0, compression = 0;
    if (U32(head, 14) == 12) {  // the old OS/2 header: 16-bit sizes, never compressed
        w = U16(head, 18);
        h = U16(head, 20);
        bits = U16(head, 24);
    } else {
        w = S32(head, 18);
        h = std::llabs(S32(head, 22));  // negative: rows stored top-down
        bits = U16(head, 28);
        compression = U32(head, 30);
    }
    if (w > kMaxPictureSide || h > kMaxPictureSide) return TooLarge(w, h, kMaxPictureSide);
    if (w <= 0) return {};  // the decoder refuses it before allocating
    const uintmax_t offset = U32(head, 10);
    const uintmax_t held = fileSize > offset ? fileSize - offset : 0;
    const auto need = [&](uintmax_t bytes) {
        return "the pixels of " + std::to_string(w) + " x " + std::to_string(h) + " at " + std::to_string(bits) +
               " bits need " + std::to_string(bytes) + " bytes, the file holds " + std::to_string(held);
    };
    if (compression == 0 || compression == 3 || compression == 6) {
        // Plain rows (BI_RGB, BI_BITFIELDS, BI_ALPHABITFIELDS), each padded to 4 bytes.
        const uintmax_t rows = static_cast<uintmax_t>(h) * ((static_cast<uintmax_t>(w) * bits + 31) / 32 * 4);
        if (rows > held) return need(rows);
    } else {
        // Coded rows: a run codes at most 255 pixels in 2 bytes.
        const uintmax_t least = (static_cast<uintmax_t>(w) * static_cast<uintmax_t>(h) + 127) / 128;
        if (least > held) return need(least);
    }
    return {};
}

std::string IconFileProblem(std::string_view file) {
    if (file.size() < 6 || U16(file, 0) != 0 || (U16(file, 2) != 1 && U16(file, 2) != 2) || U16(file, 4) == 0) {
        return "not an ICO or CUR file";
    }
    if (file.size() > kMaxIconFileBytes) return TooLong(kMaxIconFileBytes);
    const uint32_t count = U16(file, 4);
    for (uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= file.size(); ++i) {
        const uint32_t offset = U32(file, 6 + 16 * i + 12);
        // Images stored as BMP data: the height counts the colour and the mask rows.
        if (offset > file.size() || file.size() - offset < 12 || U32(file, offset) != 40) continue;
        const long long w = S32(file, offset + 4), h = S32(file, offset + 8) / 2;
        if (w > kMaxIconSide || h > kMaxIconSide) return TooLarge(w, h, kMaxIconSide);
    }
    return {};
}

std::string WaveFileProblem(std::string_view file) {
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") return "not a WAVE file";
    if (file.size() > kMaxSoundFileBytes) return TooLong(kMaxSoundFileBytes);
    // The first format chunk is the one the decoder uses.
    for (size_t at = 12; at + 8 <= file.size();) {
        const uint32_t size = U32(file, at + 4);
        if (file.substr(at, 4) == "fmt ") {
            if (size < 8 || at + 16 > file.size()) return {};  // cut short; the decoder says so
            const uint32_t rate = U32(file, at + 12);
            if (rate < kMinSoundRate) {
                return "a rate of " + std::to_string(rate) + " Hz (at least " + std::to_string(kMinSoundRate) +
                       " Hz are taken)";
            }
            return {};
        }
        at += 8 + size_t{size} + (size & 1);  // chunks are padded to even lengths
    }
    return {};
}

bool ReadFileHead(const std::string& path, size_t limit, std::string& content) {
    content.clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char block[16384];
    size_t got = 0;
    while (content.size() <= limit && (got = std::fread(block, 1, sizeof block, f)) > 0) content.append(block, got);
    std::fclose(f);
    return true;
}

}  // namespace sd::platform::detail

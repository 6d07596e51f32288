// Our decoder of the pointer files: every depth it reads, the mask, the choice
// among several images, files cut short or of kinds it does not read, and the
// shipped pointers as SDL_image sees them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "byte_writer.h"
#include "platform/files/icon_decoder.h"

using sd::platform::DecodeIcon;
using sd::platform::IconImage;

using sd::platform::testing::Put16;
using sd::platform::testing::Put32;

namespace {

struct Picture {
    int w = 0, h = 0, bits = 32;
    std::vector<uint32_t> palette = {};                // for 1, 4 and 8 bits: 0x00RRGGBB
    std::function<uint32_t(int x, int y)> value = {};  // palette index, or 0xAARRGGBB / 0xRRGGBB
    std::function<bool(int x, int y)> clear = nullptr;  // the mask: transparent pixel
    bool withMask = true;
    uint32_t compression = 0;
};

// The BMP data of one image: header, palette, rows from the bottom, mask.
std::string ImageData(const Picture& p) {
    std::string b;
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(p.w));
    Put32(b, static_cast<uint32_t>(p.h * 2));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(p.bits));
    Put32(b, p.compression);
    for (int i = 0; i < 3; ++i) Put32(b, 0);  // image size, pixels per metre
    Put32(b, static_cast<uint32_t>(p.palette.size()));
    Put32(b, 0);
    for (uint32_t c : p.palette) Put32(b, c);
    const size_t rowBytes = static_cast<size_t>((p.w * p.bits + 31) / 32 * 4);
    for (int y = p.h - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < p.w; ++x) {
            const uint32_t v = p.value(x, y);
            if (p.bits == 32) {
                for (int k = 0; k < 4; ++k) row[x * 4 + k] = static_cast<char>(v >> (8 * k));
            } else if (p.bits == 24) {
                for (int k = 0; k < 3; ++k) row[x * 3 + k] = static_cast<char>(v >> (8 * k));
            } else if (p.bits <= 8) {
                const int bit = x * p.bits;
                row[bit / 8] = static_cast<char>(row[bit / 8] | (v << (8 - p.bits - bit % 8)));
            }
        }
        b += row;
    }
    if (p.withMask) {
        const size_t maskBytes = static_cast<size_t>((p.w + 31) / 32 * 4);
        for (int y = p.h - 1; y >= 0; --y) {
            std::string row(maskBytes, '\0');
            for (int x = 0; x < p.w; ++x)
                if (p.clear && p.clear(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            b += row;
        }
    }
    return b;
}

std::string Ico(const std::vector<Picture>& pictures) {
    std::string head, data;
    Put16(head, 0);
    Put16(head, 1);
    Put16(head, static_cast<uint32_t>(pictures.size()));
    size_t offset = 6 + 16 * pictures.size();
    for (const Picture& p : pictures) {
        const std::string d = ImageData(p);
        head += static_cast<char>(p.w);
        head += static_cast<char>(p.h);
        head += std::string(6, '\0');
        Put32(head, static_cast<uint32_t>(d.size()));
        Put32(head, static_cast<uint32_t>(offset));
        offset += d.size();
        data += d;
    }
    return head + data;
}

IconImage Decoded(const std::string& file) {
    std::string error;
    IconImage img = DecodeIcon(file, error);
    EXPECT_EQ(error, "");
    return img;
}

uint32_t At(const IconImage& img, int x, int y) { return img.argb.at(static_cast<size_t>(y * img.width + x)); }

}  // namespace

TEST(IconDecoder, ReadsEveryDepthRightWayUpWithItsMask) {
    // A 5 x 3 picture (odd sizes: rows are padded) whose top-left pixel is
    // masked away; each depth draws the same colours.
    const std::vector<uint32_t> colours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    auto index = [](int x, int y) { return static_cast<uint32_t>((x + y) % 4); };
    auto masked = [](int x, int y) { return x == 0 && y == 0; };
    for (int bits : {1, 4, 8, 24, 32}) {
        Picture p{.w = 5, .h = 3, .bits = bits};
        const int used = bits == 1 ? 2 : 4;
        if (bits <= 8) {
            p.palette.assign(colours.begin(), colours.begin() + used);
            p.value = [&, used](int x, int y) { return index(x, y) % static_cast<uint32_t>(used); };
        } else {
            p.value = [&, used](int x, int y) { return colours[index(x, y) % static_cast<uint32_t>(used)]; };
        }
        p.clear = masked;
        const IconImage img = Decoded(Ico({p}));
        ASSERT_EQ(img.width, 5) << bits;
        ASSERT_EQ(img.height, 3) << bits;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const uint32_t want = masked(x, y) ? 0 : 0xFF000000u | colours[index(x, y) % used];
                EXPECT_EQ(At(img, x, y), want) << bits << " bits at " << x << "," << y;
            }
    }
}

TEST(IconDecoder, AThirtyTwoBitImageWithAlphaKeepsItAndTheLargestImageIsTaken) {
    Picture small{.w = 16, .h = 16, .bits = 32, .value = [](int, int) { return 0xFFFF0000u; }};
    Picture large{.w = 32, .h = 32, .bits = 32, .value = [](int x, int) { return x < 16 ? 0x80102030u : 0u; }};
    large.clear = [](int, int) { return false; };  // an opaque mask does not override the alpha
    const IconImage img = Decoded(Ico({small, large}));
    ASSERT_EQ(img.width, 32);
    EXPECT_EQ(At(img, 3, 7), 0x80102030u);  // half transparent stays half
    EXPECT_EQ(At(img, 20, 7), 0u);

    Picture bare{.w = 4, .h = 4, .bits = 32, .value = [](int, int) { return 0x00123456u; }, .withMask = false};
    EXPECT_EQ(At(Decoded(Ico({bare})), 1, 1), 0xFF123456u);  // no alpha, no mask: all seen
}

TEST(IconDecoder, RefusesWhatItCannotReadAndNeverReadsPastTheEnd) {
    Picture ok{.w = 8, .h = 8, .bits = 8, .palette = {0x112233}, .value = [](int, int) { return 0u; }};
    const std::string good = Ico({ok});
    std::string error;
    ASSERT_FALSE(DecodeIcon(good, error).argb.empty());

    for (size_t cut = 0; cut < good.size(); ++cut) {  // every length short of the whole
        const IconImage img = DecodeIcon(good.substr(0, cut), error);
        EXPECT_TRUE(img.argb.empty()) << cut;
        EXPECT_NE(error, "") << cut;
    }
    Picture packed = ok;
    packed.compression = 1;
    EXPECT_TRUE(DecodeIcon(Ico({packed}), error).argb.empty());
    EXPECT_NE(error.find("compressed"), std::string::npos);

    Picture odd = ok;
    odd.bits = 16;
    EXPECT_TRUE(DecodeIcon(Ico({odd}), error).argb.empty());

    std::string png = good;
    png.replace(6 + 16, 4, "\x89PNG");
    EXPECT_TRUE(DecodeIcon(png, error).argb.empty());
    EXPECT_NE(error.find("PNG"), std::string::npos);

    std::string wide = good;
    wide[6 + 16 + 4] = 0;
    wide[6 + 16 + 5] = 2;  // 512 pixels wide
    EXPECT_TRUE(DecodeIcon(wide, error).argb.empty());

    std::string far = good;
    far[6 + 12 + 3] = 0x7F;  // the image's offset far beyond the end
    EXPECT_TRUE(DecodeIcon(far, error).argb.empty());
    EXPECT_NE(error.find("beyond"), std::string::npos);
}

TEST(IconDecoder, TheShippedPointersLookAsSdlImageShowsThem) {
    for (const char* name : {"c1.ico", "c2.ico"}) {
        const std::string path = std::string(SD_OUT_DIR) + "/fx/" + name;
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const IconImage ours = Decoded(file);

        SDL_Surface* loaded = IMG_LoadICO_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())));
        ASSERT_NE(loaded, nullptr) << IMG_GetError();
        SDL_Surface* theirs = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
        ASSERT_EQ(ours.width, theirs->w);
        ASSERT_EQ(ours.height, theirs->h);
        int seen = 0;
        for (int y = 0; y < theirs->h; ++y)
            for (int x = 0; x < theirs->w; ++x) {
                const uint32_t t = static_cast<const uint32_t*>(theirs->pixels)[y * theirs->pitch / 4 + x];
                const uint32_t o = At(ours, x, y);
                // The same shape; SDL_image makes the soft edges opaque, we keep them soft.
                EXPECT_EQ(t >> 24 == 0, o >> 24 == 0) << name << " " << x << "," << y;
                if (o >> 24 == 0xFF) {
                    EXPECT_EQ(t, o) << name << " " << x << "," << y;
                }
                seen += o >> 24 != 0;
            }
        EXPECT_GT(seen, 20) << name;
        SDL_FreeSurface(theirs);
    }
}

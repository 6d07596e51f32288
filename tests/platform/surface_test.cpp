// Drawing on surfaces, checked pixel by pixel.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/draw/bitmap_files.h"
#include "platform/draw/surface.h"
#include "platform/draw/surface_access.h"
#include "byte_writer.h"

using namespace sd::platform;

namespace {

// A surface with a different colour in every pixel, so XOR damage shows anywhere.
Surface Patterned(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, MakeColor(x * 7, y * 13, (x * y) & 255));
    return s;
}

bool SameImage(const Surface& a, const Surface& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

int CountColour(const Surface& s, uint32_t rgb) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == rgb;
    return n;
}

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "sd_surface_" + name; }

}  // namespace

TEST(SurfaceXor, EveryLineDrawnTwiceRestoresThePicture) {
    const Surface original = Patterned(64, 48);
    struct L {
        int x1, y1, x2, y2, width;
    };
    const L lines[] = {
        {0, 0, 63, 47, 1},    {5, 40, 60, 3, 1},      {10, 10, 10, 10, 1},   // diagonal, steep, a point
        {-20, 5, 80, 30, 1},  {30, -100, 31, 200, 1}, {-5, -5, -1, -1, 1},   // partly and wholly outside
        {3, 3, 60, 20, 2},    {3, 40, 50, 5, 3},      {20, 20, 21, 40, 5},   // thick lines overlap themselves
        {-10, 24, 70, 24, 4}, {0, 0, 63, 47, 7},      {-2000000000, 10, 2000000000, 30, 3},
    };
    for (const L& l : lines) {
        Surface s = original.clone();
        s.line(l.x1, l.y1, l.x2, l.y2, Color{0x5A, 0xA5, 0xFF}, l.width, DrawMode::Xor);
        if (l.x1 >= 0 && l.x1 < 64 && l.y1 >= 0 && l.y1 < 48) {
            EXPECT_NE(s.pixel(l.x1, l.y1), original.pixel(l.x1, l.y1)) << "first end point flipped";
        }
        s.line(l.x1, l.y1, l.x2, l.y2, Color{0x5A, 0xA5, 0xFF}, l.width, DrawMode::Xor);
        EXPECT_TRUE(SameImage(s, original)) << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2 << " w" << l.width;
    }
}

TEST(SurfaceLine, IncludesBothEndPointsAndIsClipped) {
    Surface s(20, 10);
    s.line(2, 3, 12, 7, Color{255, 0, 0});
    EXPECT_EQ(s.pixel(2, 3), 0xFF0000u);
    EXPECT_EQ(s.pixel(12, 7), 0xFF0000u);
    EXPECT_EQ(CountColour(s, 0xFF0000u), 11);  // one pixel per column of an x-major line

    Surface h(20, 10);
    h.line(-5, 4, 30, 4, Color{0, 255, 0});
    EXPECT_EQ(CountColour(h, 0x00FF00u), 20);
    h.line(5, 9, 5, 50, Color{0, 0, 255});
    EXPECT_EQ(h.pixel(5, 9), 0x0000FFu);
}

TEST(SurfaceLine, ThickLineIsCentredOnTheThinOne) {
    Surface s(30, 30);
    s.line(5, 15, 25, 15, Color{255, 255, 255}, 3);
    for (int y : {14, 15, 16}) EXPECT_EQ(s.pixel(15, y), 0xFFFFFFu) << y;
    EXPECT_EQ(s.pixel(15, 13), 0u);
    EXPECT_EQ(s.pixel(15, 17), 0u);
}

TEST(SurfaceRect, OutlineHasBothCornersAndFillIncludesThem) {
    Surface s(20, 20);
    s.rect(12, 15, 3, 4, Color{9, 9, 9});  // corners given in any order
    for (auto [x, y] : {std::pair{3, 4}, {12, 4}, {3, 15}, {12, 15}}) EXPECT_EQ(s.pixel(x, y), 0x090909u);
    EXPECT_EQ(s.pixel(7, 9), 0u);  // inside stays
    EXPECT_EQ(CountColour(s, 0x090909u), 2 * 10 + 2 * 12 - 4);

    Surface f(20, 20);
    f.fillRect(3, 4, 12, 15, Color{1, 2, 3});
    EXPECT_EQ(CountColour(f, 0x010203u), 10 * 12);
    EXPECT_EQ(f.pixel(12, 15), 0x010203u);
    EXPECT_EQ(f.pixel(13, 15), 0u);

    Surface c(10, 10);
    c.fillRect(-100, 8, 100, 200, Color{5, 5, 5});  // clipped at the edges
    EXPECT_EQ(CountColour(c, 0x050505u), 20);
    c.rect(0, 0, 100, 100, Color{7, 7, 7});  // right and bottom sides lie outside
    EXPECT_EQ(c.pixel(0, 9), 0x070707u);
    EXPECT_EQ(c.pixel(9, 0), 0x070707u);
    EXPECT_EQ(c.pixel(9, 5), 0u);
}

TEST(SurfaceCircle, OutlineIsSymmetricAndFillCoversTheDisc) {
    Surface s(21, 21);
    s.circle(10, 10, 5, Color{255, 0, 0});
    for (auto [x, y] : {std::pair{15, 10}, {5, 10}, {10, 15}, {10, 5}}) EXPECT_EQ(s.pixel(x, y), 0xFF0000u);
    EXPECT_EQ(s.pixel(10, 10), 0u);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) EXPECT_EQ(s.pixel(x, y), s.pixel(20 - x, y)) << x << "," << y;

    Surface f(21, 21);
    f.fillCircle(10, 10, 5, Color{0, 255, 0});
    EXPECT_EQ(f.pixel(10, 10), 0x00FF00u);
    EXPECT_EQ(f.pixel(14, 12), 0x00FF00u);
    EXPECT_EQ(f.pixel(15, 15), 0u);  // the corner of the square is outside
    // The fill reaches exactly as far as the outline.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (s.pixel(x, y) == 0xFF0000u) {
                EXPECT_EQ(f.pixel(x, y), 0x00FF00u) << x << "," << y;
            }

    Surface tiny(3, 3);
    tiny.circle(1, 1, 0, Color{1, 1, 1});
    EXPECT_EQ(CountColour(tiny, 0x010101u), 1);
    tiny.fillCircle(-50, -50, 3, Color{2, 2, 2});  // far outside: nothing, no crash
    tiny.circle(1, 1, -4, Color{2, 2, 2});
    EXPECT_EQ(CountColour(tiny, 0x020202u), 0);
}

TEST(SurfaceBlit, ClipsAtBothSurfaces) {
    const Surface src = Patterned(10, 8);
    Surface dst(6, 6, Color{1, 1, 1});
    dst.blit(src, 2, 3, 8, 8, -1, -2);  // source block runs past src, destination starts outside
    // dst(0,0) <- src(3,5); block is 8x5 after clipping to src, then to dst.
    EXPECT_EQ(dst.pixel(0, 0), src.pixel(3, 5));
    EXPECT_EQ(dst.pixel(5, 2), src.pixel(8, 7));
    EXPECT_EQ(dst.pixel(0, 3), 0x010101u);  // below the clipped block
    Surface whole(4, 4);
    whole.blit(src, 1, 1);
    EXPECT_EQ(whole.pixel(3, 3), src.pixel(2, 2));
    EXPECT_EQ(whole.pixel(0, 0), 0u);
    whole.blit(whole, 0, 0, 2, 2, 2, 2);  // onto itself
    EXPECT_EQ(whole.pixel(3, 3), whole.pixel(1, 1));
}

TEST(SurfaceFiles, BmpRoundTripAndErrorsNameTheFile) {
    const Surface src = Patterned(13, 7);  // odd width: rows are padded in the file
    const std::string good = TempPath("good.bmp");
    ASSERT_TRUE(SaveBmp(src, good));
    std::string error;
    Surface back = LoadBmp(good, &error);
    ASSERT_FALSE(back.empty()) << error;
    EXPECT_TRUE(SameImage(back, src));

    Surface none = LoadBmp(TempPath("missing.bmp"), &error);
    EXPECT_TRUE(none.empty());
    EXPECT_NE(error.find("missing.bmp"), std::string::npos) << error;

    const std::string text = TempPath("text.bmp");
    std::ofstream(text) << "hello, not a picture";
    EXPECT_TRUE(LoadBmp(text, &error).empty());
    EXPECT_NE(error.find("text.bmp"), std::string::npos);
    EXPECT_NE(error.find("not a BMP"), std::string::npos) << error;

    // Cut the good file short in the middle of its pixels.
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string cut = TempPath("cut.bmp");
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    EXPECT_TRUE(LoadBmp(cut, &error).empty());
    EXPECT_NE(error.find("cut.bmp"), std::string::npos) << error;

    EXPECT_TRUE(SavePng(src, TempPath("shot.png")));
    EXPECT_FALSE(SaveBmp(Surface(), TempPath("empty.bmp")));
}

// The game's own pictures are read row by row instead of by SDL's loader:
// every bit of every pixel must come out as SDL's loader and conversion make
// it, for each layout such a file can have and for every picture shipped.
TEST(SurfaceFiles, PlainBmpsLoadAsSdlWouldLoadThem) {
    const auto expectSameAsSdl = [](const std::string& path) {
        std::string error;
        const Surface ours = LoadBmp(path, &error);
        ASSERT_FALSE(ours.empty()) << path << ": " << error;
        SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
        ASSERT_NE(loaded, nullptr) << path;
        SDL_Surface* sdl = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
        SDL_FreeSurface(loaded);
        const SDL_Surface* mine = SurfaceAccess::native(ours);
        ASSERT_EQ(mine->w, sdl->w);
        ASSERT_EQ(mine->h, sdl->h);
        ASSERT_EQ(mine->format->format, sdl->format->format);
        for (int y = 0; y < sdl->h; ++y) {
            ASSERT_EQ(std::memcmp(static_cast<const char*>(mine->pixels) + y * mine->pitch,
                                  static_cast<const char*>(sdl->pixels) + y * sdl->pitch, size_t(sdl->w) * 4), 0)
                << path << ", row " << y;
        }
        SDL_FreeSurface(sdl);
    };
    for (const int width : {1, 13, 16}) {
        for (const bool topDown : {false, true}) {
            const int height = 5, rowBytes = (width * 3 + 3) / 4 * 4, rowsAt = 54 + 6;  // a gap before the rows
            std::string bmp = "BM";
            sd::platform::testing::Put32(bmp, rowsAt + rowBytes * height);
            sd::platform::testing::Put32(bmp, 0);
            sd::platform::testing::Put32(bmp, rowsAt);
            sd::platform::testing::Put32(bmp, 40);
            sd::platform::testing::Put32(bmp, width);
            sd::platform::testing::Put32(bmp, static_cast<uint32_t>(topDown ? -height : height));
            sd::platform::testing::Put16(bmp, 1);
            sd::platform::testing::Put16(bmp, 24);
            for (int i = 0; i < 6; ++i) sd::platform::testing::Put32(bmp, 0);
            bmp.append(6, '\x7F');
            for (int i = 0; i < rowBytes * height; ++i) bmp += static_cast<char>(i * 37 + 11);
            const std::string path = TempPath("plain" + std::to_string(width) + (topDown ? "t" : "b") + ".bmp");
            std::ofstream(path, std::ios::binary) << bmp;
            expectSameAsSdl(path);
        }
    }
    for (const char* name : {"back", "main", "screen1", "t0", "expl", "font_r", "butt4_a", "plasma", "weapon"}) {
        expectSameAsSdl(std::string(SD_OUT_DIR) + "/fx/" + name + ".bmp");
    }
}

// Our own writer (the game does not link SDL2_image), read back by a real
// PNG reader: every pixel as drawn, across more than one stored block.
TEST(SurfaceFiles, PngIsReadBackPixelForPixel) {
    Surface src(300, 120, Color{10, 20, 30});
    src.line(0, 0, 299, 119, Color{255, 128, 1}, 3);
    src.fillRect(40, 50, 90, 100, Color{200, 0, 250});
    const std::string path = TempPath("round.png");
    ASSERT_TRUE(SavePng(src, path));
    SDL_Surface* read = IMG_Load(path.c_str());
    ASSERT_NE(read, nullptr) << IMG_GetError();
    const Surface back = SurfaceAccess::adopt(read);
    ASSERT_EQ(back.width(), 300);
    ASSERT_EQ(back.height(), 120);
    int wrong = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x) wrong += back.pixel(x, y) != src.pixel(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST(SurfaceBasics, EmptyAndOutsideAccessIsHarmless) {
    Surface e;
    EXPECT_TRUE(e.empty());
    e.line(0, 0, 10, 10, Color{1, 1, 1}, 3, DrawMode::Xor);
    e.fillRect(0, 0, 5, 5, Color{});
    e.setPixel(0, 0, Color{});
    EXPECT_EQ(e.pixel(0, 0), 0u);
    EXPECT_TRUE(Surface(0, 5).empty());
    Surface s(2, 2, Color{10, 20, 30});
    EXPECT_EQ(s.pixel(1, 1), 0x0A141Eu);
    EXPECT_EQ(s.pixel(2, 0), 0u);
    EXPECT_EQ(s.pixel(-1, 0), 0u);
    Surface moved = std::move(s);
    EXPECT_EQ(moved.width(), 2);
}

#pragma once
// A 32-bit software drawing surface. Coordinates are pixels from the top-left
// corner; everything drawn outside is clipped. Only the platform knows that an
// SDL surface sits behind it.
//
// Copies share their pixels until one of them is drawn on: a picture handed
// from a loader to a panel, or from the clean board to the board, is held
// once, and a panel that only shows its picture holds no second copy of it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/draw/color.h"
#include "platform/draw/damage.h"

struct SDL_Surface;

namespace sd::platform {

class Font;

enum class DrawMode { Copy, Xor };

class Surface {
public:
    Surface();                                         // no picture: 0 x 0
    Surface(int width, int height, Color fill = {});   // sizes < 1 give an empty surface
    ~Surface();
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    // A copy of its own; the pixels are shared until either side is drawn on.
    Surface clone() const;

    // Files: LoadBmp, SaveBmp and SavePng (platform/draw/bitmap_files.h).

    bool empty() const;
    int width() const;
    int height() const;

    uint32_t pixel(int x, int y) const;  // 0xRRGGBB; 0 outside the surface
    void setPixel(int x, int y, Color c);
    void fill(Color c);

    // Lines include both end points. width > 1 draws a thicker line centred on
    // the thin one. Xor flips the bits of the pixels, so drawing the same line
    // twice restores every pixel.
    void line(int x1, int y1, int x2, int y2, Color c, int width = 1, DrawMode mode = DrawMode::Copy);
    // Outline of the rectangle with corners (x1, y1) and (x2, y2), both on it.
    void rect(int x1, int y1, int x2, int y2, Color c);
    // Filled rectangle, both corners included.
    void fillRect(int x1, int y1, int x2, int y2, Color c);
    void circle(int cx, int cy, int radius, Color c);
    void fillCircle(int cx, int cy, int radius, Color c);

    // Opaque copy of the w x h block at (sx, sy) of src to (dx, dy); clipped on
    // both sides.
    void blit(const Surface& src, int sx, int sy, int w, int h, int dx, int dy);
    void blit(const Surface& src, int dx, int dy);

    // Text (Windows-1252 bytes) with its top-left corner at (x, y), no background.
    void drawText(const Font& font, int x, int y, std::string_view text, Color c);
    // The same for UTF-8 text: the game's own lines that use signs the
    // Windows-1252 data files cannot hold (arrows).
    void drawUtf8Text(const Font& font, int x, int y, std::string_view text, Color c);

private:
    // The platform reaches the SDL pixels and the damage bookkeeping through
    // SurfaceAccess (platform/draw/surface_access.h).
    friend struct SurfaceAccess;
    explicit Surface(SDL_Surface* adopt);
    void drawText(const Font& font, int x, int y, std::string_view text, Color c, bool isUtf8);
    // The pixels, now this surface's own, with area noted as changed.
    SDL_Surface* edit(const Rect& area);
    Rect bounds() const { return {0, 0, width(), height()}; }

    std::shared_ptr<SDL_Surface> s_;
    uint64_t changes_ = 0;
    Damage damage_;
};

}  // namespace sd::platform

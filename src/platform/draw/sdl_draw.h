#pragma once
// What the drawing room's SDL code shares: the one pixel format, the text
// conversion for SDL_ttf, and text onto a surface. Includes SDL; never
// included from outside src/platform.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace sd::platform::detail {

// The pixel format of every surface: 32-bit, 0x00RRGGBB.
constexpr uint32_t kPixelFormat = SDL_PIXELFORMAT_RGB888;

// A new surface of kPixelFormat, for a caller that writes all its pixels at
// once (a fill, a copy, a decoded picture); null when w or h < 1 or memory
// runs out. Free it with FreeSurface.
SDL_Surface* NewSurface(int width, int height);
// Frees a surface of NewSurface or of SDL's own making.
void FreeSurface(SDL_Surface* s);

// Row y of s's pixels (a surface of kPixelFormat).
inline uint32_t* Row(SDL_Surface* s, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch);
}

// The data files are Windows-1252; SDL_ttf wants UTF-8.
std::string Win1252ToUtf8(std::string_view text);

// Starts SDL_ttf once per process.
bool EnsureTtf();

}  // namespace sd::platform::detail

namespace sd::platform {
class Font;
struct Color;
namespace detail {
// Text (Windows-1252) blended onto dst at (x, y), within dst's clip rectangle.
void DrawText(SDL_Surface* dst, const Font& font, int x, int y, std::string_view text, Color c);
}  // namespace detail
}  // namespace sd::platform

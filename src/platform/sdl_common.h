#pragma once
// Internals shared by the platform's source files. This header includes SDL and
// is never included from outside src/platform.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace sd::platform::detail {

// The pixel format of every surface: 32-bit, 0x00RRGGBB.
constexpr uint32_t kPixelFormat = SDL_PIXELFORMAT_RGB888;

// The data files are Windows-1252; SDL_ttf wants UTF-8.
std::string Win1252ToUtf8(std::string_view text);

// Starts SDL's video and event subsystems once per process. Headless runs
// select the dummy drivers first. Returns false (error set) when SDL cannot start.
bool EnsureSdlVideo(bool headless, std::string* error);
bool IsHeadlessProcess();

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

namespace sd::platform::detail {

}  // namespace sd::platform::detail

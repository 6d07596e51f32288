// Text on surfaces: rendered anti-aliased by SDL_ttf and blended onto the
// surface, so the picture shows through around the letters.
#include <SDL_ttf.h>

#include "platform/draw/font.h"
#include "platform/draw/sdl_draw.h"
#include "platform/draw/surface.h"

namespace sd::platform {

namespace detail {

SDL_Surface* RenderText(const Font& font, std::string_view text, Color c, bool isUtf8 = false) {
    if (text.empty() || !font.valid()) return nullptr;
    auto* ttf = static_cast<TTF_Font*>(font.native());
    const std::string utf8 = isUtf8 ? std::string(text) : Win1252ToUtf8(text);
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(ttf, utf8.c_str(), SDL_Color{c.r, c.g, c.b, 255});
    if (glyphs) SDL_SetSurfaceBlendMode(glyphs, SDL_BLENDMODE_BLEND);
    return glyphs;
}

void DrawText(SDL_Surface* dst, const Font& font, int x, int y, std::string_view text, Color c) {
    if (SDL_Surface* glyphs = RenderText(font, text, c)) {
        SDL_Rect to{x, y, glyphs->w, glyphs->h};
        SDL_BlitSurface(glyphs, nullptr, dst, &to);  // honours dst's clip rectangle
        SDL_FreeSurface(glyphs);
    }
}

}  // namespace detail

void Surface::drawText(const Font& font, int x, int y, std::string_view text, Color c) {
    drawText(font, x, y, text, c, false);
}

void Surface::drawUtf8Text(const Font& font, int x, int y, std::string_view text, Color c) {
    drawText(font, x, y, text, c, true);
}

void Surface::drawText(const Font& font, int x, int y, std::string_view text, Color c, bool isUtf8) {
    if (!s_) return;
    SDL_Surface* glyphs = detail::RenderText(font, text, c, isUtf8);
    if (!glyphs) return;
    SDL_Rect dst{x, y, glyphs->w, glyphs->h};
    if (SDL_Surface* s = edit({x, y, glyphs->w, glyphs->h})) SDL_BlitSurface(glyphs, nullptr, s, &dst);
    SDL_FreeSurface(glyphs);
}

}  // namespace sd::platform

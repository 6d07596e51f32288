// Text on surfaces: rendered anti-aliased by SDL_ttf and blended onto the
// surface, so the picture shows through around the letters.
#include <SDL_ttf.h>

#include "platform/font.h"
#include "platform/sdl_common.h"
#include "platform/surface.h"

namespace sd::platform {

void Surface::drawText(const Font& font, int x, int y, std::string_view text, Color c) {
    if (!s_ || text.empty() || !font.valid()) return;
    auto* ttf = static_cast<TTF_Font*>(font.native());
    const std::string utf8 = detail::Win1252ToUtf8(text);
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(ttf, utf8.c_str(), SDL_Color{c.r, c.g, c.b, 255});
    if (!glyphs) return;
    SDL_SetSurfaceBlendMode(glyphs, SDL_BLENDMODE_BLEND);
    SDL_Rect dst{x, y, glyphs->w, glyphs->h};
    // Only the part inside the clip rectangle changes (the platform clips its
    // own drawing of labels and captions).
    if (SDL_Surface* s = edit(Intersect({x, y, glyphs->w, glyphs->h}, {s_->clip_rect.x, s_->clip_rect.y,
                                                                        s_->clip_rect.w, s_->clip_rect.h}))) {
        SDL_BlitSurface(glyphs, nullptr, s, &dst);
    }
    SDL_FreeSurface(glyphs);
}

}  // namespace sd::platform

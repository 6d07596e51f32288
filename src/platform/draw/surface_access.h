#pragma once
// What only the platform's own rooms touch of a surface: the SDL pixels
// behind it and the bookkeeping of what changed, which the compositor reads
// to redraw only what moved. The game draws through Surface's public face.
#include <cstdint>

#include "platform/draw/surface.h"

namespace sd::platform {

struct SurfaceAccess {
    // Read the pixels from here; the surface keeps owning them.
    static SDL_Surface* native(const Surface& s) { return s.s_.get(); }
    // Draw into these pixels: they are made the surface's own first, and
    // area is noted as changed.
    static SDL_Surface* writable(Surface& s, const Rect& area) { return s.edit(area); }
    // Takes over an SDL surface (converted to the canvas's format).
    static Surface adopt(SDL_Surface* raw) { return Surface(raw); }

    // How often the pixels changed.
    static uint64_t changes(const Surface& s) { return s.changes_; }
    // Where they changed since the platform last looked: a frame recomposes
    // only these rectangles of what is on screen.
    static const Damage& damage(const Surface& s) { return s.damage_; }
    static void forgetDamage(Surface& s) { s.damage_.clear(); }

    // True when a and b hold the very same pixels (not a copy).
    static bool sharesPixels(const Surface& a, const Surface& b) { return a.s_ && a.s_ == b.s_; }
    // True when no other surface holds these pixels.
    static bool ownsPixels(const Surface& s) { return s.s_ && s.s_.use_count() == 1; }
};

}  // namespace sd::platform

// Surface basics: creation, pixels and opaque blits.
#include "platform/draw/surface.h"

#include <algorithm>
#include <cstring>

#include "platform/draw/sdl_draw.h"

namespace sd::platform {

using detail::kPixelFormat;
using detail::Row;

namespace {

uint32_t Pack(Color c) { return 0xFF000000u | c.rgb(); }

std::shared_ptr<SDL_Surface> Own(SDL_Surface* s) { return std::shared_ptr<SDL_Surface>(s, detail::FreeSurface); }

SDL_Surface* Copy(const SDL_Surface* from) {
    SDL_Surface* copy = detail::NewSurface(from->w, from->h);
    if (copy) {
        for (int y = 0; y < from->h; ++y)
            std::memcpy(Row(copy, y), Row(const_cast<SDL_Surface*>(from), y), static_cast<size_t>(from->w) * 4);
    }
    return copy;
}

}  // namespace

Surface::Surface() = default;

Surface::Surface(int width, int height, Color fill) {
    if (SDL_Surface* raw = detail::NewSurface(width, height)) {
        SDL_FillRect(raw, nullptr, Pack(fill));
        s_ = Own(raw);
    }
}

Surface::Surface(SDL_Surface* adopt) {
    if (adopt && adopt->format->format != kPixelFormat) {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(adopt, kPixelFormat, 0);
        SDL_FreeSurface(adopt);
        adopt = converted;
    }
    if (adopt) s_ = Own(adopt);
}

Surface::~Surface() = default;

Surface::Surface(Surface&& other) noexcept
    : s_(std::move(other.s_)), changes_(other.changes_), damage_(other.damage_) {
    other.damage_.clear();
}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        s_ = std::move(other.s_);
        other.damage_.clear();
        // Whatever stood here before is replaced as a whole.
        damage_.clear();
        damage_.add(bounds());
        ++changes_;
    }
    return *this;
}

Surface Surface::clone() const {
    Surface copy;
    copy.s_ = s_;
    return copy;
}

SDL_Surface* Surface::edit(const Rect& area) {
    if (!s_) return nullptr;
    if (s_.use_count() > 1) {
        SDL_Surface* own = Copy(s_.get());
        if (!own) return nullptr;
        s_ = Own(own);
    }
    damage_.add(Intersect(area, bounds()));
    ++changes_;
    return s_.get();
}

bool Surface::empty() const { return s_ == nullptr; }
int Surface::width() const { return s_ ? s_->w : 0; }
int Surface::height() const { return s_ ? s_->h : 0; }

uint32_t Surface::pixel(int x, int y) const {
    if (!s_ || x < 0 || y < 0 || x >= s_->w || y >= s_->h) return 0;
    return Row(s_.get(), y)[x] & 0xFFFFFFu;
}

void Surface::setPixel(int x, int y, Color c) {
    if (!s_ || x < 0 || y < 0 || x >= s_->w || y >= s_->h) return;
    if (SDL_Surface* s = edit({x, y, 1, 1})) Row(s, y)[x] = Pack(c);
}

void Surface::fill(Color c) {
    if (!s_) return;
    if (s_.use_count() > 1) s_ = Own(detail::NewSurface(s_->w, s_->h));  // every pixel is new: nothing to copy
    if (SDL_Surface* s = edit(bounds())) SDL_FillRect(s, nullptr, Pack(c));
}

void Surface::fillRect(int x1, int y1, int x2, int y2, Color c) {
    if (!s_) return;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x2 < 0 || y2 < 0 || x1 >= s_->w || y1 >= s_->h) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, s_->w - 1);
    y2 = std::min(y2, s_->h - 1);
    SDL_Rect r{x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    if (SDL_Surface* s = edit({r.x, r.y, r.w, r.h})) SDL_FillRect(s, &r, Pack(c));
}

void Surface::blit(const Surface& src, int sx, int sy, int w, int h, int dx, int dy) {
    if (!s_ || !src.s_ || w <= 0 || h <= 0) return;
    // Clip against the source, then against the destination; 64-bit so that
    // extreme positions cannot overflow.
    int64_t x0 = sx, y0 = sy, x1 = int64_t{sx} + w, y1 = int64_t{sy} + h;
    int64_t ox = int64_t{dx} - sx, oy = int64_t{dy} - sy;  // destination = source + offset
    x0 = std::max<int64_t>(x0, 0);
    y0 = std::max<int64_t>(y0, 0);
    x1 = std::min<int64_t>(x1, src.s_->w);
    y1 = std::min<int64_t>(y1, src.s_->h);
    x0 = std::max<int64_t>(x0, -ox);
    y0 = std::max<int64_t>(y0, -oy);
    x1 = std::min<int64_t>(x1, s_->w - ox);
    y1 = std::min<int64_t>(y1, s_->h - oy);
    if (x0 >= x1 || y0 >= y1) return;
    // Held by src too: edit() takes a copy first, src keeps its pixels.
    const std::shared_ptr<SDL_Surface> from = src.s_;
    SDL_Surface* to = edit({static_cast<int>(x0 + ox), static_cast<int>(y0 + oy), static_cast<int>(x1 - x0),
                            static_cast<int>(y1 - y0)});
    if (!to) return;
    const size_t bytes = static_cast<size_t>(x1 - x0) * 4;
    for (int64_t y = y0; y < y1; ++y) {
        std::memcpy(Row(to, static_cast<int>(y + oy)) + (x0 + ox), Row(from.get(), static_cast<int>(y)) + x0, bytes);
    }
}

void Surface::blit(const Surface& src, int dx, int dy) { blit(src, 0, 0, src.width(), src.height(), dx, dy); }

}  // namespace sd::platform

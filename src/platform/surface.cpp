// Surface basics: creation, files, pixels and opaque blits.
#include "platform/surface.h"

#include <SDL_image.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/sdl_common.h"

namespace sd::platform {

using detail::kPixelFormat;

namespace {

SDL_Surface* CreateRaw(int width, int height) {
    if (width < 1 || height < 1) return nullptr;
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kPixelFormat);
}

uint32_t* Row(SDL_Surface* s, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch);
}

uint32_t Pack(Color c) { return 0xFF000000u | c.rgb(); }

}  // namespace

Surface::Surface() = default;

Surface::Surface(int width, int height, Color fill) : s_(CreateRaw(width, height)) {
    if (s_) SDL_FillRect(s_, nullptr, Pack(fill));
}

Surface::Surface(SDL_Surface* adopt) : s_(adopt) {
    if (s_ && s_->format->format != kPixelFormat) {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(s_, kPixelFormat, 0);
        SDL_FreeSurface(s_);
        s_ = converted;
    }
}

Surface::~Surface() {
    if (s_) SDL_FreeSurface(s_);
}

Surface::Surface(Surface&& other) noexcept : s_(other.s_) { other.s_ = nullptr; }

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        if (s_) SDL_FreeSurface(s_);
        s_ = other.s_;
        other.s_ = nullptr;
        ++changes_;
    }
    return *this;
}

Surface Surface::clone() const {
    Surface copy;
    if (s_) {
        copy.s_ = CreateRaw(s_->w, s_->h);
        if (copy.s_) {
            for (int y = 0; y < s_->h; ++y) std::memcpy(Row(copy.s_, y), Row(s_, y), static_cast<size_t>(s_->w) * 4);
        }
    }
    return copy;
}

Surface Surface::loadBmp(const std::string& path, std::string* error) {
    // Look at the file first so that the message says what is wrong with it.
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (error) *error = "Cannot open " + path + ": " + std::strerror(errno);
        return Surface();
    }
    unsigned char magic[2] = {0, 0};
    const size_t got = std::fread(magic, 1, 2, f);
    std::fclose(f);
    if (got < 2 || magic[0] != 'B' || magic[1] != 'M') {
        if (error) *error = "Cannot load " + path + ": not a BMP file";
        return Surface();
    }
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (!raw) {
        if (error) *error = "Cannot load " + path + ": " + SDL_GetError() + " (damaged or truncated file?)";
        return Surface();
    }
    Surface result(raw);
    if (result.empty() && error) *error = "Cannot load " + path + ": " + SDL_GetError();
    return result;
}

bool Surface::saveBmp(const std::string& path) const { return s_ && SDL_SaveBMP(s_, path.c_str()) == 0; }

bool Surface::savePng(const std::string& path) const { return s_ && IMG_SavePNG(s_, path.c_str()) == 0; }

bool Surface::empty() const { return s_ == nullptr; }
int Surface::width() const { return s_ ? s_->w : 0; }
int Surface::height() const { return s_ ? s_->h : 0; }

uint32_t Surface::pixel(int x, int y) const {
    if (!s_ || x < 0 || y < 0 || x >= s_->w || y >= s_->h) return 0;
    return Row(s_, y)[x] & 0xFFFFFFu;
}

void Surface::setPixel(int x, int y, Color c) {
    if (!s_ || x < 0 || y < 0 || x >= s_->w || y >= s_->h) return;
    Row(s_, y)[x] = Pack(c);
    ++changes_;
}

void Surface::fill(Color c) {
    if (!s_) return;
    SDL_FillRect(s_, nullptr, Pack(c));
    ++changes_;
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
    SDL_FillRect(s_, &r, Pack(c));
    ++changes_;
}

void Surface::blit(const Surface& src, int sx, int sy, int w, int h, int dx, int dy) {
    if (!s_ || !src.s_ || w <= 0 || h <= 0) return;
    if (&src == this) {
        Surface copy = clone();
        blit(copy, sx, sy, w, h, dx, dy);
        return;
    }
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
    const size_t bytes = static_cast<size_t>(x1 - x0) * 4;
    for (int64_t y = y0; y < y1; ++y) {
        std::memcpy(Row(s_, static_cast<int>(y + oy)) + (x0 + ox), Row(src.s_, static_cast<int>(y)) + x0, bytes);
    }
    ++changes_;
}

void Surface::blit(const Surface& src, int dx, int dy) { blit(src, 0, 0, src.width(), src.height(), dx, dy); }

}  // namespace sd::platform

#include "sdl_bridge.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cmath>

namespace assetgen {

bool loadPicture(const std::string& path, Image& out, Rgb under, std::string& error) {
    bool bmp = path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
    SDL_Surface* s = bmp ? SDL_LoadBMP(path.c_str()) : IMG_Load(path.c_str());
    if (!s) {
        error = path + ": " + SDL_GetError();
        return false;
    }
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!c) {
        error = path + ": " + SDL_GetError();
        return false;
    }
    out = Image(c->w, c->h);
    SDL_LockSurface(c);
    for (int y = 0; y < c->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(c->pixels) + y * c->pitch);
        for (int x = 0; x < c->w; ++x) {
            uint32_t p = row[x];
            Rgb col = rgb8((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            float a = bmp ? 1.0f : ((p >> 24) & 0xFF) / 255.0f;
            out.set(x, y, mix(under, col, a));
        }
    }
    SDL_UnlockSurface(c);
    SDL_FreeSurface(c);
    return true;
}

bool savePng(const std::string& path, const Image& img, std::string& error) {
    return savePng(path, img, std::vector<float>(static_cast<size_t>(img.w()) * img.h(), 1.0f), error);
}

bool savePng(const std::string& path, const Image& img, const std::vector<float>& alpha, std::string& error) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.w(), img.h(), 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) {
        error = SDL_GetError();
        return false;
    }
    std::vector<uint32_t> px = img.quantised();
    SDL_LockSurface(s);
    for (int y = 0; y < img.h(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < img.w(); ++x) {
            const size_t i = static_cast<size_t>(y) * img.w() + x;
            const auto a = static_cast<uint32_t>(std::lround(clamp01(alpha[i]) * 255.0f));
            row[x] = (a << 24) | px[i];
        }
    }
    SDL_UnlockSurface(s);
    bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    if (!ok) error = path + ": " + IMG_GetError();
    SDL_FreeSurface(s);
    return ok;
}

}  // namespace assetgen

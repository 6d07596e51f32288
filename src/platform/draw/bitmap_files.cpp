// Whole pictures from and to files: BMP in (looked at before SDL decodes
// it, so that a broken file is named with what is wrong), BMP and PNG out.
#include "platform/draw/bitmap_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/draw/sdl_draw.h"
#include "platform/draw/surface_access.h"
#include "platform/files/file_guard.h"
#include "platform/files/png_writer.h"

namespace sd::platform {

Surface LoadBmp(const std::string& path, std::string* error) {
    // Look at the file first so that the message says what is wrong with it.
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (error) *error = "Cannot open " + path + ": " + std::strerror(errno);
        return Surface();
    }
    char head[34] = {};
    const size_t got = std::fread(head, 1, sizeof head, f);
    const long end = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : -1;
    const uintmax_t size = end < 0 ? 0 : static_cast<uintmax_t>(end);
    std::fclose(f);
    if (got < 2 || head[0] != 'B' || head[1] != 'M') {
        if (error) *error = "Cannot load " + path + ": not a BMP file";
        return Surface();
    }
    if (const std::string wrong = detail::BmpHeaderProblem(std::string_view(head, got), size); !wrong.empty()) {
        if (error) *error = "Cannot load " + path + ": " + wrong;
        return Surface();
    }
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (!raw) {
        if (error) *error = "Cannot load " + path + ": " + SDL_GetError() + " (damaged or truncated file?)";
        return Surface();
    }
    Surface result = SurfaceAccess::adopt(raw);
    if (result.empty() && error) *error = "Cannot load " + path + ": " + SDL_GetError();
    return result;
}

bool SaveBmp(const Surface& picture, const std::string& path) {
    SDL_Surface* pixels = SurfaceAccess::native(picture);
    return pixels && SDL_SaveBMP(pixels, path.c_str()) == 0;
}

bool SavePng(const Surface& picture, const std::string& path) {
    if (picture.empty()) return false;
    const int w = picture.width(), h = picture.height();
    std::vector<uint32_t> rgb(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) rgb[static_cast<size_t>(y) * w + x] = picture.pixel(x, y);
    return detail::WritePng(path, w, h, rgb);
}

}  // namespace sd::platform

// Whole pictures from and to files: BMP in (looked at before SDL decodes
// it, so that a broken file is named with what is wrong), BMP and PNG out.
#include "platform/draw/bitmap_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "base/scope_guard.h"

#include "platform/draw/sdl_draw.h"
#include "platform/draw/surface_access.h"
#include "platform/files/bmp_rows.h"
#include "platform/files/file_guard.h"
#include "platform/files/png_writer.h"

namespace sd::platform {

namespace {

// The rows of a plain BMP (bmp_rows.h) from f into a new surface; empty, with
// error set, when the file ends early or memory runs out.
Surface ReadPlainRows(FILE* f, const detail::PlainBmp& bmp, const std::string& path, std::string* error) {
    const auto fail = [&](const std::string& why) {
        if (error) *error = "Cannot load " + path + ": " + why;
        return Surface();
    };
    SDL_Surface* raw = detail::NewSurface(bmp.width, bmp.height);
    if (!raw) return fail(SDL_GetError());
    Surface picture = SurfaceAccess::adopt(raw);
    if (std::fseek(f, static_cast<long>(bmp.rowsAt), SEEK_SET) != 0) return fail("cannot reach its pixels");
    std::vector<unsigned char> row(bmp.rowBytes);
    // Each row must bring its pixels: a file cut short since its header was
    // looked at is refused, not shown half black.
    const size_t needed = static_cast<size_t>(bmp.width) * 3;
    for (int stored = 0; stored < bmp.height; ++stored) {
        const size_t got = std::fread(row.data(), 1, row.size(), f);
        if (got < needed) return fail("the file ends inside its pixels (damaged or truncated file?)");
        const int y = bmp.topDown ? stored : bmp.height - 1 - stored;
        detail::DecodePlainRow(row.data(), bmp.width, detail::Row(raw, y));
    }
    return picture;
}

}  // namespace

Surface LoadBmp(const std::string& path, std::string* error) {
    // Look at the file first so that the message says what is wrong with it.
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (error) *error = "Cannot open " + path + ": " + std::strerror(errno);
        return Surface();
    }
    const ScopeExit closeFile([f] { std::fclose(f); });
    char head[54] = {};
    const size_t got = std::fread(head, 1, sizeof head, f);
    const long end = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : -1;
    const uintmax_t size = end < 0 ? 0 : static_cast<uintmax_t>(end);
    if (got < 2 || head[0] != 'B' || head[1] != 'M') {
        if (error) *error = "Cannot load " + path + ": not a BMP file";
        return Surface();
    }
    const std::string_view start(head, got);
    if (const std::string wrong = detail::BmpHeaderProblem(start, size); !wrong.empty()) {
        if (error) *error = "Cannot load " + path + ": " + wrong;
        return Surface();
    }
    if (const std::optional<detail::PlainBmp> plain = detail::FindPlainBmp(start)) {
        return ReadPlainRows(f, *plain, path, error);
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

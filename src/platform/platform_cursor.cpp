// The program-wide mouse pointer from .ico files.
#include <SDL_image.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/file_guard.h"
#include "platform/platform_impl.h"

namespace sd::platform {

namespace {

// The hot spot: a .cur file carries it in its header. Our .ico files cannot,
// so the arrow (c1.ico) points with its top-left tip and every other pointer
// (the target cross) with its centre.
void HotSpot(const std::string& path, int w, int h, int& hx, int& hy) {
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char head[6 + 16] = {};
        const size_t got = std::fread(head, 1, sizeof head, f);
        std::fclose(f);
        if (got == sizeof head && head[2] == 2 && head[3] == 0) {  // type 2: cursor
            hx = head[10] | (head[11] << 8);
            hy = head[12] | (head[13] << 8);
            if (hx < w && hy < h) return;
        }
    }
    if (std::filesystem::path(path).filename() == "c1.ico") {
        hx = 0;
        hy = 0;
    } else {
        hx = w / 2;
        hy = h / 2;
    }
}

}  // namespace

bool Platform::setCursorFromIco(const std::string& path, std::string* error) {
    Impl& m = *impl_;
    // Read whole (a pointer file is small) and looked at before it is decoded:
    // see file_guard.h.
    std::string file;
    if (!detail::ReadFileHead(path, detail::kMaxIconFileBytes, file)) {
        if (error) *error = "Cannot open the pointer " + path + ": " + std::strerror(errno);
        return false;
    }
    if (const std::string wrong = detail::IconFileProblem(file); !wrong.empty()) {
        if (error) *error = "Cannot load the pointer " + path + ": " + wrong;
        return false;
    }
    SDL_Surface* image = IMG_Load_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
    if (!image) {
        if (error) *error = "Cannot load the pointer " + path + ": " + IMG_GetError();
        return false;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(image);
    if (!argb) {
        if (error) *error = "Cannot load the pointer " + path + ": " + SDL_GetError();
        return false;
    }
    int hx = 0, hy = 0;
    HotSpot(path, argb->w, argb->h, hx, hy);
    SDL_Cursor* cursor = SDL_CreateColorCursor(argb, hx, hy);
    SDL_FreeSurface(argb);
    if (!cursor) {
        // The dummy driver has no pointer at all; the file was fine.
        if (m.options.headless) return true;
        if (error) *error = "Cannot use the pointer " + path + ": " + SDL_GetError();
        return false;
    }
    SDL_SetCursor(cursor);
    if (m.cursor) SDL_FreeCursor(m.cursor);
    m.cursor = cursor;
    return true;
}

void Platform::setSystemCursor() {
    Impl& m = *impl_;
    if (SDL_Cursor* def = SDL_GetDefaultCursor()) SDL_SetCursor(def);
    if (m.cursor) {
        SDL_FreeCursor(m.cursor);
        m.cursor = nullptr;
    }
}

}  // namespace sd::platform

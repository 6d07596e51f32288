// The program-wide mouse pointer from .ico files.
#include "platform/input/cursor.h"

#include <SDL.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/files/file_guard.h"
#include "platform/files/icon_decoder.h"
#include "platform/files/little_endian.h"

namespace sd::platform {

namespace {

// The hot spot: a .cur file carries it in its header; an .ico file cannot,
// and takes the one its caller names.
void FindHotSpot(HotSpot spot, std::string_view file, int w, int h, int& hx, int& hy) {
    if (file.size() >= 6 + 16 && file[2] == 2 && file[3] == 0) {  // type 2: cursor
        hx = static_cast<int>(detail::U16(file, 10));
        hy = static_cast<int>(detail::U16(file, 12));
        if (hx < w && hy < h) return;
    }
    if (spot == HotSpot::TopLeft) {
        hx = 0;
        hy = 0;
    } else {
        hx = w / 2;
        hy = h / 2;
    }
}

}  // namespace

Pointer::~Pointer() {
    if (cursor_) {
        SDL_SetCursor(SDL_GetDefaultCursor());
        SDL_FreeCursor(cursor_);
    }
}

bool Pointer::setFromIco(const std::string& path, std::string* error, HotSpot spot) {
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
    std::string why;
    IconImage icon = DecodeIcon(file, why);
    if (icon.argb.empty()) {
        if (error) *error = "Cannot load the pointer " + path + ": " + why;
        return false;
    }
    SDL_Surface* argb = SDL_CreateRGBSurfaceWithFormatFrom(icon.argb.data(), icon.width, icon.height, 32,
                                                           icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!argb) {
        if (error) *error = "Cannot load the pointer " + path + ": " + SDL_GetError();
        return false;
    }
    int hx = 0, hy = 0;
    FindHotSpot(spot, file, argb->w, argb->h, hx, hy);
    SDL_Cursor* cursor = SDL_CreateColorCursor(argb, hx, hy);
    SDL_FreeSurface(argb);
    if (!cursor) {
        // The dummy driver has no pointer at all; the file was fine.
        if (headless_) return true;
        if (error) *error = "Cannot use the pointer " + path + ": " + SDL_GetError();
        return false;
    }
    SDL_SetCursor(cursor);
    if (cursor_) SDL_FreeCursor(cursor_);
    cursor_ = cursor;
    return true;
}

void Pointer::setSystem() {
    if (SDL_Cursor* def = SDL_GetDefaultCursor()) SDL_SetCursor(def);
    if (cursor_) {
        SDL_FreeCursor(cursor_);
        cursor_ = nullptr;
    }
}

}  // namespace sd::platform

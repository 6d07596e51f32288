#include "platform/draw/sdl_draw.h"

#include <SDL_ttf.h>


namespace sd::platform::detail {

std::string Win1252ToUtf8(std::string_view text) {
    // 0x80..0x9F differ from Latin-1; the five unassigned bytes keep their
    // code point (an invisible control character).
    static constexpr uint16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (unsigned char ch : text) {
        uint32_t cp = ch;
        if (ch >= 0x80 && ch <= 0x9F) cp = kHigh[ch - 0x80];
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}


bool EnsureTtf() {
    static bool up = TTF_Init() == 0;
    return up;
}

}  // namespace sd::platform::detail

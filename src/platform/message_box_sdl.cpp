// The error box through SDL, the game's own panel where SDL's cannot be
// shown, and standard error for every message.
#include <cstdio>

#include "platform/message_box.h"
#include "platform/sdl_common.h"

namespace sd::platform {

SdlMessageBox::SdlMessageBox(bool headless)
    : headless_(headless), systemBox_([](const std::string& c, const std::string& t, SDL_Window* parent) {
          return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, c.c_str(), t.c_str(), parent);
      }) {}

void SdlMessageBox::showError(const std::string& caption, const std::string& text) {
    // Standard error gets every message, for players who start the game from
    // a terminal and for the reports they send us; in UTF-8 like the terminal.
    const std::string c = detail::Win1252ToUtf8(caption), t = detail::Win1252ToUtf8(text);
    std::fprintf(stderr, "sternenduell: %s\n", t.c_str());
    std::fflush(stderr);
    if (headless_) return;
    if (systemBox_ && systemBox_(c, t, window_) == 0) return;
    std::fprintf(stderr, "sternenduell: no system message box (%s)\n", SDL_GetError());
    if (windowPanel_) windowPanel_(caption, text);
}

}  // namespace sd::platform

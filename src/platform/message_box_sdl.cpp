// The error box through SDL; standard error where no box can be shown.
#include <cstdio>

#include "platform/message_box.h"
#include "platform/sdl_common.h"

namespace sd::platform {

void SdlMessageBox::showError(const std::string& caption, const std::string& text) {
    const std::string c = detail::Win1252ToUtf8(caption), t = detail::Win1252ToUtf8(text);
    if (!headless_ && SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, c.c_str(), t.c_str(), window_) == 0) return;
    std::fprintf(stderr, "%s: %s\n", c.c_str(), t.c_str());
}

}  // namespace sd::platform

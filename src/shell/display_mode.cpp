// ScreenSetup: the display switched to 800 x 600 for the run and back at the end.
//
// The platform does the mode work and keeps the mode it found: where the
// display offers width x height the window goes fullscreen in that mode;
// otherwise it goes fullscreen on the desktop and the canvas is scaled onto
// it. Leaving fullscreen gives the desktop its own mode back, with its depth
// and refresh rate.
#include "shell/display_mode.h"

#include "data/context.h"
#include "platform/input/platform.h"
#include "platform/window/window.h"

namespace sd {

bool SetDisplayMode(Context& ctx, int16_t width, int16_t height, bool apply) {
    if (!ctx.platform) return false;
    platform::Platform& p = *ctx.platform;
    p.window().displayMode().take();

    // "Can be set": the display offers the mode, or at least the scaled canvas
    // can fill the desktop. Either way the game gets its 800 x 600 screen.
    if (!p.window().displayMode().offers(width, height) && !p.window().displayMode().canFullscreen()) return false;
    if (!apply) return true;
    return p.window().displayMode().enterFullscreen(width, height);
}

bool RestoreDisplayMode(Context& ctx) {
    if (!ctx.platform || !ctx.platform->window().displayMode().taken()) return false;
    return ctx.platform->window().displayMode().leaveFullscreen();
}

}  // namespace sd

#include "shell/program_end.h"

#include "data/context.h"
#include "platform/input/platform.h"
#include "play/cursor.h"
#include "shell/command_line.h"
#include "shell/display_mode.h"

namespace sd {

void EndProgram(Context& ctx) {
    if (ctx.platform) {
        // The window goes at once: nothing that follows needs it on screen,
        // and giving the display back is quicker without a window on it.
        ctx.platform->window().hide();
        ctx.platform->pointer().setSystem();
        ctx.platform->processPendingEvents();
    }
    // -1 makes a later SetMouseCursor(1) load the game's cursor again.
    SetMouseCursor(ctx, -1);
    if (!CommandLineHas(ctx, "-NOSCREEN")) RestoreDisplayMode(ctx);
}

}  // namespace sd

// The game's only error report.
#include "data/show_error.h"

#include "data/context.h"
#include "platform/message_box.h"

namespace sd {

void ShowError(Context& ctx, const std::string& message, bool fatal) {
    if (ctx.messageBox != nullptr) ctx.messageBox->showError("Error", message);
    // A fatal error ends the game in progress; the caller still finishes its work.
    if (fatal && ctx.closeGameScreen) ctx.closeGameScreen();
}

}  // namespace sd

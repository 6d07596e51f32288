#include "play/show_error.h"

#include <cstdio>

#include "data/context.h"
#include "platform/window/message_box.h"

namespace sd {

void ShowError(Context& ctx, const std::string& message) {
    // The platform's box writes every message to standard error itself.
    if (ctx.messageBox != nullptr) ctx.messageBox->showError("Error", message);
    else std::fprintf(stderr, "sternenduell: %s\n", message.c_str());
}

bool ReportProblems(Context& ctx, const std::vector<std::string>& problems) {
    for (const std::string& p : problems) ShowError(ctx, p);
    return problems.empty();
}

}  // namespace sd

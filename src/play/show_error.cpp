#include "play/show_error.h"

#include <cstdio>

#include "data/context.h"
#include "platform/message_box.h"

namespace sd {

void ShowError(Context& ctx, const std::string& message) {
    std::fprintf(stderr, "sternenduell: %s\n", message.c_str());
    if (ctx.messageBox != nullptr) ctx.messageBox->showError("Error", message);
}

bool ReportProblems(Context& ctx, const std::vector<std::string>& problems) {
    for (const std::string& p : problems) ShowError(ctx, p);
    return problems.empty();
}

}  // namespace sd

// The program-wide mouse pointer.
#include "play/cursor.h"

#include <set>
#include <string>

#include "data/context.h"
#include "data/show_error.h"
#include "platform/platform.h"

namespace sd {

namespace {

// Cursor files already reported as unusable in this run: the player hears about
// each one once, not at every hover that asks for it.
std::set<std::string>& ReportedCursorFiles() {
    static std::set<std::string> files;
    return files;
}

}  // namespace

void ForgetReportedCursorFiles() { ReportedCursorFiles().clear(); }

void SetMouseCursor(Context& ctx, int16_t n) {
    if (n == ctx.CurrentCursor) return;
    ctx.CurrentCursor = n;
    if (n <= 0) return;
    if (ctx.platform == nullptr) return;

    const std::string file = ctx.path("fx/c" + std::to_string(n) + ".ico");
    if (ctx.platform->setCursorFromIco(file)) return;
    // The pointer stays as it was and the game goes on.
    if (ReportedCursorFiles().insert(file).second) {
        ShowError(ctx, "Die Mauszeiger-Datei \"" + file + "\" fehlt oder ist besch\xE4" "digt. Der bisherige Mauszeiger bleibt.",
                  false);
    }
}

}  // namespace sd

// The program-wide mouse pointer.
#include "play/cursor.h"

#include <string>

#include "data/context.h"
#include "data/message_text.h"
#include "platform/input/platform.h"
#include "play/show_error.h"

namespace sd {

void SetMouseCursor(Context& ctx, int16_t n) {
    PointerMemory* memory = ctx.pointer;
    if (memory != nullptr) {
        if (n == memory->CurrentCursor) return;
        memory->CurrentCursor = n;
    }
    if (n <= 0 || ctx.platform == nullptr) return;

    const std::string file = ctx.path("fx/c" + std::to_string(n) + ".ico");
    // Our .ico files carry no hot spot: the arrow (c1) points with its tip at
    // the top left, every other pointer (the target cross) with its centre.
    const auto spot = n == 1 ? platform::HotSpot::TopLeft : platform::HotSpot::Centre;
    if (ctx.platform->pointer().setFromIco(file, nullptr, spot)) return;
    // The pointer stays as it was and the game goes on.
    if (memory == nullptr || memory->reported.insert(file).second) {
        ShowError(ctx, "Die Mauszeiger-Datei \"" + PathForMessage(file) + "\" fehlt oder ist besch\xE4" "digt. Der bisherige Mauszeiger bleibt.");
    }
}

}  // namespace sd

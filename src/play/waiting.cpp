#include "play/waiting.h"

#include <algorithm>
#include <cmath>

#include "data/context.h"
#include "platform/platform.h"

namespace sd {

namespace {

bool Gone(const Context& ctx, const GoneTest& gone) {
    if (gone && gone()) return true;
    return ctx.platform != nullptr && ctx.platform->quitRequested();
}

}  // namespace

bool WaitMs(Context& ctx, uint32_t ms, const GoneTest& gone) {
    if (ctx.clock == nullptr) return !Gone(ctx, gone);
    // The monotonic clock with fractions: the deadline does not drift with
    // the time the handlers take.
    const double deadline = ctx.clock->seconds() + ms / 1000.0;
    for (;;) {
        if (Gone(ctx, gone)) return false;
        // Less than half a millisecond left is the deadline itself, reached
        // through rounding in the seconds' fractions.
        const double leftMs = (deadline - ctx.clock->seconds()) * 1000.0;
        if (leftMs < 0.5) break;
        const int remainingMs = std::max(1, static_cast<int>(std::ceil(leftMs - 1e-6)));
        if (ctx.platform != nullptr) {
            // Presents what changed, then blocks until an event or the deadline.
            ctx.platform->waitEvents(remainingMs);
        } else {
            ctx.clock->sleepMs(static_cast<uint32_t>(remainingMs));
        }
    }
    // The last frame of the wait reaches the screen before the caller goes on.
    if (ctx.platform != nullptr) ctx.platform->processPendingEvents();
    return !Gone(ctx, gone);
}

bool WaitUntil(Context& ctx, const std::function<bool()>& done, const GoneTest& gone) {
    while (!done()) {
        if (Gone(ctx, gone) || ctx.platform == nullptr) return false;
        // Nothing but an event can make done() true: block without a timeout.
        ctx.platform->waitEvents(-1);
    }
    return !Gone(ctx, gone);
}

void ShortPause(Context& ctx, const GoneTest& gone) { WaitMs(ctx, 200, gone); }

}  // namespace sd

#include "shell/speed_check.h"

#include "data/context.h"
#include "platform/process/clock.h"
#include "platform/input/element.h"
#include "platform/input/platform.h"
#include "platform/draw/surface.h"

namespace sd {

int32_t CheckSpeed(Context& ctx, platform::Element& panel, const platform::Surface& picture) {
    const uint32_t t0 = ctx.clock->tickCount();
    for (int round = 0; round < 15; ++round) {
        panel.clear();
        panel.canvas().blit(picture, 0, 0);
        if (ctx.platform) ctx.platform->processPendingEvents();
    }
    const uint32_t t1 = ctx.clock->tickCount();
    // Unsigned subtraction is modulo 2^32: right even when the counter wrapped.
    const uint32_t elapsed = t1 - t0;
    if (elapsed < 1) return 0;
    return static_cast<int32_t>(elapsed / 10);
}

}  // namespace sd

// Screens that play something over time wake the event loop at their
// deadlines; nothing else does.
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/input/platform_impl.h"

namespace sd::platform {

std::optional<double> Platform::Impl::nextDeadline() const {
    std::optional<double> next;
    for (const auto& s : screens) {
        if (s->closed() || !s->deadline()) continue;
        if (!next || *s->deadline() < *next) next = s->deadline();
    }
    return next;
}

int Platform::Impl::timeoutUntilDeadline(int timeoutMs) const {
    const std::optional<double> next = nextDeadline();
    if (!next) return timeoutMs;
    const double leftMs = (*next - services.clock->seconds()) * 1000.0;
    // Less than half a millisecond left is the deadline itself, reached
    // through rounding in the seconds' fractions.
    const int untilDeadline = leftMs < 0.5 ? 0 : std::max(1, static_cast<int>(std::ceil(leftMs - 1e-6)));
    return timeoutMs < 0 ? untilDeadline : std::min(timeoutMs, untilDeadline);
}

void Platform::Impl::runDueDeadlines() {
    // By index: a deadline's handler may open screens of its own.
    for (size_t i = 0; i < screens.size(); ++i) {
        Screen& s = *screens[i];
        if (s.closed() || !s.deadline() || (*s.deadline() - services.clock->seconds()) * 1000.0 >= 0.5) continue;
        s.setDeadline(std::nullopt);
        idle.virtualMs = 0;
        if (!s.on.deadline) continue;
        // Held like a handler, so that nothing it closes is freed under it.
        const auto guard = Hold(depth);
        auto handler = s.on.deadline;
        handler();
    }
}

}  // namespace sd::platform

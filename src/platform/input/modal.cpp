// Modal screens: one that runs its own loop until it is closed, and one that
// only takes all input while the main loop goes on.
#include <algorithm>
#include <iterator>

#include "platform/input/platform_impl.h"

namespace sd::platform {

void Platform::runModal(Screen& s) {
    Impl& m = *impl_;
    if (s.closed() || !m.isLive(&s)) return;
    showScreen(s);
    m.modal.push_back(&s);
    // Holding the depth keeps s (and everything else) from being freed while
    // the loop still looks at it.
    const auto hold = Hold(m.depth);
    const ScopeExit pop([&m, &s] {
        auto it = std::find(m.modal.rbegin(), m.modal.rend(), &s);
        if (it != m.modal.rend()) m.modal.erase(std::next(it).base());
    });
    while (!s.closed() && s.visible() && !m.quit) waitEvents(-1);
}

void Platform::showModal(Screen& s) {
    Impl& m = *impl_;
    if (s.closed() || !m.isLive(&s)) return;
    showScreen(s);
    if (std::find(m.modal.begin(), m.modal.end(), &s) == m.modal.end()) m.modal.push_back(&s);
}

}  // namespace sd::platform

// The pointer's events: which screen and element lie under it, and the
// press, release, click and move handlers they get, in their own coordinates.
#include "platform/input/platform_impl.h"

namespace sd::platform {

Platform::Impl::Target Platform::Impl::hitTest(double x, double y) const {
    auto inside = [](double px, double py, const Rect& r) {
        return px >= r.x && py >= r.y && px < static_cast<double>(r.x) + r.w && py < static_cast<double>(r.y) + r.h;
    };
    auto test = [&](Screen* s) -> Target {
        if (!s->visible() || s->closed() || !inside(x, y, s->bounds())) return {};
        const Rect screen = s->bounds();
        for (const Screen::Hit& h : s->hits()) {
            if (inside(x, y, h.bounds.moved(screen.x, screen.y))) return {s, h.element};
        }
        return {s, nullptr};
    };
    if (!modal.empty()) return test(modal.back());  // a modal screen takes all input
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Target t = test(*it);
        if (t.screen) return t;
    }
    return {};
}

namespace {

// Position of canvas point (x, y) in the element's own drawing area.
void ToElement(const Screen& s, const Element& e, double x, double y, double& ex, double& ey) {
    const int inset = e.look().border ? 1 : 0;
    const Rect at = e.bounds().moved(s.bounds().x + inset, s.bounds().y + inset);
    ex = x - at.x;
    ey = y - at.y;
}

}  // namespace

void Platform::Impl::handleMove(double x, double y) {
    const Target t = hitTest(x, y);
    if (!t.screen) return;
    const auto guard = Hold(depth);
    if (t.element) {
        if (!t.element->on.mouseMove) return;
        auto handler = t.element->on.mouseMove;  // the handler may replace itself
        double ex, ey;
        ToElement(*t.screen, *t.element, x, y, ex, ey);
        handler(ex, ey, t.element->index());
    } else if (t.screen->on.mouseMove) {
        auto handler = t.screen->on.mouseMove;
        handler(x - t.screen->bounds().x, y - t.screen->bounds().y, -1);
    }
}

void Platform::Impl::handleDown(int button, int shift, double x, double y) {
    const Target t = hitTest(x, y);
    if (!t.screen) return;
    capture.screen = t.screen;
    capture.element = t.element;
    capture.button = button;
    if (t.element && t.element->on.mouseDown) {
        const auto guard = Hold(depth);
        auto handler = t.element->on.mouseDown;
        double ex, ey;
        ToElement(*t.screen, *t.element, x, y, ex, ey);
        handler(button, shift, ex, ey, t.element->index());
    }
}

void Platform::Impl::handleUp(int button, int shift, double x, double y) {
    Target t;
    bool captured = false;
    if (capture.screen && capture.button == button && isLive(capture.screen)) {
        t = {capture.screen, capture.element};
        captured = true;
    } else {
        t = hitTest(x, y);  // no press seen: the release goes where it happens, without a click
    }
    // Released before any handler runs, so that nested loops see a fresh state.
    if (capture.button == button) {
        capture.screen = nullptr;
        capture.element = nullptr;
        capture.button = 0;
    }
    if (!t.screen) return;
    const auto guard = Hold(depth);
    if (!t.element) {
        if (t.screen->on.mouseUp) {
            auto handler = t.screen->on.mouseUp;
            handler(button, shift, x - t.screen->bounds().x, y - t.screen->bounds().y, -1);
        }
        return;
    }
    if (t.element->on.mouseUp) {
        auto handler = t.element->on.mouseUp;
        double ex, ey;
        ToElement(*t.screen, *t.element, x, y, ex, ey);
        handler(button, shift, ex, ey, t.element->index());
    }
    // The screen may have been closed by the release handler (freed it is not:
    // depth > 0); a click needs it still open and the pointer still on the element.
    if (!captured || t.screen->closed() || !t.element->on.click) return;
    if (hitTest(x, y).element != t.element) return;
    auto click = t.element->on.click;
    click(t.element->index());
}

}  // namespace sd::platform

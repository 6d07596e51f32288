// The pointer's events: which screen and element lie under it, and the
// press, release, click and move handlers they get, in their own coordinates.
#include "platform/input/platform_impl.h"

namespace sd::platform {

Platform::Impl::Target Platform::Impl::hitTest(double x, double y) const {
    auto inside = [](double px, double py, int l, int t, int w, int h) {
        return px >= l && py >= t && px < static_cast<double>(l) + w && py < static_cast<double>(t) + h;
    };
    auto test = [&](Screen* s) -> Target {
        if (!s->visible() || s->closed() || !inside(x, y, s->left(), s->top(), s->width(), s->height())) return {};
        const auto& els = s->elements();
        for (auto it = els.rbegin(); it != els.rend(); ++it) {
            Element* e = it->get();
            if (e->visible() && inside(x, y, s->left() + e->left(), s->top() + e->top(), e->width(), e->height()))
                return {s, e};
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
    const int inset = e.border() ? 1 : 0;
    ex = x - s.left() - e.left() - inset;
    ey = y - s.top() - e.top() - inset;
}

}  // namespace

void Platform::Impl::handleMove(double x, double y) {
    const Target t = hitTest(x, y);
    if (!t.screen) return;
    const auto guard = Hold(depth);
    if (t.element) {
        if (!t.element->onMouseMove) return;
        auto handler = t.element->onMouseMove;  // the handler may replace itself
        double ex, ey;
        ToElement(*t.screen, *t.element, x, y, ex, ey);
        handler(ex, ey, t.element->index());
    } else if (t.screen->onMouseMove) {
        auto handler = t.screen->onMouseMove;
        handler(x - t.screen->left(), y - t.screen->top(), -1);
    }
}

void Platform::Impl::handleDown(int button, int shift, double x, double y) {
    const Target t = hitTest(x, y);
    if (!t.screen) return;
    captureScreen = t.screen;
    captureElement = t.element;
    captureButton = button;
    if (t.element && t.element->onMouseDown) {
        const auto guard = Hold(depth);
        auto handler = t.element->onMouseDown;
        double ex, ey;
        ToElement(*t.screen, *t.element, x, y, ex, ey);
        handler(button, shift, ex, ey, t.element->index());
    }
}

void Platform::Impl::handleUp(int button, int shift, double x, double y) {
    Target t;
    bool captured = false;
    if (captureScreen && captureButton == button && isLive(captureScreen)) {
        t = {captureScreen, captureElement};
        captured = true;
    } else {
        t = hitTest(x, y);  // no press seen: the release goes where it happens, without a click
    }
    // Released before any handler runs, so that nested loops see a fresh state.
    if (captureButton == button) {
        captureScreen = nullptr;
        captureElement = nullptr;
        captureButton = 0;
    }
    if (!t.screen) return;
    const auto guard = Hold(depth);
    if (!t.element) {
        if (t.screen->onMouseUp) {
            auto handler = t.screen->onMouseUp;
            handler(button, shift, x - t.screen->left(), y - t.screen->top(), -1);
        }
        return;
    }
    if (t.element->onMouseUp) {
        auto handler = t.element->onMouseUp;
        double ex, ey;
        ToElement(*t.screen, *t.element, x, y, ex, ey);
        handler(button, shift, ex, ey, t.element->index());
    }
    // The screen may have been closed by the release handler (freed it is not:
    // depth > 0); a click needs it still open and the pointer still on the element.
    if (!captured || t.screen->closed() || !t.element->onClick) return;
    if (hitTest(x, y).element != t.element) return;
    auto click = t.element->onClick;
    click(t.element->index());
}

}  // namespace sd::platform

// Event dispatch: real and synthetic mouse input, Alt+Enter between window
// and full screen, the window's close command, nested and modal event loops,
// and waiting without burning CPU.
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "platform/platform_impl.h"

namespace sd::platform {

namespace {

// A loop that stays idle this long under the virtual clock waits for something
// that will never come: better a failing test than a hanging one.
constexpr uint64_t kIdleLimitMs = 60ull * 60ull * 1000ull;
// The virtual time an unlimited wait lets pass when nothing is queued.
constexpr uint32_t kUnlimitedWaitStepMs = 100;

int MapButton(Uint8 b) {
    switch (b) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 3;
        default: return 0;
    }
}

int ShiftState() {
    const SDL_Keymod mod = SDL_GetModState();
    int shift = 0;
    if (mod & KMOD_SHIFT) shift |= 1;
    if (mod & KMOD_CTRL) shift |= 2;
    if (mod & KMOD_ALT) shift |= 4;
    return shift;
}

// Alt+Enter (either Enter key) switches between the window and full screen,
// once per press: a held key's repeats would flicker between the two.
bool IsFullscreenToggle(const SDL_KeyboardEvent& key) {
    // The modifiers the event carries, not SDL_GetModState(): that is the
    // state when the event is handled, which may already be a later one.
    return key.repeat == 0 && (key.keysym.mod & KMOD_ALT) &&
           (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER);
}

bool QueueEmpty() {
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) <= 0;
}

// The next event already in SDL's queue, without asking the window system
// for more (each such pump costs system calls).
bool TakeQueued(SDL_Event& ev) { return SDL_PeepEvents(&ev, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0; }

// How many events wait now: a pass handles these, and what handlers queue
// meanwhile waits for the next pass.
int QueuedCount() { return std::max(0, SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)); }

}  // namespace

bool Platform::Impl::isLive(const Screen* s) const {
    return s && !s->closed() && std::find(order.begin(), order.end(), s) != order.end();
}

void Platform::Impl::freeClosedScreens() {
    if (depth != 0) return;
    if (std::none_of(screens.begin(), screens.end(), [](const auto& s) { return s->closed(); })) return;
    order.erase(std::remove_if(order.begin(), order.end(), [](Screen* s) { return s->closed(); }), order.end());
    modal.erase(std::remove_if(modal.begin(), modal.end(), [](Screen* s) { return s->closed(); }), modal.end());
    screens.erase(std::remove_if(screens.begin(), screens.end(), [](const auto& s) { return s->closed(); }),
                  screens.end());
}

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
    DepthGuard guard(depth);
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
        DepthGuard guard(depth);
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
    DepthGuard guard(depth);
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

bool Platform::Impl::windowToCanvas(int wx, int wy, double& x, double& y) const {
    if (!window) {
        x = wx;
        y = wy;
        return true;
    }
    // Window coordinates are in points; the window may have more pixels
    // (HiDPI). The top-left corner of the pointer's pixel maps into the
    // canvas: at scale 1 that is the pixel itself, and the window's first pixel
    // never lands left of the canvas.
    int winW = 0, winH = 0, pixW = 0, pixH = 0;
    SDL_GetWindowSize(window, &winW, &winH);
    outputSize(pixW, pixH);
    const double sx = winW > 0 ? static_cast<double>(pixW) / winW : 1.0;
    const double sy = winH > 0 ? static_cast<double>(pixH) / winH : 1.0;
    const SDL_Rect r = canvasRectInOutput();
    x = (wx * sx - r.x) * kCanvasWidth / r.w;
    y = (wy * sy - r.y) * kCanvasHeight / r.h;
    return true;
}

void Platform::Impl::dispatch(const SDL_Event& ev) {
    double x = 0, y = 0;
    if (ev.type == SDL_KEYDOWN && IsFullscreenToggle(ev.key)) {
        self.toggleFullscreen();
        return;
    }
    switch (ev.type) {
        case SDL_KEYDOWN:
            handleKey(ev.key);
            return;
        case SDL_QUIT:
            idleVirtualMs = 0;
            self.requestQuit();
            return;
        case SDL_WINDOWEVENT:
            // The window's pixels still hold the last frame: uncovered or
            // shown again, it only needs them sent; a new size needs a new frame.
            if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) fullFrame = true;
            if (ev.window.event == SDL_WINDOWEVENT_EXPOSED || ev.window.event == SDL_WINDOWEVENT_RESTORED ||
                ev.window.event == SDL_WINDOWEVENT_SHOWN)
                resendWindow = true;
            return;
        case SDL_MOUSEMOTION:
            if (ev.motion.which == SDL_TOUCH_MOUSEID) return;
            windowToCanvas(ev.motion.x, ev.motion.y, x, y);
            handleMove(x, y);
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = MapButton(ev.button.button);
            if (button == 0 || ev.button.which == SDL_TOUCH_MOUSEID) return;
            windowToCanvas(ev.button.x, ev.button.y, x, y);
            if (ev.type == SDL_MOUSEBUTTONDOWN) handleDown(button, ShiftState(), x, y);
            else handleUp(button, ShiftState(), x, y);
            return;
        }
        default:
            break;
    }
    if (ev.type == injectEventType && injectEventType != 0) {
        if (injected.empty()) return;
        const Injected in = injected.front();
        injected.pop_front();
        idleVirtualMs = 0;
        switch (in.kind) {
            case InjectKind::Move: handleMove(in.x, in.y); break;
            case InjectKind::Down: handleDown(in.button, 0, in.x, in.y); break;
            case InjectKind::Up: handleUp(in.button, 0, in.x, in.y); break;
            case InjectKind::Close: self.requestQuit(); break;
        }
    }
}

void Platform::Impl::pushInjected(const Injected& in) {
    injected.push_back(in);
    SDL_Event ev{};
    ev.type = injectEventType;
    if (SDL_PushEvent(&ev) != 1) injected.pop_back();
}

void Platform::processPendingEvents() {
    Impl& m = *impl_;
    m.freeClosedScreens();
    SDL_PumpEvents();
    SDL_Event ev;
    for (int n = QueuedCount(); n > 0 && TakeQueued(ev); --n) m.dispatch(ev);
    m.present();
    m.freeClosedScreens();
}

void Platform::waitEvents(int timeoutMs) {
    Impl& m = *impl_;
    m.freeClosedScreens();
    m.runDueDeadlines();
    m.present();
    timeoutMs = m.timeoutUntilDeadline(timeoutMs);
    if (!m.clock->isVirtual() && !m.idleHook) {
        // SDL's wait asks the window system once it has nothing queued and
        // then sleeps in the kernel until an event or the timeout; what came
        // in with the event is handled straight from the queue.
        SDL_Event ev;
        const int got = timeoutMs < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, timeoutMs);
        if (got) {
            int n = QueuedCount();
            m.dispatch(ev);
            for (; n > 0 && TakeQueued(ev); --n) m.dispatch(ev);
        }
        m.runDueDeadlines();
        m.present();
        m.freeClosedScreens();
        return;
    }
    bool empty = QueueEmpty();
    if (empty && m.idleHook && !m.inIdleHook) {
        m.inIdleHook = true;
        struct Reset {
            bool& b;
            ~Reset() { b = false; }
        } reset{m.inIdleHook};
        auto hook = m.idleHook;
        hook();
        empty = QueueEmpty();
    }
    if (empty) {
        if (m.clock->isVirtual()) {
            const uint32_t step = timeoutMs < 0 ? kUnlimitedWaitStepMs : static_cast<uint32_t>(timeoutMs);
            m.clock->advanceMs(step);
            m.idleVirtualMs += std::max<uint32_t>(step, 1);
            if (m.idleVirtualMs >= kIdleLimitMs) {
                m.idleVirtualMs = 0;
                throw std::runtime_error("event loop idle for an hour of virtual time: nothing will answer it");
            }
        } else {
            SDL_Event ev;
            const int got = timeoutMs < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, timeoutMs);
            if (got) m.dispatch(ev);
        }
    }
    processPendingEvents();
    m.runDueDeadlines();
    m.present();
}

void Platform::runModal(Screen& s) {
    Impl& m = *impl_;
    if (s.closed() || !m.isLive(&s)) return;
    showScreen(s);
    m.modal.push_back(&s);
    // Holding the depth keeps s (and everything else) from being freed while
    // the loop still looks at it.
    DepthGuard hold(m.depth);
    struct PopModal {
        std::vector<Screen*>& modal;
        Screen* s;
        ~PopModal() {
            auto it = std::find(modal.rbegin(), modal.rend(), s);
            if (it != modal.rend()) modal.erase(std::next(it).base());
        }
    } pop{m.modal, &s};
    while (!s.closed() && s.visible() && !m.quit) waitEvents(-1);
}

void Platform::showModal(Screen& s) {
    Impl& m = *impl_;
    if (s.closed() || !m.isLive(&s)) return;
    showScreen(s);
    if (std::find(m.modal.begin(), m.modal.end(), &s) == m.modal.end()) m.modal.push_back(&s);
}

void Platform::discardPendingClicks() {
    Impl& m = *impl_;
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP);
    // Synthetic ones too; their wake-up events then find nothing left to do.
    std::erase_if(m.injected, [](const Impl::Injected& in) {
        return in.kind == Impl::InjectKind::Down || in.kind == Impl::InjectKind::Up;
    });
}

void Platform::injectMouseMove(double x, double y) { impl_->pushInjected({Impl::InjectKind::Move, x, y, 0}); }
void Platform::injectMouseDown(double x, double y, int button) {
    impl_->pushInjected({Impl::InjectKind::Down, x, y, button});
}
void Platform::injectMouseUp(double x, double y, int button) {
    impl_->pushInjected({Impl::InjectKind::Up, x, y, button});
}
void Platform::injectClick(double x, double y, int button) {
    injectMouseDown(x, y, button);
    injectMouseUp(x, y, button);
}
void Platform::injectCloseRequest() { impl_->pushInjected({Impl::InjectKind::Close, 0, 0, 0}); }

void Platform::injectKeyDown(Key key, bool alt, bool repeat) {
    // A real key event, so that it is taken apart as the window system's are.
    SDL_Event ev{};
    ev.type = SDL_KEYDOWN;
    ev.key.windowID = impl_->window ? SDL_GetWindowID(impl_->window) : 0;
    ev.key.state = SDL_PRESSED;
    ev.key.repeat = repeat ? 1 : 0;
    switch (key) {
        case Key::Return: ev.key.keysym = {SDL_SCANCODE_RETURN, SDLK_RETURN, 0, 0}; break;
        case Key::KeypadEnter: ev.key.keysym = {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 0, 0}; break;
        case Key::Space: ev.key.keysym = {SDL_SCANCODE_SPACE, SDLK_SPACE, 0, 0}; break;
        case Key::Escape: ev.key.keysym = {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, 0}; break;
        case Key::LetterA: ev.key.keysym = {SDL_SCANCODE_A, SDLK_a, 0, 0}; break;
        case Key::Right: ev.key.keysym = {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 0, 0}; break;
        case Key::Plus: ev.key.keysym = {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, 0, 0}; break;
        case Key::Minus: ev.key.keysym = {SDL_SCANCODE_MINUS, SDLK_MINUS, 0, 0}; break;
    }
    if (alt) ev.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&ev);
}

void Platform::setIdleHook(std::function<void()> hook) { impl_->idleHook = std::move(hook); }

}  // namespace sd::platform


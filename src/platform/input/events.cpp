// Event dispatch: real and synthetic input, Alt+Enter between window and full
// screen, keys for a modal screen, the window's close command, and waiting
// without burning CPU. Where the pointer's events go: mouse.cpp.
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "platform/input/platform_impl.h"

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

void Platform::Impl::dispatch(const SDL_Event& ev) {
    double x = 0, y = 0;
    if (ev.type == SDL_KEYDOWN) {
        if (IsFullscreenToggle(ev.key)) window->displayMode().toggleFullscreen();
        else handleKey(ev.key);
        return;
    }
    switch (ev.type) {
        case SDL_QUIT:
            idle.virtualMs = 0;
            self.requestQuit();
            return;
        case SDL_TEXTINPUT:
            handleText(ev.text.text);
            return;
        case SDL_WINDOWEVENT:
            window->noteWindowEvent(ev.window.event);
            return;
        case SDL_MOUSEMOTION:
            if (ev.motion.which == SDL_TOUCH_MOUSEID) return;
            window->toCanvas(ev.motion.x, ev.motion.y, x, y);
            handleMove(x, y);
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = MapButton(ev.button.button);
            if (button == 0 || ev.button.which == SDL_TOUCH_MOUSEID) return;
            window->toCanvas(ev.button.x, ev.button.y, x, y);
            if (ev.type == SDL_MOUSEBUTTONDOWN) handleDown(button, ShiftState(), x, y);
            else handleUp(button, ShiftState(), x, y);
            return;
        }
        default:
            break;
    }
    if (ev.type == injection.eventType && injection.eventType != 0) {
        if (injection.queue.empty()) return;
        const Injection::Event in = injection.queue.front();
        injection.queue.pop_front();
        idle.virtualMs = 0;
        switch (in.kind) {
            case Injection::Kind::Move: handleMove(in.x, in.y); break;
            case Injection::Kind::Down: handleDown(in.button, 0, in.x, in.y); break;
            case Injection::Kind::Up: handleUp(in.button, 0, in.x, in.y); break;
            case Injection::Kind::Close: self.requestQuit(); break;
        }
    }
}

Screen* Platform::Impl::keyScreen() {
    Screen* s = nullptr;
    if (!modal.empty()) {
        s = modal.back();
    } else {
        for (auto it = order.rbegin(); it != order.rend() && s == nullptr; ++it) {
            if ((*it)->visible() && !(*it)->closed()) s = *it;
        }
    }
    return isLive(s) ? s : nullptr;
}

// Typed text goes where the keys go.
void Platform::Impl::handleText(const char* text) {
    Screen* s = keyScreen();
    if (s == nullptr || !s->on.text) return;
    const auto guard = Hold(depth);
    auto handler = s->on.text;
    handler(text);
}

void Platform::Impl::handleKey(const SDL_KeyboardEvent& key) {
    // The innermost modal screen hears keys, or with none the topmost one
    // shown; once per press, and not the ones that belong to the window
    // (Alt+Enter and the like).
    if (key.repeat || (key.keysym.mod & (KMOD_ALT | KMOD_CTRL | KMOD_GUI))) return;
    Screen* s = keyScreen();
    if (s == nullptr || !s->on.key) return;
    Key k = Key::Other;
    switch (key.keysym.sym) {
        case SDLK_RETURN: k = Key::Return; break;
        case SDLK_KP_ENTER: k = Key::KeypadEnter; break;
        case SDLK_SPACE: k = Key::Space; break;
        case SDLK_ESCAPE: k = Key::Escape; break;
        case SDLK_BACKSPACE: k = Key::Backspace; break;
        case SDLK_RIGHT: k = Key::Right; break;
        // "+" sits on different keys on different layouts: the keypad's, the
        // German '+' key, and the US '=' (shifted '+').
        case SDLK_PLUS:
        case SDLK_KP_PLUS:
        case SDLK_EQUALS: k = Key::Plus; break;
        case SDLK_MINUS:
        case SDLK_KP_MINUS: k = Key::Minus; break;
        default: break;
    }
    const auto guard = Hold(depth);
    auto handler = s->on.key;
    handler(k);
}

void Platform::Impl::pushInjected(const Injection::Event& in) {
    injection.queue.push_back(in);
    SDL_Event ev{};
    ev.type = injection.eventType;
    if (SDL_PushEvent(&ev) != 1) injection.queue.pop_back();
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
    if (!m.services.clock->isVirtual() && !m.idle.hook) {
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
    if (empty && m.idle.hook && !m.idle.inHook) {
        m.idle.inHook = true;
        const ScopeExit reset([&m] { m.idle.inHook = false; });
        auto hook = m.idle.hook;
        hook();
        empty = QueueEmpty();
    }
    if (empty) {
        if (m.services.clock->isVirtual()) {
            const uint32_t step = timeoutMs < 0 ? kUnlimitedWaitStepMs : static_cast<uint32_t>(timeoutMs);
            m.services.clock->advanceMs(step);
            m.idle.virtualMs += std::max<uint32_t>(step, 1);
            if (m.idle.virtualMs >= kIdleLimitMs) {
                m.idle.virtualMs = 0;
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

void Platform::discardPendingClicks() {
    Impl& m = *impl_;
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP);
    // Synthetic ones too; their wake-up events then find nothing left to do.
    std::erase_if(m.injection.queue, [](const Impl::Injection::Event& in) {
        return in.kind == Impl::Injection::Kind::Down || in.kind == Impl::Injection::Kind::Up;
    });
}

}  // namespace sd::platform


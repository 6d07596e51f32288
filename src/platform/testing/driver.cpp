#include "platform/testing/driver.h"

#include "platform/input/platform_impl.h"

namespace sd::platform::testing {

namespace {
constexpr Rect kCanvasRect{0, 0, kCanvasWidth, kCanvasHeight};
}  // namespace

Surface Driver::snapshot() {
    Platform::Impl& m = *platform_.impl_;
    m.composite(kCanvasRect);
    return m.frames.canvas.clone();
}

Surface Driver::windowPixels() { return platform_.impl_->window->pixels(); }

void Driver::injectMouseMove(double x, double y) {
    platform_.impl_->pushInjected({Platform::Impl::Injection::Kind::Move, x, y, 0});
}
void Driver::injectMouseDown(double x, double y, int button) {
    platform_.impl_->pushInjected({Platform::Impl::Injection::Kind::Down, x, y, button});
}
void Driver::injectMouseUp(double x, double y, int button) {
    platform_.impl_->pushInjected({Platform::Impl::Injection::Kind::Up, x, y, button});
}
void Driver::injectClick(double x, double y, int button) {
    injectMouseDown(x, y, button);
    injectMouseUp(x, y, button);
}
void Driver::injectCloseRequest() { platform_.impl_->pushInjected({Platform::Impl::Injection::Kind::Close, 0, 0, 0}); }

void Driver::injectKeyDown(Key key, bool alt, bool repeat) {
    // A real key event, so that it is taken apart as the window system's are.
    SDL_Event ev{};
    ev.type = SDL_KEYDOWN;
    SDL_Window* window = platform_.impl_->window->handle();
    ev.key.windowID = window ? SDL_GetWindowID(window) : 0;
    ev.key.state = SDL_PRESSED;
    ev.key.repeat = repeat ? 1 : 0;
    switch (key) {
        case Key::Return: ev.key.keysym = {SDL_SCANCODE_RETURN, SDLK_RETURN, 0, 0}; break;
        case Key::KeypadEnter: ev.key.keysym = {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 0, 0}; break;
        case Key::Space: ev.key.keysym = {SDL_SCANCODE_SPACE, SDLK_SPACE, 0, 0}; break;
        case Key::Escape: ev.key.keysym = {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, 0}; break;
        case Key::LetterA: ev.key.keysym = {SDL_SCANCODE_A, SDLK_a, 0, 0}; break;
    }
    if (alt) ev.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&ev);
}

void Driver::setIdleHook(std::function<void()> hook) { platform_.impl_->idle.hook = std::move(hook); }
uint64_t Driver::presentCount() const { return platform_.impl_->frames.presents; }
long long Driver::lastFrameArea() const { return platform_.impl_->frames.lastFrameArea; }

}  // namespace sd::platform::testing

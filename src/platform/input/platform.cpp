// The platform: SDL's start, the window and the services, and the screens.
#include "platform/input/platform.h"

#include <algorithm>
#include <stdexcept>

#include "platform/input/platform_impl.h"
#include "platform/process/exit_signals.h"
#include "platform/process/sdl_start.h"
#include "platform/window/video_driver.h"

namespace sd::platform {

Platform::Platform(const PlatformOptions& options) : impl_(std::make_unique<Impl>(*this)) {
    Impl& m = *impl_;
    m.options = options;
    std::string error;
    if (!detail::EnsureSdlVideo(options.headless, &error)) throw std::runtime_error(error);
    const bool headless = options.headless || detail::IsHeadlessProcess();
    m.options.headless = headless;
    if (!headless && !ShowsWindows(SDL_GetCurrentVideoDriver())) {
        throw std::runtime_error(
            "no display to show a window on (is DISPLAY set, and is a window system running?); "
            "the game needs a window and does not start");
    }
    // From here on a signal that ends the game gives the display back and
    // closes our message boxes (SDL's own handlers are off, see
    // EnsureSdlVideo). Headless runs keep the default actions: a test's
    // timeout must still kill it.
    if (!headless) detail::InstallExitSignals(&RescueDisplayNow);

    // Leftovers of an earlier platform in this process are not ours.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    m.injection.eventType = SDL_RegisterEvents(1);

    m.window = std::make_unique<Window>(options.title, headless);
    m.pointer = std::make_unique<Pointer>(headless);

    m.services.clock = options.clock;
    if (!m.services.clock) {
        m.services.ownClock = std::make_unique<RealClock>();
        m.services.clock = m.services.ownClock.get();
    }
    m.services.messageBox = options.messageBox;
    if (!m.services.messageBox) {
        m.services.ownMessageBox = std::make_unique<SdlMessageBox>(headless);
        m.services.ownMessageBox->setWindow(headless ? nullptr : m.window->handle());
        m.services.messageBox = m.services.ownMessageBox.get();
    }
    m.services.audio = options.audio;
    if (!m.services.audio) {
        m.services.ownAudio = std::make_unique<SdlAudioPlayer>();
        m.services.audio = m.services.ownAudio.get();
    }
}

Platform::~Platform() {
    Impl& m = *impl_;
    m.services.ownAudio.reset();  // closes the audio device while SDL is still up
    m.pointer.reset();
    m.window.reset();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

Clock& Platform::clock() { return *impl_->services.clock; }
MessageBox& Platform::messageBox() { return *impl_->services.messageBox; }
AudioPlayer& Platform::audio() { return *impl_->services.audio; }
Window& Platform::window() { return *impl_->window; }
Pointer& Platform::pointer() { return *impl_->pointer; }

// --- screens ---

Screen& Platform::createScreen(const std::string& name, int width, int height) {
    impl_->screens.push_back(std::make_unique<Screen>(name, width, height));
    Screen* s = impl_->screens.back().get();
    impl_->order.push_back(s);
    return *s;
}

void Platform::showScreen(Screen& s) {
    if (s.closed_) return;
    auto& order = impl_->order;
    auto it = std::find(order.begin(), order.end(), &s);
    if (it == order.end()) return;  // not one of ours
    std::rotate(it, it + 1, order.end());
    s.visible_ = true;
    impl_->frames.layoutDamage.add(s.frameBounds());
    impl_->window->show();
}

void Platform::hideScreen(Screen& s) {
    if (!s.visible_) return;
    s.visible_ = false;
    impl_->frames.layoutDamage.add(s.frameBounds());
}

void Platform::closeScreen(Screen& s) {
    if (s.closed_) return;
    if (s.visible_) impl_->frames.layoutDamage.add(s.frameBounds());
    s.closed_ = true;
    s.visible_ = false;
    std::erase(impl_->modal, &s);
    if (impl_->capture.screen == &s) {
        impl_->capture.screen = nullptr;
        impl_->capture.element = nullptr;
    }
}

bool Platform::anyScreenVisible() const {
    return std::any_of(impl_->order.begin(), impl_->order.end(),
                       [](const Screen* s) { return s->visible() && !s->closed(); });
}

void Platform::requestQuit() {
    Impl& m = *impl_;
    m.quit = true;
    // A copy: handlers may create screens meanwhile. Nothing is freed while
    // we are in here (depth > 0), so the pointers stay good.
    const auto hold = Hold(m.depth);
    const std::vector<Screen*> open = m.order;
    for (Screen* s : open) {
        if (s->closed()) continue;
        if (s->on.closeRequest) {
            auto handler = s->on.closeRequest;
            handler();
        } else {
            closeScreen(*s);
        }
    }
}

bool Platform::quitRequested() const { return impl_->quit; }

}  // namespace sd::platform

// The platform: window, services, screens, compositing and presenting.
#include "platform/platform.h"
#include "platform/video_driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/display_loss.h"
#include "platform/exit_signals.h"
#include "platform/platform_impl.h"

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
            "kein Bildschirm erreichbar (ist DISPLAY gesetzt und läuft ein Fenstersystem?). "
            "Sternenduell braucht ein Fenster und startet nicht.");
    }
    // From here on a signal that ends the game gives the display back and
    // closes our message boxes (SDL's own handlers are off, see
    // EnsureSdlVideo). Headless runs keep the default actions: a test's
    // timeout must still kill it.
    if (!headless) detail::InstallExitSignals(&RescueDisplayNow);

    // Leftovers of an earlier platform in this process are not ours.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    m.injectEventType = SDL_RegisterEvents(1);

    // Headless runs get a hidden window on the dummy driver, so that the whole
    // present path runs in tests too. The window shows its own pixels (no
    // renderer): a frame writes the changed rectangles into them and sends
    // only those, which on X is a shared-memory copy of a few small areas.
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
    m.window = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                kCanvasWidth, kCanvasHeight, flags);
    if (m.window) SDL_SetWindowMinimumSize(m.window, 200, 150);
    if (!headless && (!m.window || !m.updateWindowSurface())) {
        const std::string why = SDL_GetError();
        if (m.window) SDL_DestroyWindow(m.window);
        throw std::runtime_error("Cannot open the game window: " + why);
    }
    // A display that goes away ends the game at once (display_loss.h).
    if (!headless) detail::WatchDisplayLoss(m.window);

    m.clock = options.clock;
    if (!m.clock) {
        m.ownClock = std::make_unique<RealClock>();
        m.clock = m.ownClock.get();
    }
    m.messageBox = options.messageBox;
    if (!m.messageBox) {
        m.ownMessageBox = std::make_unique<SdlMessageBox>(headless);
        m.ownMessageBox->setWindow(headless ? nullptr : m.window);
        m.ownMessageBox->setWindowPanel(
            [this](const std::string& caption, const std::string& text) { return showMessagePanel(caption, text); });
        m.messageBox = m.ownMessageBox.get();
    }
    m.audio = options.audio;
    if (!m.audio) {
        m.ownAudio = std::make_unique<SdlAudioPlayer>();
        m.audio = m.ownAudio.get();
    }
}

Platform::~Platform() {
    Impl& m = *impl_;
    m.ownAudio.reset();  // closes the audio device while SDL is still up
    if (m.fullscreen && m.window) SDL_SetWindowFullscreen(m.window, 0);
    ClearDisplayRescue();
    if (m.cursor) {
        SDL_SetCursor(SDL_GetDefaultCursor());
        SDL_FreeCursor(m.cursor);
    }
    if (m.window) SDL_DestroyWindow(m.window);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

std::string Platform::programDirectory() {
    std::string dir;
    if (char* base = SDL_GetBasePath()) {
        dir = base;
        SDL_free(base);
    }
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir.empty() ? "." : dir;
}

Clock& Platform::clock() { return *impl_->clock; }
MessageBox& Platform::messageBox() { return *impl_->messageBox; }
AudioPlayer& Platform::audio() { return *impl_->audio; }

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
    impl_->layoutDamage.add(s.frameBounds());
    impl_->showWindow();
}

void Platform::hideScreen(Screen& s) {
    if (!s.visible_) return;
    s.visible_ = false;
    impl_->layoutDamage.add(s.frameBounds());
}

void Platform::closeScreen(Screen& s) {
    if (s.closed_) return;
    if (s.visible_) impl_->layoutDamage.add(s.frameBounds());
    s.closed_ = true;
    s.visible_ = false;
    std::erase(impl_->modal, &s);
    if (impl_->captureScreen == &s) {
        impl_->captureScreen = nullptr;
        impl_->captureElement = nullptr;
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
    ++m.depth;
    struct Leave {
        int& d;
        ~Leave() { --d; }
    } leave{m.depth};
    const std::vector<Screen*> open = m.order;
    for (Screen* s : open) {
        if (s->closed()) continue;
        if (s->onCloseRequest) {
            auto handler = s->onCloseRequest;
            handler();
        } else {
            closeScreen(*s);
        }
    }
}

bool Platform::quitRequested() const { return impl_->quit; }

void Platform::endProcess(int code) {
    Impl& m = *impl_;
    if (m.fullscreen && m.window) {
        hideWindow();
        leaveFullscreen();
    }
    std::fflush(nullptr);
    std::_Exit(code);
}

}  // namespace sd::platform

// The platform: window, services, screens, compositing and presenting.
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "platform/platform_impl.h"

namespace sd::platform {

namespace {
constexpr Color kBorderColour{70, 80, 110};
constexpr Color kTitleBarColour{30, 40, 90};
constexpr Color kTitleTextColour{230, 230, 240};
constexpr int kTitleBarHeight = 20;
}  // namespace

Platform::Platform(const PlatformOptions& options) : impl_(std::make_unique<Impl>(*this)) {
    Impl& m = *impl_;
    m.options = options;
    std::string error;
    if (!detail::EnsureSdlVideo(options.headless, &error)) throw std::runtime_error(error);
    const bool headless = options.headless || detail::IsHeadlessProcess();
    m.options.headless = headless;

    // Leftovers of an earlier platform in this process are not ours.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    m.injectEventType = SDL_RegisterEvents(1);

    // Headless runs get a hidden window on the dummy driver, so that the whole
    // present path runs in tests too.
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
    m.window = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                kCanvasWidth, kCanvasHeight, flags);
    if (m.window) {
        SDL_SetWindowMinimumSize(m.window, 200, 150);
        m.renderer = SDL_CreateRenderer(m.window, -1, headless ? SDL_RENDERER_SOFTWARE : 0);
        if (!m.renderer && !headless) m.renderer = SDL_CreateRenderer(m.window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (m.renderer) {
        m.texture = SDL_CreateTexture(m.renderer, detail::kPixelFormat, SDL_TEXTUREACCESS_STREAMING, kCanvasWidth,
                                      kCanvasHeight);
        SDL_SetTextureScaleMode(m.texture, SDL_ScaleModeNearest);
    }
    if (!headless && !m.texture) {
        const std::string why = SDL_GetError();
        if (m.renderer) SDL_DestroyRenderer(m.renderer);
        if (m.window) SDL_DestroyWindow(m.window);
        throw std::runtime_error("Cannot open the game window: " + why);
    }

    m.clock = options.clock;
    if (!m.clock) {
        m.ownClock = std::make_unique<RealClock>();
        m.clock = m.ownClock.get();
    }
    m.messageBox = options.messageBox;
    if (!m.messageBox) {
        m.ownMessageBox = std::make_unique<SdlMessageBox>(headless);
        m.ownMessageBox->setWindow(headless ? nullptr : m.window);
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
    if (m.texture) SDL_DestroyTexture(m.texture);
    if (m.renderer) SDL_DestroyRenderer(m.renderer);
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
    ++impl_->layoutChanges;
    impl_->showWindow();
}

void Platform::hideScreen(Screen& s) {
    if (!s.visible_) return;
    s.visible_ = false;
    ++impl_->layoutChanges;
}

void Platform::closeScreen(Screen& s) {
    if (s.closed_) return;
    s.closed_ = true;
    s.visible_ = false;
    if (impl_->captureScreen == &s) {
        impl_->captureScreen = nullptr;
        impl_->captureElement = nullptr;
    }
    ++impl_->layoutChanges;
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

// --- compositing ---

void Platform::Impl::composite() {
    canvas.fill(Color{});
    SDL_Surface* dst = canvas.native();
    for (Screen* s : order) {
        if (!s->visible() || s->closed()) continue;
        const SDL_Rect screenRect{s->left(), s->top(), s->width(), s->height()};
        if (!s->caption().empty()) {
            canvas.fillRect(s->left() - 1, s->top() - kTitleBarHeight - 1, s->left() + s->width(), s->top() - 1,
                            kTitleBarColour);
            canvas.rect(s->left() - 1, s->top() - kTitleBarHeight - 1, s->left() + s->width(), s->top() + s->height(),
                        kBorderColour);
            if (!captionFontTried) {
                captionFont = Font::open("Arial", 9, true);
                captionFontTried = true;
            }
            const int th = captionFont.textHeight(s->caption());
            canvas.drawText(captionFont, s->left() + 6, s->top() - kTitleBarHeight + (kTitleBarHeight - th) / 2 - 1,
                            s->caption(), kTitleTextColour);
        }
        canvas.fillRect(s->left(), s->top(), s->left() + s->width() - 1, s->top() + s->height() - 1, s->background());
        // Elements are clipped to their screen.
        SDL_SetClipRect(dst, &screenRect);
        for (const auto& e : s->elements()) {
            if (!e->visible() || e->width() <= 0 || e->height() <= 0) continue;
            const int ex = s->left() + e->left(), ey = s->top() + e->top();
            const int inset = e->border() ? 1 : 0;
            SDL_Rect outer{ex, ey, e->width(), e->height()};
            SDL_Rect clip;
            if (!SDL_IntersectRect(&outer, &screenRect, &clip)) continue;
            if (e->kind() == ElementKind::Panel) {
                if (SDL_Surface* src = e->canvas().native()) {
                    SDL_Rect from{0, 0, src->w, src->h};
                    SDL_Rect to{ex + inset, ey + inset, src->w, src->h};
                    SDL_BlitSurface(src, &from, dst, &to);  // opaque copy; honours the clip rectangle
                }
            } else if (!e->text().empty()) {
                SDL_SetClipRect(dst, &clip);
                const Font& f = e->font();
                const int tw = f.textWidth(e->text()), th = f.textHeight(e->text());
                canvas.drawText(f, ex + (e->width() - tw) / 2, ey + (e->height() - th) / 2, e->text(),
                                e->textColor());
                SDL_SetClipRect(dst, &screenRect);
            }
            if (e->border()) {
                SDL_SetClipRect(dst, &clip);
                const Uint32 c = 0xFF000000u | kBorderColour.rgb();
                SDL_Rect edges[4] = {{ex, ey, e->width(), 1},
                                     {ex, ey + e->height() - 1, e->width(), 1},
                                     {ex, ey, 1, e->height()},
                                     {ex + e->width() - 1, ey, 1, e->height()}};
                SDL_FillRects(dst, edges, 4, c);
                SDL_SetClipRect(dst, &screenRect);
            }
        }
        SDL_SetClipRect(dst, nullptr);
    }
}

SDL_Rect Platform::Impl::canvasRectInOutput() const {
    int ow = kCanvasWidth, oh = kCanvasHeight;
    if (renderer) SDL_GetRendererOutputSize(renderer, &ow, &oh);
    if (ow <= 0 || oh <= 0) return SDL_Rect{0, 0, kCanvasWidth, kCanvasHeight};
    // The largest 4:3 rectangle that fits, centred: letterboxed, never stretched.
    const double scale = std::min(static_cast<double>(ow) / kCanvasWidth, static_cast<double>(oh) / kCanvasHeight);
    const int w = std::max(1, static_cast<int>(kCanvasWidth * scale + 0.5));
    const int h = std::max(1, static_cast<int>(kCanvasHeight * scale + 0.5));
    return SDL_Rect{(ow - w) / 2, (oh - h) / 2, w, h};
}

void Platform::Impl::present() {
    composite();
    presentedChange = frameSignature();
    forcePresent = false;
    ++presents;
    if (!renderer || !texture) return;
    SDL_Surface* src = canvas.native();
    SDL_UpdateTexture(texture, nullptr, src->pixels, src->pitch);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    const SDL_Rect dst = canvasRectInOutput();
    SDL_RenderCopy(renderer, texture, nullptr, &dst);
    SDL_RenderPresent(renderer);
}

uint64_t Platform::Impl::frameSignature() const {
    // A fingerprint of everything a frame shows: which screens are up and in
    // what order, and the change counters of each visible screen, element and
    // drawing. Drawing on something no one sees leaves it as it is.
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    mix(layoutChanges);
    for (const Screen* s : order) {
        if (!s->visible()) continue;
        mix(reinterpret_cast<uintptr_t>(s));
        mix(s->changes());
        for (const auto& e : s->elements()) {
            if (!e->visible()) continue;
            mix(reinterpret_cast<uintptr_t>(e.get()));
            mix(e->changes());
            mix(e->canvas().changes());
        }
    }
    return h;
}

void Platform::Impl::presentIfChanged() {
    if (forcePresent || frameSignature() != presentedChange) present();
}

void Platform::Impl::showWindow() {
    if (windowShown || !window || options.headless) return;
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    windowShown = true;
    forcePresent = true;
}

void Platform::refresh() { impl_->present(); }

Surface Platform::snapshot() {
    impl_->composite();
    return impl_->canvas.clone();
}

uint64_t Platform::presentCount() const { return impl_->presents; }

}  // namespace sd::platform

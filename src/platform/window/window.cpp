// The window: opening it, showing and hiding it, where the pointer is on the
// canvas, and the program's end with the display given back.
#include "platform/window/window.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "base/layout.h"
#include "platform/window/display_loss.h"

namespace sd::platform {

namespace {
constexpr int kCanvasWidth = layout::kScreenWidth;
constexpr int kCanvasHeight = layout::kScreenHeight;
}  // namespace

Window::Window(const std::string& title, bool headless) : headless_(headless) {
    // The window shows its own pixels (no renderer): a frame writes the
    // changed rectangles into them and sends only those, which on X is a
    // shared-memory copy of a few small areas.
    const Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kCanvasWidth,
                               kCanvasHeight, flags);
    if (window_) SDL_SetWindowMinimumSize(window_, 200, 150);
    if (!headless && (!window_ || !updateWindowSurface())) {
        const std::string why = SDL_GetError();
        if (window_) SDL_DestroyWindow(window_);
        throw std::runtime_error("Cannot open the game window: " + why);
    }
    // A display that goes away ends the game at once (display_loss.h).
    if (!headless) detail::WatchDisplayLoss(window_);
}

Window::~Window() {
    if (displayMode_.isFullscreen() && window_) SDL_SetWindowFullscreen(window_, 0);
    ClearDisplayRescue();
    if (window_) SDL_DestroyWindow(window_);
}

bool Window::takesFrames() const {
    // Until the window is first shown nothing of it can be seen: the changes
    // wait, and showing it sends everything.
    return headless_ || shown_;
}

void Window::show() {
    if (shown_ || !window_ || headless_) return;
    if (needsPlacing_) {
        SDL_SetWindowSize(window_, kCanvasWidth, kCanvasHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        needsPlacing_ = false;
    }
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    shown_ = true;
    fullFrame_ = true;
}

void Window::hide() {
    if (!shown_ || !window_) return;
    if (displayMode_.isFullscreen()) UnmapAtOnce(window_);
    SDL_HideWindow(window_);
    shown_ = false;
}

void Window::endProcess(int code) {
    if (displayMode_.isFullscreen() && window_) {
        hide();
        displayMode_.leaveFullscreen();
    }
    std::fflush(nullptr);
    std::_Exit(code);
}

void Window::toCanvas(int wx, int wy, double& x, double& y) const {
    if (!window_) {
        x = wx;
        y = wy;
        return;
    }
    // Window coordinates are in points; the window may have more pixels
    // (HiDPI). The top-left corner of the pointer's pixel maps into the
    // canvas: at scale 1 that is the pixel itself, and the window's first pixel
    // never lands left of the canvas.
    int winW = 0, winH = 0, pixW = 0, pixH = 0;
    SDL_GetWindowSize(window_, &winW, &winH);
    outputSize(pixW, pixH);
    const double sx = winW > 0 ? static_cast<double>(pixW) / winW : 1.0;
    const double sy = winH > 0 ? static_cast<double>(pixH) / winH : 1.0;
    const Rect r = canvasRectInOutput();
    x = (wx * sx - r.x) * kCanvasWidth / r.w;
    y = (wy * sy - r.y) * kCanvasHeight / r.h;
}

void Window::noteWindowEvent(int event) {
    // The window's pixels still hold the last frame: uncovered or shown
    // again, it only needs them sent; a new size needs a new frame.
    if (event == SDL_WINDOWEVENT_SIZE_CHANGED) fullFrame_ = true;
    if (event == SDL_WINDOWEVENT_EXPOSED || event == SDL_WINDOWEVENT_RESTORED || event == SDL_WINDOWEVENT_SHOWN)
        resendWindow_ = true;
}

void Window::setTitle(const std::string& title) {
    if (window_ != nullptr) SDL_SetWindowTitle(window_, title.c_str());
}

}  // namespace sd::platform

// Frames in the window: what changed since the last frame is sent, scaled
// onto the window's letterboxed place.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "base/layout.h"
#include "platform/window/window.h"
#include "platform/draw/sdl_draw.h"
#include "platform/draw/surface_access.h"

namespace sd::platform {

using detail::Row;

namespace {

constexpr int kCanvasWidth = layout::kScreenWidth;
constexpr int kCanvasHeight = layout::kScreenHeight;
constexpr Rect kCanvasRect{0, 0, kCanvasWidth, kCanvasHeight};
// A frame this large (a repainted board) is sent in two steps.
constexpr long long kSplitFrameArea = 128 * 1024;

SDL_Rect ToSdl(const Rect& r) { return {r.x, r.y, r.w, r.h}; }

// The window's pixels take the canvas's 0x00RRGGBB words as they are.
bool SameLayout(const SDL_Surface* s) {
    const SDL_PixelFormat* f = s->format;
    return f->BytesPerPixel == 4 && f->Rmask == 0x00FF0000u && f->Gmask == 0x0000FF00u && f->Bmask == 0x000000FFu;
}

}  // namespace

void Window::outputSize(int& w, int& h) const {
    w = kCanvasWidth;
    h = kCanvasHeight;
    if (window_) SDL_GetWindowSizeInPixels(window_, &w, &h);
}

Rect Window::canvasRectInOutput() const {
    int ow = 0, oh = 0;
    outputSize(ow, oh);
    if (ow <= 0 || oh <= 0) return kCanvasRect;
    // The largest 4:3 rectangle that fits, centred: letterboxed, never stretched.
    const double scale = std::min(static_cast<double>(ow) / kCanvasWidth, static_cast<double>(oh) / kCanvasHeight);
    const int w = std::max(1, static_cast<int>(kCanvasWidth * scale + 0.5));
    const int h = std::max(1, static_cast<int>(kCanvasHeight * scale + 0.5));
    return Rect{(ow - w) / 2, (oh - h) / 2, w, h};
}

bool Window::updateWindowSurface() {
    if (!window_) return false;
    SDL_Surface* ws = SDL_GetWindowSurface(window_);
    if (!ws) return false;
    if (ws == windowSurface_ && placed_.w > 0 && sourceColumn_.size() == static_cast<size_t>(placed_.w) &&
        ws->w == outW_ && ws->h == outH_)
        return true;
    // A new surface (first frame, new size): everything is sent again, and
    // each output pixel takes the canvas pixel under its centre.
    windowSurface_ = ws;
    outW_ = ws->w;
    outH_ = ws->h;
    placed_ = canvasRectInOutput();
    placed_.w = std::min(placed_.w, ws->w);
    placed_.h = std::min(placed_.h, ws->h);
    sourceColumn_.resize(static_cast<size_t>(placed_.w));
    sourceRow_.resize(static_cast<size_t>(placed_.h));
    for (int o = 0; o < placed_.w; ++o)
        sourceColumn_[o] = static_cast<int>((2LL * o + 1) * kCanvasWidth / (2LL * placed_.w));
    for (int o = 0; o < placed_.h; ++o)
        sourceRow_[o] = static_cast<int>((2LL * o + 1) * kCanvasHeight / (2LL * placed_.h));
    fullFrame_ = true;
    return true;
}

long long Window::present(Damage frame, Surface& canvas, const Compose& compose) {
    const bool haveWindow = updateWindowSurface();
    bool everything = fullFrame_;
    if (everything) {
        frame.clear();
        frame.add(kCanvasRect);
    }
    if (frame.empty()) {
        if (resendWindow_ && haveWindow) SDL_UpdateWindowSurface(window_);
        resendWindow_ = false;
        return -1;
    }
    fullFrame_ = false;
    const long long area = frame.area();
    if (!haveWindow) {
        for (const Rect& r : frame) compose(r, nullptr);
        canvasBehind_ = false;
        return area;
    }
    SDL_Surface* ws = windowSurface_;
    if (!SameLayout(ws)) {
        // A display of another depth: SDL converts, and the whole canvas goes.
        if (canvasBehind_) frame.add(kCanvasRect);
        canvasBehind_ = false;
        for (const Rect& r : frame) compose(r, nullptr);
        SDL_FillRect(ws, nullptr, SDL_MapRGB(ws->format, 0, 0, 0));
        SDL_Rect to = ToSdl(placed_);
        SDL_BlitScaled(SurfaceAccess::native(canvas), nullptr, ws, &to);
        SDL_UpdateWindowSurface(window_);
        resendWindow_ = false;
        return area;
    }
    // A window of exactly the canvas's size is composed straight into its
    // own pixels; the canvas itself is then left behind until a scaled frame
    // needs it again.
    const bool direct = placed_ == kCanvasRect;
    if (direct) {
        canvasBehind_ = true;
        if (everything || resendWindow_) {
            for (const Rect& r : frame) compose(r, ws);
            SDL_UpdateWindowSurface(window_);
            resendWindow_ = false;
            return area;
        }
    } else if (canvasBehind_) {
        canvasBehind_ = false;
        frame.clear();
        frame.add(kCanvasRect);
        everything = true;
    }
    if (everything || resendWindow_) {
        if (everything) SDL_FillRect(ws, nullptr, 0);  // the letterbox bars
        for (const Rect& r : frame) {
            compose(r, nullptr);
            copyToWindow(canvas, r);
        }
        SDL_UpdateWindowSurface(window_);
        resendWindow_ = false;
        return area;
    }
    // In a large frame the smallest area goes first and on its own, the rest
    // after it: the pressed look of a button reaches the screen before the
    // board it repaints. A small frame goes in one piece (each piece sent
    // waits for the window system's answer).
    std::array<SDL_Rect, Damage::kMaxRects> out{};
    auto put = [&](const Rect& r) {
        if (!direct) {
            compose(r, nullptr);
            return ToSdl(copyToWindow(canvas, r));
        }
        compose(r, ws);
        return ToSdl(Intersect(r, kCanvasRect));
    };
    int first = -1;
    if (frame.size() > 1 && frame.area() > kSplitFrameArea) {
        first = 0;
        for (int i = 1; i < frame.size(); ++i)
            if (frame[i].area() < frame[first].area()) first = i;
        out[0] = put(frame[first]);
        SDL_UpdateWindowSurfaceRects(window_, out.data(), 1);
    }
    int n = 0;
    for (int i = 0; i < frame.size(); ++i)
        if (i != first) out[n++] = put(frame[i]);
    SDL_UpdateWindowSurfaceRects(window_, out.data(), n);
    return area;
}

Rect Window::copyToWindow(const Surface& canvas, const Rect& r) {
    SDL_Surface* ws = windowSurface_;
    SDL_Surface* src = SurfaceAccess::native(canvas);
    const bool oneToOne = placed_.w == kCanvasWidth && placed_.h == kCanvasHeight;
    // The output columns and rows whose source pixels lie in r (and a few
    // more, which take pixels that are up to date anyway).
    int o0 = r.x, o1 = r.right(), p0 = r.y, p1 = r.bottom();
    if (!oneToOne) {
        o0 = std::max(0, static_cast<int>(static_cast<long long>(r.x) * placed_.w / kCanvasWidth) - 1);
        o1 = std::min(placed_.w, static_cast<int>(static_cast<long long>(r.right()) * placed_.w / kCanvasWidth) + 2);
        p0 = std::max(0, static_cast<int>(static_cast<long long>(r.y) * placed_.h / kCanvasHeight) - 1);
        p1 = std::min(placed_.h, static_cast<int>(static_cast<long long>(r.bottom()) * placed_.h / kCanvasHeight) + 2);
    }
    if (o1 <= o0 || p1 <= p0) return Rect{};
    for (int p = p0; p < p1; ++p) {
        uint32_t* out = Row(ws, placed_.y + p) + placed_.x;
        if (oneToOne) {
            std::memcpy(out + o0, Row(src, p) + o0, static_cast<size_t>(o1 - o0) * 4);
        } else {
            const uint32_t* in = Row(src, sourceRow_[p]);
            for (int o = o0; o < o1; ++o) out[o] = in[sourceColumn_[o]];
        }
    }
    return Rect{placed_.x + o0, placed_.y + p0, o1 - o0, p1 - p0};
}

Surface Window::pixels() {
    if (!updateWindowSurface()) return Surface();
    SDL_Surface* ws = windowSurface_;
    Surface copy(ws->w, ws->h);
    SDL_SetSurfaceBlendMode(ws, SDL_BLENDMODE_NONE);
    if (SDL_Surface* to = SurfaceAccess::writable(copy, {0, 0, ws->w, ws->h})) SDL_BlitSurface(ws, nullptr, to, nullptr);
    SurfaceAccess::forgetDamage(copy);
    return copy;
}

}  // namespace sd::platform

// Frames: what changed since the last frame is recomposed on the canvas and
// only that is sent to the window, scaled onto its letterboxed place.
#include <algorithm>
#include <array>
#include <cstring>

#include "platform/platform_impl.h"

namespace sd::platform {

namespace {

constexpr Color kBorderColour{70, 80, 110};
constexpr Color kTitleBarColour{30, 40, 90};
constexpr Color kTitleTextColour{230, 230, 240};
constexpr Rect kCanvasRect{0, 0, Platform::kCanvasWidth, Platform::kCanvasHeight};
// A frame this large (a repainted board) is sent in two steps.
constexpr long long kSplitFrameArea = 128 * 1024;

SDL_Rect ToSdl(const Rect& r) { return {r.x, r.y, r.w, r.h}; }
Uint32 Pack(Color c) { return 0xFF000000u | c.rgb(); }

// Clip dst to r; false when nothing of r is left.
bool ClipTo(SDL_Surface* dst, const Rect& r) {
    const SDL_Rect c = ToSdl(r);
    SDL_SetClipRect(dst, &c);
    return !r.empty();
}

uint32_t* Row(SDL_Surface* s, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch);
}

// The window's pixels take the canvas's 0x00RRGGBB words as they are.
bool SameLayout(const SDL_Surface* s) {
    const SDL_PixelFormat* f = s->format;
    return f->BytesPerPixel == 4 && f->Rmask == 0x00FF0000u && f->Gmask == 0x0000FF00u && f->Bmask == 0x000000FFu;
}

}  // namespace

Damage Platform::Impl::collectDamage() {
    Damage frame;
    frame.addFrom(layoutDamage, 0, 0, kCanvasRect);
    layoutDamage.clear();
    // Every screen and element forgets its changes, shown or not: what is
    // hidden now is redrawn as a whole when it is shown again.
    for (const auto& owned : screens) {
        Screen& s = *owned;
        const bool shown = s.visible() && !s.closed();
        if (shown) frame.addFrom(s.damage(), 0, 0, kCanvasRect);
        s.forgetDamage();
        const Rect screenRect = Intersect({s.left(), s.top(), s.width(), s.height()}, kCanvasRect);
        for (const auto& e : s.elements()) {
            if (shown) {
                frame.addFrom(e->damage(), s.left(), s.top(), screenRect);
                if (e->visible() && e->kind() == ElementKind::Panel) {
                    const int inset = e->border() ? 1 : 0;
                    const int x = s.left() + e->left() + inset, y = s.top() + e->top() + inset;
                    const Rect client = Intersect({x, y, e->clientWidth(), e->clientHeight()}, screenRect);
                    frame.addFrom(e->canvas().damage(), x, y, client);
                }
            }
            e->forgetDamage();
            e->canvas().forgetDamage();
        }
    }
    return frame;
}

void Platform::Impl::composite(const Rect& wanted, SDL_Surface* dst) {
    const Rect area = Intersect(wanted, kCanvasRect);
    if (area.empty()) return;
    if (!dst) {
        dst = canvas.writableNative(area);
        if (!dst) return;
    }
    ClipTo(dst, area);
    // What lies under a screen that covers the whole area is never seen.
    size_t first = order.size();
    while (first > 0) {
        const Screen& s = *order[first - 1];
        if (s.visible() && !s.closed() && Rect{s.left(), s.top(), s.width(), s.height()}.contains(area)) break;
        --first;
    }
    if (first == 0) {
        const SDL_Rect all = ToSdl(area);
        SDL_FillRect(dst, &all, Pack(Color{}));
    } else {
        --first;
    }
    for (size_t i = first; i < order.size(); ++i)
        if (order[i]->visible() && !order[i]->closed()) compositeScreen(*order[i], dst, area);
    SDL_SetClipRect(dst, nullptr);
    canvas.forgetDamage();
}

void Platform::Impl::compositeScreen(Screen& s, SDL_Surface* dst, const Rect& area) {
    if (Intersect(s.frameBounds(), area).empty()) return;
    if (!s.caption().empty()) {
        const Rect frame = s.frameBounds();
        ClipTo(dst, Intersect(frame, area));
        SDL_Rect bar{frame.x, frame.y, frame.w, Screen::kTitleBarHeight + 1};
        SDL_FillRect(dst, &bar, Pack(kTitleBarColour));
        SDL_Rect edges[4] = {{frame.x, frame.y, frame.w, 1},
                             {frame.x, frame.bottom() - 1, frame.w, 1},
                             {frame.x, frame.y, 1, frame.h},
                             {frame.right() - 1, frame.y, 1, frame.h}};
        SDL_FillRects(dst, edges, 4, Pack(kBorderColour));
        if (!captionFontTried) {
            captionFont = Font::open("Arial", 9, true);
            captionFontTried = true;
        }
        const int th = captionFont.textHeight(s.caption());
        detail::DrawText(dst, captionFont, s.left() + 6,
                         s.top() - Screen::kTitleBarHeight + (Screen::kTitleBarHeight - th) / 2 - 1, s.caption(),
                         kTitleTextColour);
    }
    // Elements are clipped to their screen.
    const Rect screenRect = Intersect({s.left(), s.top(), s.width(), s.height()}, area);
    if (!ClipTo(dst, screenRect)) return;
    // Neither the background nor the elements under a panel whose picture
    // covers all of the area are seen there (the board under a cell frame).
    const auto& elements = s.elements();
    size_t first = elements.size();
    while (first > 0) {
        const Element& e = *elements[first - 1];
        const int inset = e.border() ? 1 : 0;
        const Surface& c = e.canvas();
        if (e.visible() && e.kind() == ElementKind::Panel && !c.empty() &&
            Rect{s.left() + e.left() + inset, s.top() + e.top() + inset, std::min(c.width(), e.clientWidth()),
                 std::min(c.height(), e.clientHeight())}
                .contains(screenRect))
            break;
        --first;
    }
    if (first == 0) {
        const SDL_Rect back = ToSdl(screenRect);
        SDL_FillRect(dst, &back, Pack(s.background()));
    } else {
        --first;
    }
    for (size_t i = first; i < elements.size(); ++i) {
        const auto& e = elements[i];
        if (!e->visible() || e->width() <= 0 || e->height() <= 0) continue;
        const int ex = s.left() + e->left(), ey = s.top() + e->top();
        const Rect outer{ex, ey, e->width(), e->height()};
        if (!ClipTo(dst, Intersect(outer, screenRect))) continue;
        if (e->kind() == ElementKind::Panel) {
            if (SDL_Surface* src = e->canvas().native()) {
                const int inset = e->border() ? 1 : 0;
                SDL_Rect to{ex + inset, ey + inset, src->w, src->h};
                SDL_BlitSurface(src, nullptr, dst, &to);  // opaque copy; honours the clip rectangle
            }
        } else if (!e->text().empty()) {
            const Font& f = e->font();
            const int tw = f.textWidth(e->text()), th = f.textHeight(e->text());
            detail::DrawText(dst, f, ex + (e->width() - tw) / 2, ey + (e->height() - th) / 2, e->text(),
                             e->textColor());
        }
        if (e->border()) {
            SDL_Rect edges[4] = {{ex, ey, e->width(), 1},
                                 {ex, ey + e->height() - 1, e->width(), 1},
                                 {ex, ey, 1, e->height()},
                                 {ex + e->width() - 1, ey, 1, e->height()}};
            SDL_FillRects(dst, edges, 4, Pack(kBorderColour));
        }
    }
}

void Platform::Impl::outputSize(int& w, int& h) const {
    w = kCanvasWidth;
    h = kCanvasHeight;
    if (window) SDL_GetWindowSizeInPixels(window, &w, &h);
}

SDL_Rect Platform::Impl::canvasRectInOutput() const {
    int ow = 0, oh = 0;
    outputSize(ow, oh);
    if (ow <= 0 || oh <= 0) return SDL_Rect{0, 0, kCanvasWidth, kCanvasHeight};
    // The largest 4:3 rectangle that fits, centred: letterboxed, never stretched.
    const double scale = std::min(static_cast<double>(ow) / kCanvasWidth, static_cast<double>(oh) / kCanvasHeight);
    const int w = std::max(1, static_cast<int>(kCanvasWidth * scale + 0.5));
    const int h = std::max(1, static_cast<int>(kCanvasHeight * scale + 0.5));
    return SDL_Rect{(ow - w) / 2, (oh - h) / 2, w, h};
}

bool Platform::Impl::updateWindowSurface() {
    if (!window) return false;
    SDL_Surface* ws = SDL_GetWindowSurface(window);
    if (!ws) return false;
    if (ws == windowSurface && placed.w > 0 && sourceColumn.size() == static_cast<size_t>(placed.w) &&
        ws->w == outW && ws->h == outH)
        return true;
    // A new surface (first frame, new size): everything is sent again, and
    // each output pixel takes the canvas pixel under its centre.
    windowSurface = ws;
    outW = ws->w;
    outH = ws->h;
    placed = canvasRectInOutput();
    placed.w = std::min(placed.w, ws->w);
    placed.h = std::min(placed.h, ws->h);
    sourceColumn.resize(static_cast<size_t>(placed.w));
    sourceRow.resize(static_cast<size_t>(placed.h));
    for (int o = 0; o < placed.w; ++o)
        sourceColumn[o] = static_cast<int>((2LL * o + 1) * kCanvasWidth / (2LL * placed.w));
    for (int o = 0; o < placed.h; ++o)
        sourceRow[o] = static_cast<int>((2LL * o + 1) * kCanvasHeight / (2LL * placed.h));
    fullFrame = true;
    return true;
}

void Platform::Impl::present() {
    // Until the window is first shown nothing of it can be seen: the changes
    // wait, and showing it sends everything.
    if (!options.headless && !windowShown) return;
    const bool haveWindow = updateWindowSurface();
    bool everything = fullFrame;
    Damage frame = collectDamage();
    if (everything) {
        frame.clear();
        frame.add(kCanvasRect);
    }
    if (frame.empty()) {
        if (resendWindow && haveWindow) SDL_UpdateWindowSurface(window);
        resendWindow = false;
        return;
    }
    fullFrame = false;
    ++presents;
    lastFrameArea = frame.area();
    if (!haveWindow) {
        for (const Rect& r : frame) composite(r);
        canvasBehind = false;
        return;
    }
    SDL_Surface* ws = windowSurface;
    if (!SameLayout(ws)) {
        // A display of another depth: SDL converts, and the whole canvas goes.
        if (canvasBehind) frame.add(kCanvasRect);
        canvasBehind = false;
        for (const Rect& r : frame) composite(r);
        SDL_FillRect(ws, nullptr, SDL_MapRGB(ws->format, 0, 0, 0));
        SDL_Rect to = placed;
        SDL_BlitScaled(canvas.native(), nullptr, ws, &to);
        SDL_UpdateWindowSurface(window);
        resendWindow = false;
        return;
    }
    // A window of exactly the canvas's size is composed straight into its
    // own pixels; the canvas itself is then left behind until a scaled frame
    // needs it again.
    const bool direct = placed.x == 0 && placed.y == 0 && placed.w == kCanvasWidth && placed.h == kCanvasHeight;
    if (direct) {
        canvasBehind = true;
        if (everything || resendWindow) {
            for (const Rect& r : frame) composite(r, ws);
            SDL_UpdateWindowSurface(window);
            resendWindow = false;
            return;
        }
    } else if (canvasBehind) {
        canvasBehind = false;
        frame.clear();
        frame.add(kCanvasRect);
        everything = true;
    }
    if (everything || resendWindow) {
        if (everything) SDL_FillRect(ws, nullptr, 0);  // the letterbox bars
        for (const Rect& r : frame) {
            composite(r);
            copyToWindow(r);
        }
        SDL_UpdateWindowSurface(window);
        resendWindow = false;
        return;
    }
    // In a large frame the smallest area goes first and on its own, the rest
    // after it: the pressed look of a button reaches the screen before the
    // board it repaints. A small frame goes in one piece (each piece sent
    // waits for the window system's answer).
    std::array<SDL_Rect, Damage::kMaxRects> out{};
    auto put = [&](const Rect& r) {
        if (!direct) {
            composite(r);
            return copyToWindow(r);
        }
        composite(r, ws);
        const Rect on = Intersect(r, kCanvasRect);
        return SDL_Rect{on.x, on.y, on.w, on.h};
    };
    int first = -1;
    if (frame.size() > 1 && frame.area() > kSplitFrameArea) {
        first = 0;
        for (int i = 1; i < frame.size(); ++i)
            if (frame[i].area() < frame[first].area()) first = i;
        out[0] = put(frame[first]);
        SDL_UpdateWindowSurfaceRects(window, out.data(), 1);
    }
    int n = 0;
    for (int i = 0; i < frame.size(); ++i)
        if (i != first) out[n++] = put(frame[i]);
    SDL_UpdateWindowSurfaceRects(window, out.data(), n);
}

SDL_Rect Platform::Impl::copyToWindow(const Rect& r) {
    SDL_Surface* ws = windowSurface;
    SDL_Surface* src = canvas.native();
    const bool oneToOne = placed.w == kCanvasWidth && placed.h == kCanvasHeight;
    // The output columns and rows whose source pixels lie in r (and a few
    // more, which take pixels that are up to date anyway).
    int o0 = r.x, o1 = r.right(), p0 = r.y, p1 = r.bottom();
    if (!oneToOne) {
        o0 = std::max(0, static_cast<int>(static_cast<long long>(r.x) * placed.w / kCanvasWidth) - 1);
        o1 = std::min(placed.w, static_cast<int>(static_cast<long long>(r.right()) * placed.w / kCanvasWidth) + 2);
        p0 = std::max(0, static_cast<int>(static_cast<long long>(r.y) * placed.h / kCanvasHeight) - 1);
        p1 = std::min(placed.h, static_cast<int>(static_cast<long long>(r.bottom()) * placed.h / kCanvasHeight) + 2);
    }
    if (o1 <= o0 || p1 <= p0) return SDL_Rect{0, 0, 0, 0};
    for (int p = p0; p < p1; ++p) {
        uint32_t* out = Row(ws, placed.y + p) + placed.x;
        if (oneToOne) {
            std::memcpy(out + o0, Row(src, p) + o0, static_cast<size_t>(o1 - o0) * 4);
        } else {
            const uint32_t* in = Row(src, sourceRow[p]);
            for (int o = o0; o < o1; ++o) out[o] = in[sourceColumn[o]];
        }
    }
    return SDL_Rect{placed.x + o0, placed.y + p0, o1 - o0, p1 - p0};
}

void Platform::Impl::showWindow() {
    if (windowShown || !window || options.headless) return;
    if (windowNeedsPlacing) {
        SDL_SetWindowSize(window, kCanvasWidth, kCanvasHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        windowNeedsPlacing = false;
    }
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    windowShown = true;
    fullFrame = true;
}

void Platform::hideWindow() {
    Impl& m = *impl_;
    if (!m.windowShown || !m.window) return;
    if (m.fullscreen) UnmapAtOnce(m.window);
    SDL_HideWindow(m.window);
    m.windowShown = false;
}

void Platform::refresh() { impl_->present(); }

Surface Platform::snapshot() {
    impl_->composite(kCanvasRect);
    return impl_->canvas.clone();
}

Surface Platform::windowPixels() {
    Impl& m = *impl_;
    if (!m.updateWindowSurface()) return Surface();
    SDL_Surface* ws = m.windowSurface;
    Surface copy(ws->w, ws->h);
    SDL_SetSurfaceBlendMode(ws, SDL_BLENDMODE_NONE);
    if (SDL_Surface* to = copy.writableNative({0, 0, ws->w, ws->h})) SDL_BlitSurface(ws, nullptr, to, nullptr);
    copy.forgetDamage();
    return copy;
}

uint64_t Platform::presentCount() const { return impl_->presents; }
long long Platform::lastFrameArea() const { return impl_->lastFrameArea; }

}  // namespace sd::platform

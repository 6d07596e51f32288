// Frames: what changed on the screens since the last frame is recomposed,
// and the window sends only that (window/window_present.cpp).
#include <algorithm>

#include "platform/input/platform_impl.h"
#include "platform/draw/surface_access.h"

namespace sd::platform {

namespace {

constexpr Color kBorderColour{70, 80, 110};
constexpr Color kTitleBarColour{30, 40, 90};
constexpr Color kTitleTextColour{230, 230, 240};
constexpr Rect kCanvasRect{0, 0, kCanvasWidth, kCanvasHeight};

SDL_Rect ToSdl(const Rect& r) { return {r.x, r.y, r.w, r.h}; }
Uint32 Pack(Color c) { return 0xFF000000u | c.rgb(); }

// Clip dst to r; false when nothing of r is left.
bool ClipTo(SDL_Surface* dst, const Rect& r) {
    const SDL_Rect c = ToSdl(r);
    SDL_SetClipRect(dst, &c);
    return !r.empty();
}

}  // namespace

Damage Platform::Impl::collectDamage() {
    Damage frame;
    frame.addFrom(frames.layoutDamage, 0, 0, kCanvasRect);
    frames.layoutDamage.clear();
    // Every screen and element forgets its changes, shown or not: what is
    // hidden now is redrawn as a whole when it is shown again.
    for (const auto& owned : screens) {
        Screen& s = *owned;
        const bool shown = s.visible() && !s.closed();
        if (shown) frame.addFrom(s.damage(), 0, 0, kCanvasRect);
        s.forgetDamage();
        const Rect screen = s.bounds();
        const Rect screenRect = Intersect(screen, kCanvasRect);
        for (const auto& e : s.elements()) {
            if (shown) {
                frame.addFrom(e->damage(), screen.x, screen.y, screenRect);
                if (e->look().visible && e->kind() == ElementKind::Panel) {
                    const int inset = e->look().border ? 1 : 0;
                    const Rect at = e->bounds().moved(screen.x + inset, screen.y + inset);
                    const Rect client = Intersect({at.x, at.y, e->clientSize().width, e->clientSize().height}, screenRect);
                    frame.addFrom(SurfaceAccess::damage(e->canvas()), at.x, at.y, client);
                }
            }
            e->forgetDamage();
            SurfaceAccess::forgetDamage(e->canvas());
        }
    }
    return frame;
}

void Platform::Impl::composite(const Rect& wanted, SDL_Surface* dst) {
    const Rect area = Intersect(wanted, kCanvasRect);
    if (area.empty()) return;
    if (!dst) {
        if (frames.canvas.empty()) frames.canvas = Surface(kCanvasWidth, kCanvasHeight);
        dst = SurfaceAccess::writable(frames.canvas, area);
        if (!dst) return;
    }
    ClipTo(dst, area);
    // What lies under a screen that covers the whole area is never seen.
    size_t first = order.size();
    while (first > 0) {
        const Screen& s = *order[first - 1];
        if (s.visible() && !s.closed() && s.bounds().contains(area)) break;
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
    SurfaceAccess::forgetDamage(frames.canvas);
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
        if (!frames.captionFontTried) {
            frames.captionFont = Font::open("Arial", 9, true);
            frames.captionFontTried = true;
        }
        const int th = frames.captionFont.textHeight(s.caption());
        detail::DrawText(dst, frames.captionFont, s.bounds().x + 6,
                         s.bounds().y - Screen::kTitleBarHeight + (Screen::kTitleBarHeight - th) / 2 - 1, s.caption(),
                         kTitleTextColour);
    }
    // Elements are clipped to their screen.
    const Rect screenRect = Intersect(s.bounds(), area);
    if (!ClipTo(dst, screenRect)) return;
    // Neither the background nor the elements under a panel whose picture
    // covers all of the area are seen there (the board under a cell frame).
    const auto& elements = s.elements();
    const Rect screen = s.bounds();
    size_t first = elements.size();
    while (first > 0) {
        const Element& e = *elements[first - 1];
        const int inset = e.look().border ? 1 : 0;
        const Surface& c = e.canvas();
        const Rect at = e.bounds().moved(screen.x + inset, screen.y + inset);
        if (e.look().visible && e.kind() == ElementKind::Panel && !c.empty() &&
            Rect{at.x, at.y, std::min(c.width(), e.clientSize().width), std::min(c.height(), e.clientSize().height)}
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
        const Element& e = *elements[i];
        const Element::Look& look = e.look();
        const Rect outer = e.bounds().moved(screen.x, screen.y);
        if (!look.visible || outer.empty()) continue;
        const int ex = outer.x, ey = outer.y, ew = outer.w, eh = outer.h;
        if (!ClipTo(dst, Intersect(outer, screenRect))) continue;
        if (e.kind() == ElementKind::Panel) {
            if (SDL_Surface* src = SurfaceAccess::native(e.canvas())) {
                const int inset = look.border ? 1 : 0;
                SDL_Rect to{ex + inset, ey + inset, src->w, src->h};
                SDL_BlitSurface(src, nullptr, dst, &to);  // opaque copy; honours the clip rectangle
            }
        } else if (!look.text.empty()) {
            const int tw = look.font.textWidth(look.text), th = look.font.textHeight(look.text);
            detail::DrawText(dst, look.font, ex + (ew - tw) / 2, ey + (eh - th) / 2, look.text, look.textColor);
        }
        if (look.border) {
            SDL_Rect edges[4] = {{ex, ey, ew, 1}, {ex, ey + eh - 1, ew, 1}, {ex, ey, 1, eh}, {ex + ew - 1, ey, 1, eh}};
            SDL_FillRects(dst, edges, 4, Pack(kBorderColour));
        }
    }
}

void Platform::Impl::present() {
    if (!window->takesFrames()) return;
    // Most events (a pointer move within a cell) change nothing: then every
    // screen and element is known clean without walking them. The window
    // still gets its turn, for a new size or an uncovered window.
    Damage frame;
    if (Damage::generation() != frames.collectedGeneration) {
        frame = collectDamage();
        frames.collectedGeneration = Damage::generation();
    }
    const long long area = window->present(std::move(frame), frames.canvas, [this](const Rect& r, SDL_Surface* dst) {
        composite(r, dst);
    });
    if (area < 0) return;
    ++frames.presents;
    frames.lastFrameArea = area;
}

void Platform::refresh() { impl_->present(); }

}  // namespace sd::platform

// Changed areas: rectangles, merged where that is cheaper than keeping them apart.
#include "platform/draw/damage.h"

#include <algorithm>
#include <limits>

namespace sd::platform {

Rect Intersect(const Rect& a, const Rect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.right(), b.right()), y1 = std::min(a.bottom(), b.bottom());
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect Bounds(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    return {x0, y0, std::max(a.right(), b.right()) - x0, std::max(a.bottom(), b.bottom()) - y0};
}

void Damage::add(const Rect& in) {
    if (in.empty()) return;
    ++generation_;
    Rect r = in;
    // Swallow every rectangle that is cheap to take along; the grown one may
    // now be worth merging with others, so look again.
    for (bool merged = true; merged;) {
        merged = false;
        for (int i = 0; i < count_; ++i) {
            if (rects_[i].contains(r)) return;
            const Rect both = Bounds(rects_[i], r);
            if (both.area() - rects_[i].area() - r.area() <= kMergeSlack) {
                r = both;
                removeAt(i);
                merged = true;
                break;
            }
        }
    }
    if (count_ == kMaxRects) {
        // Full: r joins the rectangle it grows least.
        int best = 0;
        long long bestCost = std::numeric_limits<long long>::max();
        for (int i = 0; i < count_; ++i) {
            const long long cost = Bounds(rects_[i], r).area() - rects_[i].area();
            if (cost < bestCost) {
                bestCost = cost;
                best = i;
            }
        }
        const Rect both = Bounds(rects_[best], r);
        removeAt(best);
        add(both);
        return;
    }
    rects_[count_++] = r;
}

void Damage::addFrom(const Damage& other, int dx, int dy, const Rect& clip) {
    for (const Rect& r : other) add(Intersect(r.moved(dx, dy), clip));
}

long long Damage::area() const {
    long long sum = 0;
    for (const Rect& r : *this) sum += r.area();
    return sum;
}

void Damage::removeAt(int i) {
    rects_[i] = rects_[count_ - 1];
    --count_;
}

}  // namespace sd::platform

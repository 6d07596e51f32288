#pragma once
// Changed areas. Surfaces, elements and screens note the rectangles they
// change; a frame recomposes and sends to the window only those. A handful of
// rectangles is plenty: near ones are merged as they come in, so a frame that
// changes a few cells and a line of text stays a few small rectangles, and one
// that changes everywhere ends as one large one.
#include <array>
#include <cstdint>

namespace sd::platform {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    long long area() const { return empty() ? 0 : static_cast<long long>(w) * h; }
    int right() const { return x + w; }   // one past the last column
    int bottom() const { return y + h; }  // one past the last row
    bool contains(const Rect& o) const {
        return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
    }
    Rect moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
    bool operator==(const Rect&) const = default;
};

// The common part; empty when there is none.
Rect Intersect(const Rect& a, const Rect& b);
// The smallest rectangle holding both (an empty one adds nothing).
Rect Bounds(const Rect& a, const Rect& b);

class Damage {
public:
    static constexpr int kMaxRects = 12;
    // Two rectangles become one when their bounds cost at most this many
    // pixels more than the two: recomposing a few thousand pixels is cheaper
    // than one more rectangle to send.
    static constexpr long long kMergeSlack = 8192;

    Damage() = default;
    // A copy carries its rectangles somewhere new (a canvas moved into an
    // element): that counts as a change, as an add does.
    Damage(const Damage& other) : rects_(other.rects_), count_(other.count_) { noteChange(); }
    Damage& operator=(const Damage& other) {
        rects_ = other.rects_;
        count_ = other.count_;
        noteChange();
        return *this;
    }

    // Counts every rectangle added to, or carried into, any damage of the
    // program. While it stands still nothing anywhere has changed, so a frame
    // need not look through the screens for what did.
    static uint64_t generation() { return generation_; }

    void add(const Rect& r);
    // Every rectangle of other, moved by (dx, dy) and cut to clip.
    void addFrom(const Damage& other, int dx, int dy, const Rect& clip);
    void clear() { count_ = 0; }
    bool empty() const { return count_ == 0; }
    int size() const { return count_; }
    const Rect& operator[](int i) const { return rects_[i]; }
    const Rect* begin() const { return rects_.data(); }
    const Rect* end() const { return rects_.data() + count_; }
    long long area() const;  // of the rectangles (overlaps counted twice)

private:
    void noteChange() {
        if (count_ > 0) ++generation_;
    }
    void removeAt(int i);
    static inline uint64_t generation_ = 0;
    std::array<Rect, kMaxRects> rects_{};
    int count_ = 0;
};

}  // namespace sd::platform

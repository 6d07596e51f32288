// Elements of a screen: panels with a picture and a drawing layer, and labels.
#include "platform/input/element.h"
#include "platform/draw/surface_access.h"

#include <algorithm>

#include "base/rounding.h"
#include "platform/draw/sdl_draw.h"

namespace sd::platform {


namespace {

int ClampPixel(double v) {
    const double r = sd::RoundEven(v);
    if (!(r > -1e6)) return -1000000;  // also NaN
    if (r > 1e6) return 1000000;
    return static_cast<int>(r);
}

uint64_t g_layoutGeneration = 0;

}  // namespace

uint64_t Element::layoutGeneration() { return g_layoutGeneration; }
void Element::noteLayoutChange() { ++g_layoutGeneration; }

Element::Element(ElementKind kind, std::string name, int index)
    : kind_(kind), name_(std::move(name)), index_(index) {}

void Element::changed(const Rect& before) {
    noteLayoutChange();
    if (look_.visible) {
        damage_.add(before);
        damage_.add(bounds());
    }
    ++changes_;
}

void Element::setPosition(double left, double top) {
    const int l = ClampPixel(left), t = ClampPixel(top);
    if (l == left_ && t == top_) return;
    const Rect before = bounds();
    left_ = l;
    top_ = t;
    changed(before);
}

// The picture over the background, at the client size. A picture that fills
// the client area exactly is the canvas itself until something is drawn.
static Surface FreshCanvas(const Element& e, const Surface& picture) {
    if (!picture.empty() && picture.width() == e.clientSize().width && picture.height() == e.clientSize().height)
        return picture.clone();
    Surface c(e.clientSize().width, e.clientSize().height, e.look().background);
    if (!picture.empty()) c.blit(picture, 0, 0);
    return c;
}

void Element::setSize(int width, int height) {
    width = std::clamp(width, 0, 32767);
    height = std::clamp(height, 0, 32767);
    if (width == width_ && height == height_) return;
    const Rect before = bounds();
    width_ = width;
    height_ = height;
    if (kind_ == ElementKind::Panel) {
        Surface fresh = FreshCanvas(*this, picture_);
        fresh.blit(canvas_, 0, 0);  // what was drawn stays at the top left
        canvas_ = std::move(fresh);
    }
    changed(before);
}

void Element::setVisible(bool v) {
    if (v == look_.visible) return;
    look_.visible = v;
    noteLayoutChange();
    damage_.add(bounds());
    ++changes_;
}

void Element::setBorder(bool thin) {
    if (thin == look_.border) return;
    const Rect before = bounds();
    look_.border = thin;
    const int extra = thin ? 2 : 0;
    if (autoSize_ && !picture_.empty()) {
        width_ = picture_.width() + extra;
        height_ = picture_.height() + extra;
    } else {
        width_ = std::max(width_, extra);
        height_ = std::max(height_, extra);
    }
    if (kind_ == ElementKind::Panel) {
        Surface fresh = FreshCanvas(*this, picture_);
        fresh.blit(canvas_, 0, 0);
        canvas_ = std::move(fresh);
    }
    changed(before);
}

void Element::setBackground(Color c) {
    if (c == look_.background) return;
    look_.background = c;
    // As with the classic picture box, a new back colour wipes the drawing;
    // the picture stays.
    clear();
}

void Element::setPicture(const Surface& picture) {
    if (picture.empty()) {
        clearPicture();
        return;
    }
    const Rect before = bounds();
    picture_ = picture.clone();
    if (autoSize_) {
        const int extra = look_.border ? 2 : 0;
        width_ = picture_.width() + extra;
        height_ = picture_.height() + extra;
    }
    resetCanvas();
    changed(before);
}

void Element::clearPicture() {
    picture_ = Surface();
    clear();
}

void Element::resetCanvas() {
    if (kind_ != ElementKind::Panel) return;
    const int w = clientSize().width, h = clientSize().height;
    if (canvas_.width() == w && canvas_.height() == h && SurfaceAccess::ownsPixels(canvas_)) {
        // Drawn on before, and so most likely again: the canvas keeps its own
        // pixels and takes the picture into them, rather than sharing the
        // picture now and copying it back at the next line drawn.
        if (picture_.width() < w || picture_.height() < h) canvas_.fill(look_.background);
        if (!picture_.empty()) canvas_.blit(picture_, 0, 0);
        return;
    }
    canvas_ = FreshCanvas(*this, picture_);
}

void Element::clear() {
    resetCanvas();
    changed(bounds());
}

void Element::setText(const std::string& text) {
    if (text == look_.text) return;
    look_.text = text;
    changed(bounds());
}

void Element::setFont(Font font) {
    look_.font = std::move(font);
    changed(bounds());
}

void Element::setTextColor(Color c) {
    if (c == look_.textColor) return;
    look_.textColor = c;
    changed(bounds());
}

}  // namespace sd::platform

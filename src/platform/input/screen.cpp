// Screens: ordered lists of elements over a background colour.
#include "platform/input/screen.h"

#include <algorithm>

#include "platform/draw/sdl_draw.h"

namespace sd::platform {

Screen::Screen(std::string name, int width, int height)
    : name_(std::move(name)), width_(std::max(width, 0)), height_(std::max(height, 0)) {}

Element& Screen::addPanel(const std::string& name, int index) {
    elements_.push_back(std::make_unique<Element>(ElementKind::Panel, name, index));
    Element::noteLayoutChange();
    ++changes_;
    return *elements_.back();
}

Element& Screen::addLabel(const std::string& name, int index) {
    elements_.push_back(std::make_unique<Element>(ElementKind::Label, name, index));
    Element::noteLayoutChange();
    ++changes_;
    return *elements_.back();
}

Element* Screen::find(const std::string& name, int index) {
    for (auto& e : elements_)
        if (e->name() == name && e->index() == index) return e.get();
    return nullptr;
}

void Screen::bringToFront(Element& e) {
    auto it = std::find_if(elements_.begin(), elements_.end(), [&](const auto& p) { return p.get() == &e; });
    if (it == elements_.end() || it + 1 == elements_.end()) return;
    std::rotate(it, it + 1, elements_.end());
    Element::noteLayoutChange();
    if (e.look().visible) damage_.add(e.bounds().moved(left_, top_));
    ++changes_;
}

const std::vector<Screen::Hit>& Screen::hits() const {
    if (hitsGeneration_ != Element::layoutGeneration()) {
        hits_.clear();
        for (auto it = elements_.rbegin(); it != elements_.rend(); ++it) {
            if ((*it)->look().visible) hits_.push_back({(*it)->bounds(), it->get()});
        }
        hitsGeneration_ = Element::layoutGeneration();
    }
    return hits_;
}

Rect Screen::frameBounds() const {
    if (caption_.empty()) return {left_, top_, width_, height_};
    return {left_ - 1, top_ - kTitleBarHeight - 1, width_ + 2, height_ + kTitleBarHeight + 2};
}

void Screen::setBounds(int left, int top, int width, int height) {
    damage_.add(frameBounds());
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    damage_.add(frameBounds());
    ++changes_;
}

void Screen::centreOnCanvas(int canvasWidth, int canvasHeight) {
    setBounds((canvasWidth - width_) / 2, (canvasHeight - height_) / 2, width_, height_);
}

void Screen::setBackground(Color c) {
    background_ = c;
    damage_.add(frameBounds());
    ++changes_;
}

void Screen::setCaption(const std::string& c) {
    damage_.add(frameBounds());
    caption_ = c;
    damage_.add(frameBounds());
    ++changes_;
}

}  // namespace sd::platform

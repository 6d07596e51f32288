#pragma once
// An element of a screen: a panel (shows a picture and can be drawn on) or a
// label (a centred text without background). Position and size are in canvas
// pixels relative to the screen's top-left corner.
#include <functional>
#include <string>

#include "base/geometry.h"
#include "platform/draw/color.h"
#include "platform/draw/damage.h"
#include "platform/draw/font.h"
#include "platform/draw/surface.h"

namespace sd::platform {

// x, y are fractional pixels of the element's own drawing area; index is the
// element's control-group index (-1 when it is in no group).
using MoveHandler = std::function<void(double x, double y, int index)>;
// button: 1 left, 2 right, 3 middle; shift: bit 0 shift, bit 1 ctrl, bit 2 alt.
using ButtonHandler = std::function<void(int button, int shift, double x, double y, int index)>;
using ClickHandler = std::function<void(int index)>;

enum class ElementKind { Panel, Label };

class Element {
public:
    // How the element looks, as its setters left it.
    struct Look {
        bool visible = true;
        // A thin (one-pixel) border drawn inside the outer size; the drawing
        // area and mouse coordinates then start one pixel in and are two
        // pixels smaller.
        bool border = false;
        Color background{};
        // Labels (and a panel's text font for drawing into its canvas).
        std::string text;
        Font font;
        Color textColor{};
    };

    // Name and index are how its screen finds it (Screen::find); the index
    // also comes with every pointer event of the element.
    Element(ElementKind kind, std::string name, int index);

    // Halves are rounded to the nearest pixel, ties to even.
    void setPosition(double left, double top);
    // Resizes the drawing area; what was drawn stays at the top left.
    void setSize(int width, int height);
    // Place and outer size, border included, in its screen's pixels.
    Rect bounds() const { return {left_, top_, width_, height_}; }
    // The drawing area: the outer size less the border.
    Size clientSize() const { return look_.border ? Size{width_ - 2, height_ - 2} : Size{width_, height_}; }

    const Look& look() const { return look_; }
    void setVisible(bool v);
    void setBorder(bool thin);
    void setBackground(Color c);
    void setText(const std::string& text);
    void setFont(Font font);
    void setTextColor(Color c);

    // The element takes its picture's size when auto-size is on (default on).
    void setAutoSize(bool on) { autoSize_ = on; }
    // Gives the element the picture (shared with picture until either is
    // drawn on); earlier drawing is gone. An empty picture means none: the
    // element then shows its background colour.
    void setPicture(const Surface& picture);
    const Surface& picture() const { return picture_; }
    // What is shown: the picture with everything drawn on it. Draw here. Until
    // something is drawn it is the picture itself, not a copy of it.
    Surface& canvas() { return canvas_; }
    // Wipes what was drawn; the picture stays.
    void clear();

    std::string tag;  // free text, e.g. the world number of a preview box

    // What the element does with the pointer; unset handlers ignore it.
    struct Handlers {
        MoveHandler mouseMove;
        ButtonHandler mouseDown;
        ButtonHandler mouseUp;  // goes to the element that got the button press
        ClickHandler click;     // press and release on the same element
    } on;

private:
    friend class Platform;
    friend class Screen;  // finds its elements by name and index
    // The platform's bookkeeping for the frames: how often the element itself
    // changed (place, size, look; what is drawn on it counts in
    // SurfaceAccess::changes(canvas())), and where it changed since the
    // platform last looked, in its screen's coordinates (the place it left and
    // the place it took; what is drawn on it is in SurfaceAccess::damage).
    uint64_t changes() const { return changes_; }
    // Counts the changes of any element's place, size, visibility or stacking
    // order: the pointer's hit test keeps its list of what lies where until
    // the count moves.
    static uint64_t layoutGeneration();
    static void noteLayoutChange();
    const Damage& damage() const { return damage_; }
    void forgetDamage() { damage_.clear(); }
    // What the frames and the pointer's events need to know of it.
    ElementKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    const Surface& canvas() const { return canvas_; }

    // Counts a change of the element; a shown element needs the place it had
    // (before) and the place it has now redrawn.
    void changed(const Rect& before);
    // The canvas back to the picture over the background.
    void resetCanvas();
    // No picture: the element shows its background colour.
    void clearPicture();

    ElementKind kind_;
    std::string name_;
    int index_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Look look_;
    bool autoSize_ = true;
    Surface picture_;
    Surface canvas_;
    uint64_t changes_ = 0;
    Damage damage_;
};

}  // namespace sd::platform

#pragma once
// An element of a screen: a panel (shows a picture and can be drawn on) or a
// label (a centred text without background). Position and size are in canvas
// pixels relative to the screen's top-left corner.
#include <functional>
#include <string>

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
    Element(ElementKind kind, std::string name, int index);

    ElementKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }

    // Halves are rounded to the nearest pixel, ties to even.
    void setPosition(double left, double top);
    // Resizes the drawing area; what was drawn stays at the top left.
    void setSize(int width, int height);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }    // outer size, border included
    int height() const { return height_; }

    void setVisible(bool v);
    bool visible() const { return visible_; }

    // A thin (one-pixel) border drawn inside the outer size; the drawing area
    // and mouse coordinates then start one pixel in and are two pixels smaller.
    void setBorder(bool thin);
    bool border() const { return border_; }
    int clientWidth() const { return border_ ? width_ - 2 : width_; }
    int clientHeight() const { return border_ ? height_ - 2 : height_; }

    void setBackground(Color c);
    Color background() const { return background_; }

    // The element takes its picture's size when auto-size is on (default on).
    void setAutoSize(bool on) { autoSize_ = on; }
    // Gives the element the picture (shared with picture until either is
    // drawn on); earlier drawing is gone.
    void setPicture(const Surface& picture);
    // No picture: the element shows its background colour.
    void clearPicture();
    bool hasPicture() const { return !picture_.empty(); }
    const Surface& picture() const { return picture_; }
    // What is shown: the picture with everything drawn on it. Draw here. Until
    // something is drawn it is the picture itself, not a copy of it.
    Surface& canvas() { return canvas_; }
    const Surface& canvas() const { return canvas_; }
    // Wipes what was drawn; the picture stays.
    void clear();

    // Labels (and a panel's text font for drawing into its canvas).
    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    void setFont(Font font);
    const Font& font() const { return font_; }
    void setTextColor(Color c);
    Color textColor() const { return textColor_; }

    // How often the element itself changed (place, size, look); what is drawn
    // on it counts in SurfaceAccess::changes(canvas()).
    uint64_t changes() const { return changes_; }
    // Where the element itself changed since the platform last looked, in its
    // screen's coordinates (the place it left and the place it took); what is
    // drawn on it is in SurfaceAccess::damage(canvas()).
    const Damage& damage() const { return damage_; }
    void forgetDamage() { damage_.clear(); }
    Rect bounds() const { return {left_, top_, width_, height_}; }

    std::string tag;  // free text, e.g. the world number of a preview box

    MoveHandler onMouseMove;
    ButtonHandler onMouseDown;
    ButtonHandler onMouseUp;  // goes to the element that got the button press
    ClickHandler onClick;     // press and release on the same element

private:
    // Counts a change of the element; a shown element needs the place it had
    // (before) and the place it has now redrawn.
    void changed(const Rect& before);
    // The canvas back to the picture over the background.
    void resetCanvas();

    ElementKind kind_;
    std::string name_;
    int index_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool border_ = false;
    bool autoSize_ = true;
    Color background_{};
    Surface picture_;
    Surface canvas_;
    std::string text_;
    Font font_;
    Color textColor_{};
    uint64_t changes_ = 0;
    Damage damage_;
};

}  // namespace sd::platform

#pragma once
// A screen: an ordered list of elements over a background. All screens share
// the one 800 x 600 canvas; later elements lie on top of earlier ones.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/input/element.h"

namespace sd::platform {

// The keys a screen hears: the innermost modal screen, or else the topmost
// one shown (the replay's controls); any other key arrives as Other.
enum class Key { Return, KeypadEnter, Space, Escape, Right, Plus, Minus, Backspace, Other };

class Screen {
public:
    // A screen with a caption gets a title bar of this height above it and a
    // one-pixel frame around both.
    static constexpr int kTitleBarHeight = 20;

    Screen(std::string name, int width, int height);

    const std::string& name() const { return name_; }
    Element& addPanel(const std::string& name, int index = -1);
    Element& addLabel(const std::string& name, int index = -1);
    // The element with that name and index; null when there is none.
    Element* find(const std::string& name, int index = -1);
    const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }
    void bringToFront(Element& e);

    // Place of the screen on the canvas (the exit screen is centred over the game).
    void setBounds(int left, int top, int width, int height);
    void centreOnCanvas(int canvasWidth = 800, int canvasHeight = 600);
    Rect bounds() const { return {left_, top_, width_, height_}; }
    // Where the screen lies on the canvas, title bar and frame included.
    Rect frameBounds() const;

    void setBackground(Color c);
    void setCaption(const std::string& c);  // drawn as a title bar over a dialog
    const std::string& caption() const { return caption_; }

    bool visible() const { return visible_; }
    bool closed() const { return closed_; }

    // A screen that plays something over time asks to be woken at a moment
    // of the platform's clock (monotonic seconds): the event loop waits no
    // longer than that and then calls on.deadline once. Nothing else wakes
    // the loop, so a screen that waits for nothing costs nothing.
    void setDeadline(std::optional<double> seconds) { deadline_ = seconds; }
    std::optional<double> deadline() const { return deadline_; }

    struct Handlers {
        // Pointer over the screen where no visible element lies (screen coordinates).
        MoveHandler mouseMove;
        ButtonHandler mouseUp;
        // The window's close command (or the program's termination) asks this
        // screen to close; unset means it is simply closed.
        std::function<void()> closeRequest;
        // A key pressed while this is the innermost modal screen, or with none
        // the topmost one shown (without Alt, Ctrl or the system key: those
        // belong to the window).
        std::function<void(Key)> key;
        // Text typed while keys go to this screen (UTF-8, as the keyboard
        // layout makes it); for a field the player writes in.
        std::function<void(const std::string&)> text;
        // The deadline set above has come.
        std::function<void()> deadline;
    } on;

private:
    friend class Platform;
    // The colour the frames fill the screen with where no element lies.
    Color background() const { return background_; }
    // The platform's bookkeeping for the frames: how often the screen itself
    // changed (elements added, order, place, look), and where, in canvas
    // coordinates, since the platform last looked; its elements keep their own.
    uint64_t changes() const { return changes_; }
    const Damage& damage() const { return damage_; }
    void forgetDamage() { damage_.clear(); }
    // The visible elements, topmost first, with their places: what the
    // pointer's hit test walks (kept until an element moves, shows or hides).
    struct Hit {
        Rect bounds;
        Element* element;
    };
    const std::vector<Hit>& hits() const;

    std::string name_;
    std::vector<std::unique_ptr<Element>> elements_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color background_{};
    std::string caption_;
    bool visible_ = false;
    bool closed_ = false;
    uint64_t changes_ = 0;
    Damage damage_;
    std::optional<double> deadline_;
    mutable std::vector<Hit> hits_;
    mutable uint64_t hitsGeneration_ = ~uint64_t{0};
};

}  // namespace sd::platform

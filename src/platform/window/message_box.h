#pragma once
// Modal message boxes. The SDL one lives in the platform; tests use the recorder.
// The panel in the game's own window, where the system's box cannot be shown,
// is the game's (play/error_panel.h): the box is told of it.
#include <functional>
#include <string>
#include <vector>

struct SDL_Window;

namespace sd::platform {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // A modal box with an error icon and one OK button; returns when it is closed.
    // Text is Windows-1252 (as in the data files).
    virtual void showError(const std::string& caption, const std::string& text) = 0;
    // Where the system's box cannot be shown: the message (Windows-1252, like
    // every text of the game) in a panel of the game's own; true when it was
    // shown. A box that needs none ignores it.
    using WindowPanel = std::function<bool(const std::string& caption, const std::string& text)>;
    virtual void setWindowPanel(WindowPanel) {}
};

class MessageRecorder final : public MessageBox {
public:
    struct Entry {
        std::string caption;
        std::string text;
    };
    void showError(const std::string& caption, const std::string& text) override { shown.push_back({caption, text}); }
    std::vector<Entry> shown;
};

// The platform's own box: SDL's, and where that cannot be shown (on X it needs
// the core fonts and a locale it can build a font set for) the panel in the
// game's window. Standard error gets every message (and in a headless run
// nothing else does).
class SdlMessageBox final : public MessageBox {
public:
    // The system box takes UTF-8 and answers 0 when it was shown (as
    // SDL_ShowSimpleMessageBox does).
    using SystemBox = std::function<int(const std::string& caption, const std::string& text, SDL_Window* parent)>;

    explicit SdlMessageBox(bool headless = false);
    void setWindow(SDL_Window* window) { window_ = window; }
    void setSystemBox(SystemBox box) { systemBox_ = std::move(box); }
    void setWindowPanel(WindowPanel panel) override { windowPanel_ = std::move(panel); }
    void showError(const std::string& caption, const std::string& text) override;

private:
    bool headless_;
    SDL_Window* window_ = nullptr;
    SystemBox systemBox_;
    WindowPanel windowPanel_;
};

}  // namespace sd::platform

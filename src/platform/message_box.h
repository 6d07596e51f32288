#pragma once
// Modal message boxes. The SDL one lives in the platform; tests use the recorder.
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
    // SDL_ShowSimpleMessageBox does); the window panel takes Windows-1252, like
    // every text of the game, and answers true.
    using SystemBox = std::function<int(const std::string& caption, const std::string& text, SDL_Window* parent)>;
    using WindowPanel = std::function<bool(const std::string& caption, const std::string& text)>;

    explicit SdlMessageBox(bool headless = false);
    void setWindow(SDL_Window* window) { window_ = window; }
    void setSystemBox(SystemBox box) { systemBox_ = std::move(box); }
    void setWindowPanel(WindowPanel panel) { windowPanel_ = std::move(panel); }
    void showError(const std::string& caption, const std::string& text) override;

private:
    bool headless_;
    SDL_Window* window_ = nullptr;
    SystemBox systemBox_;
    WindowPanel windowPanel_;
};

}  // namespace sd::platform

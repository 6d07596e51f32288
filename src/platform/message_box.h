#pragma once
// Modal message boxes. The SDL one lives in the platform; tests use the recorder.
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

// The platform's own box (SDL). Where no box can be shown (no display, or a
// headless run) the message goes to standard error instead.
class SdlMessageBox final : public MessageBox {
public:
    explicit SdlMessageBox(bool headless = false) : headless_(headless) {}
    void setWindow(SDL_Window* window) { window_ = window; }
    void showError(const std::string& caption, const std::string& text) override;

private:
    bool headless_;
    SDL_Window* window_ = nullptr;
};

}  // namespace sd::platform

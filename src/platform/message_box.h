#pragma once
// Modal message boxes. The SDL one lives in the platform; tests use the recorder.
#include <string>
#include <vector>

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

}  // namespace sd::platform

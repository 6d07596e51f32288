#pragma once
// A TrueType font at a point size (96 dpi). The face "Arial" is served by
// Liberation Sans, which has the same metrics; when no Liberation font is found
// any TrueType font on the system is used, and when none is found at all,
// valid() is false and error() says so.
#include <memory>
#include <string>
#include <string_view>

namespace sd::platform {

class Font {
public:
    Font();
    ~Font();
    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    static Font open(const std::string& face, double points, bool bold = false);
    bool valid() const;
    const std::string& error() const;

    // Size of a text (Windows-1252 bytes) in pixels; 0 x 0 for an invalid font.
    int textWidth(std::string_view text) const;
    int textHeight(std::string_view text) const;
    // Width of a UTF-8 text.
    int utf8TextWidth(std::string_view text) const;

    void* native() const;  // platform internals only

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd::platform

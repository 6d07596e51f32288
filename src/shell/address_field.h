#pragma once
// The field on the title where the joiner of a network game writes the host's
// address ("host" or "host:port"): a prompt in the menu's green and a box
// framed like the world previews, between their two rows. Return connects,
// Escape closes it; the title wires the keys.
#include <string>

namespace sd {
namespace platform {
class Element;
class Screen;
}  // namespace platform

inline constexpr size_t kMostAddressChars = 40;

class AddressField {
public:
    // Adds its elements to the title screen, hidden.
    void Build(platform::Screen& screen);
    // Shows the field holding text.
    void Open(const std::string& text);
    void Close();
    bool isOpen() const { return open_; }

    // Typed text: what an address can hold (letters, digits, '.', ':', '-',
    // '_') is added up to kMostAddressChars, anything else is dropped.
    void Type(const std::string& typed);
    // Backspace: the last character goes.
    void Erase();
    const std::string& text() const { return text_; }

    platform::Element& box() { return *box_; }

private:
    void Paint();

    platform::Element* prompt_ = nullptr;
    platform::Element* box_ = nullptr;
    std::string text_;
    bool open_ = false;
};

}  // namespace sd

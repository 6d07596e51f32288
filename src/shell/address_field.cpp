#include "shell/address_field.h"

#include "platform/draw/color.h"
#include "platform/draw/font.h"
#include "platform/input/element.h"
#include "platform/input/screen.h"
#include "shell/title_menu.h"

namespace sd {

namespace {

// In the band between the two rows of world previews (361 to 401), centred
// on the title's middle axis like the opponent label.
constexpr int kBandTop = 367;
constexpr int kBandHeight = 28;
constexpr int kBoxWidth = 300;
constexpr int kGap = 12;
constexpr double kPoints = 15;
constexpr int kInset = 8;
const char* const kPrompt = "Adresse des Gastgebers:";

bool AddressChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == ':' ||
           c == '-' || c == '_';
}

}  // namespace

void AddressField::Build(platform::Screen& screen) {
    prompt_ = &screen.addLabel("LblAddress");
    prompt_->setFont(platform::Font::open("Arial", kPoints, true));
    prompt_->setTextColor(kLabelNormal);
    prompt_->setText(kPrompt);
    const int promptWidth = prompt_->look().font.textWidth(kPrompt) + 4;
    const int left = (800 - promptWidth - kGap - kBoxWidth) / 2;
    prompt_->setSize(promptWidth, kBandHeight);
    prompt_->setPosition(left, kBandTop);
    prompt_->setVisible(false);

    box_ = &screen.addPanel("PicAddress");
    box_->setAutoSize(false);
    box_->setBorder(true);
    box_->setSize(kBoxWidth, kBandHeight);
    box_->setPosition(left + promptWidth + kGap, kBandTop);
    box_->setBackground(platform::Color{0, 0, 0});
    box_->setFont(platform::Font::open("Arial", kPoints, true));
    box_->setVisible(false);
}

void AddressField::Open(const std::string& text) {
    text_.clear();
    Type(text);
    open_ = true;
    prompt_->setVisible(true);
    box_->setVisible(true);
    Paint();
}

void AddressField::Close() {
    open_ = false;
    prompt_->setVisible(false);
    box_->setVisible(false);
}

void AddressField::Type(const std::string& typed) {
    for (const char c : typed) {
        if (AddressChar(c) && text_.size() < kMostAddressChars) text_ += c;
    }
    if (open_) Paint();
}

void AddressField::Erase() {
    if (!text_.empty()) text_.pop_back();
    if (open_) Paint();
}

// The text in the highlighted green with a bar for the cursor after it; a
// text wider than the box shows its end, where the player writes.
void AddressField::Paint() {
    box_->clear();
    const platform::Font& font = box_->look().font;
    const int room = box_->clientSize().width - 2 * kInset - 3;
    size_t from = 0;
    while (from < text_.size() && font.textWidth(std::string_view(text_).substr(from)) > room) ++from;
    const std::string_view shown = std::string_view(text_).substr(from);
    const int height = font.textHeight("Ag");
    const int y = (box_->clientSize().height - height) / 2;
    auto& canvas = box_->canvas();
    canvas.drawText(font, kInset, y, shown, kLabelHighlighted);
    const int x = kInset + (shown.empty() ? 0 : font.textWidth(shown)) + 1;
    canvas.fillRect(x, y + 1, x + 1, y + height - 2, kLabelHighlighted);
}

}  // namespace sd

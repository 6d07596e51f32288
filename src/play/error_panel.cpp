// The error message in the game's own window. The system's box on X needs the X core
// fonts and a locale X can build a font set for; where either is missing it
// cannot be shown, and a player who started the game from a desktop menu
// would see nothing at all. This panel looks after that case: drawn with our
// fonts over whatever is on the screen, it takes all input until it is closed,
// and returns only then, like the system's box.
#include "play/error_panel.h"

#include <algorithm>
#include <utility>

#include "base/scope_guard.h"
#include "platform/input/platform.h"

namespace sd {

using platform::Color;
using platform::Element;
using platform::Font;
using platform::Key;
using platform::Screen;
using platform::Surface;

namespace {

// Layout of the panel, in canvas pixels.
constexpr int kMargin = 16;
constexpr int kIconSize = 32;
constexpr int kIconGap = 14;
constexpr int kMaxTextWidth = 520;
constexpr int kMinWidth = 300;
constexpr int kLineSpacing = 3;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 18;
constexpr int kBottomMargin = 14;
// Room kept free around the panel, so that it reads as a panel over the game.
constexpr int kScreenMargin = 16;
// Far more than any screen shows; a message longer than this is cut before
// it is wrapped (standard error has it whole).
constexpr size_t kMaxTextBytes = 16 * 1024;

// The same steel blue as the game's dialogs.
constexpr Color kBodyTop{66, 74, 90};
constexpr Color kBodyBottom{34, 40, 52};
constexpr Color kBevelLight{104, 114, 136};
constexpr Color kBevelDark{18, 22, 30};
constexpr Color kTextColour{228, 232, 240};
constexpr Color kIconRim{110, 20, 20};
constexpr Color kIconRed{200, 50, 46};
constexpr Color kIconMark{255, 255, 255};
constexpr Color kButtonFace{32, 46, 72};
constexpr Color kButtonPressed{20, 29, 46};
constexpr Color kButtonEdge{112, 134, 176};
constexpr Color kButtonAccent{90, 160, 235};
constexpr Color kButtonText{245, 247, 252};

constexpr char kEllipsis = '\x85';  // "…" in Windows-1252

uint8_t Mix(uint8_t a, uint8_t b, int step, int steps) {
    return static_cast<uint8_t>(a + (b - a) * step / std::max(steps, 1));
}

void DrawBody(Surface& s) {
    const int w = s.width(), h = s.height();
    for (int y = 0; y < h; ++y) {
        const Color c{Mix(kBodyTop.r, kBodyBottom.r, y, h - 1), Mix(kBodyTop.g, kBodyBottom.g, y, h - 1),
                      Mix(kBodyTop.b, kBodyBottom.b, y, h - 1)};
        s.line(0, y, w - 1, y, c);
    }
    s.line(0, 0, w - 1, 0, kBevelLight);
    s.line(0, 0, 0, h - 1, kBevelLight);
    s.line(w - 1, 0, w - 1, h - 1, kBevelDark);
    s.line(0, h - 1, w - 1, h - 1, kBevelDark);
}

// A red disc with a white cross, the sign every desktop uses for an error.
void DrawIcon(Surface& s, int left, int top) {
    const int r = kIconSize / 2, cx = left + r, cy = top + r;
    s.fillCircle(cx, cy, r, kIconRim);
    s.fillCircle(cx, cy, r - 2, kIconRed);
    const int d = r / 2 - 1;
    s.line(cx - d, cy - d, cx + d, cy + d, kIconMark, 3);
    s.line(cx - d, cy + d, cx + d, cy - d, kIconMark, 3);
}

void DrawButton(Surface& s, const Font& font, const std::string& label, bool pressed) {
    const int w = s.width(), h = s.height();
    s.fill(pressed ? kButtonPressed : kButtonFace);
    s.rect(0, 0, w - 1, h - 1, kButtonEdge);
    s.fillRect(5, 6, 7, h - 7, kButtonAccent);
    // Pressed, the label sinks by a pixel, as a button does on the desktop.
    const int shift = pressed ? 1 : 0;
    s.drawText(font, (w - font.textWidth(label)) / 2 + shift, (h - font.textHeight(label)) / 2 + shift, label,
               kButtonText);
}

void WrapParagraph(const Font& font, std::string_view para, int maxWidth, std::vector<std::string>& lines) {
    auto fits = [&](const std::string& s) { return font.textWidth(s) <= maxWidth; };
    std::string line;
    size_t pos = 0;
    while (pos < para.size()) {
        if (para[pos] == ' ' || para[pos] == '\t') {
            ++pos;
            continue;
        }
        size_t end = pos;
        while (end < para.size() && para[end] != ' ' && para[end] != '\t') ++end;
        const std::string word(para.substr(pos, end - pos));
        pos = end;
        std::string candidate = line.empty() ? word : line + ' ' + word;
        if (fits(candidate)) {
            line = std::move(candidate);
            continue;
        }
        if (!line.empty()) lines.push_back(std::exchange(line, {}));
        if (fits(word)) {
            line = word;
            continue;
        }
        // A word wider than a whole line (a long path): broken between letters.
        for (char c : word) {
            if (!line.empty() && !fits(line + c)) lines.push_back(std::exchange(line, {}));
            line += c;
        }
    }
    // An empty paragraph is an empty line: the writer wanted the gap.
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(const Font& font, std::string_view text, int maxWidth) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t nl = text.find('\n', start);
        std::string_view para = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
        WrapParagraph(font, para, maxWidth, lines);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

std::vector<std::string> CutLines(const Font& font, std::vector<std::string> lines, int maxLines, int maxWidth) {
    maxLines = std::max(maxLines, 1);
    if (static_cast<int>(lines.size()) <= maxLines) return lines;
    lines.resize(static_cast<size_t>(maxLines));
    std::string& last = lines.back();
    while (!last.empty() && font.textWidth(last + kEllipsis) > maxWidth) last.pop_back();
    last += kEllipsis;
    return lines;
}

bool ShowErrorPanel(platform::Platform& platform, const std::string& caption, const std::string& text) {
    using platform::kCanvasHeight;
    using platform::kCanvasWidth;
    // The player has closed the window: nobody is left to read it (standard
    // error has it).
    if (platform.quitRequested() || !platform.window().displayMode().canFullscreen()) return false;
    const Font textFont = Font::open("Arial", 10);
    const Font buttonFont = Font::open("Arial", 10, true);
    if (!textFont.valid() || !buttonFont.valid()) return false;

    const int lineHeight = textFont.textHeight("Ag") + kLineSpacing;
    const int maxHeight = kCanvasHeight - 2 * kScreenMargin - Screen::kTitleBarHeight - 2;
    const int maxLines = (maxHeight - kMargin - kButtonGap - kButtonHeight - kBottomMargin) / lineHeight;
    const std::vector<std::string> lines =
        CutLines(textFont, WrapText(textFont, std::string_view(text).substr(0, kMaxTextBytes), kMaxTextWidth),
                 maxLines, kMaxTextWidth);
    int textWidth = 0;
    for (const std::string& l : lines) textWidth = std::max(textWidth, textFont.textWidth(l));
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;
    const int width = std::max(kMinWidth, kMargin + kIconSize + kIconGap + textWidth + kMargin);
    const int bodyHeight = std::max(kIconSize, textHeight);
    const int height = kMargin + bodyHeight + kButtonGap + kButtonHeight + kBottomMargin;

    Screen& panel = platform.createScreen("ErrorPanel", width, height);
    panel.setCaption(caption);
    const int frameHeight = height + Screen::kTitleBarHeight + 2;
    panel.setBounds((kCanvasWidth - width) / 2, (kCanvasHeight - frameHeight) / 2 + Screen::kTitleBarHeight + 1,
                    width, height);

    Element& body = panel.addPanel("Body");
    body.setPicture(Surface(width, height));
    Surface& s = body.canvas();
    DrawBody(s);
    DrawIcon(s, kMargin, kMargin + std::max(0, (textHeight - kIconSize) / 2));
    const int textLeft = kMargin + kIconSize + kIconGap;
    const int textTop = kMargin + std::max(0, (kIconSize - textHeight) / 2);
    for (size_t i = 0; i < lines.size(); ++i)
        s.drawText(textFont, textLeft, textTop + static_cast<int>(i) * lineHeight, lines[i], kTextColour);

    const std::string label = "OK";
    Element& button = panel.addPanel("OK");
    button.setPicture(Surface(kButtonWidth, kButtonHeight));
    button.setPosition((width - kButtonWidth) / 2, height - kBottomMargin - kButtonHeight);
    DrawButton(button.canvas(), buttonFont, label, false);
    button.on.mouseDown = [&](int b, int, double, double, int) {
        if (b == 1) DrawButton(button.canvas(), buttonFont, label, true);
    };
    button.on.mouseUp = [&](int b, int, double, double, int) {
        if (b == 1) DrawButton(button.canvas(), buttonFont, label, false);
    };
    button.on.click = [&](int) { platform.closeScreen(panel); };
    // Enter, Space and Escape close it, as they close the system's box.
    panel.on.key = [&](Key key) {
        if (key == Key::Return || key == Key::KeypadEnter || key == Key::Space || key == Key::Escape) {
            platform.closeScreen(panel);
        }
    };

    // The panel is the innermost modal screen: every click, pointer move and
    // key goes to it until it is closed. Closing the window closes it too
    // (and the program then ends as it would have). Closed however the loop
    // ends (a test's idle limit throws).
    {
        const ScopeExit close([&] { platform.closeScreen(panel); });
        platform.runModal(panel);
    }
    // What lay under the panel comes back at once, not with the next event.
    platform.refresh();
    return true;
}

void UseErrorPanel(platform::Platform& platform) {
    platform.messageBox().setWindowPanel(
        [&platform](const std::string& caption, const std::string& text) {
            return ShowErrorPanel(platform, caption, text);
        });
}

}  // namespace sd

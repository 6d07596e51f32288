#pragma once
// The error message drawn in the game's own window, for machines where the
// system's message box cannot be shown (no X core fonts, a locale X cannot
// build a font set for): a modal screen like the game's other dialogs, with
// no bitmap of the game, so that it shows even when the fx files are what is
// wrong.
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw/font.h"

namespace sd::platform {
class Platform;
}

namespace sd {

// The text (Windows-1252) broken into lines no wider than maxWidth pixels:
// at line breaks ("\n", "\r\n"), else between words, and a word wider than a
// whole line between its letters. Spaces at a break are dropped.
std::vector<std::string> WrapText(const platform::Font& font, std::string_view text, int maxWidth);

// At most maxLines of lines; when some are left out the last one kept ends
// in an ellipsis (fitted into maxWidth), so the reader sees the text goes on.
std::vector<std::string> CutLines(const platform::Font& font, std::vector<std::string> lines, int maxLines, int maxWidth);

// The message (Windows-1252) in a panel over the current screen, with the
// caption and one button; returns when the player has closed it (the button,
// Enter, Space, Escape, or closing the window). Other screens get no input
// meanwhile. False when it could not be shown (no window, no font, or the
// program is ending).
bool ShowErrorPanel(platform::Platform& platform, const std::string& caption, const std::string& text);

// Makes the panel the fallback of the platform's own message box, where the
// system's box cannot be shown.
void UseErrorPanel(platform::Platform& platform);

}  // namespace sd

#pragma once
// The error message drawn in the game's own window, for machines where the
// system's message box cannot be shown (no X core fonts, a locale X cannot
// build a font set for). Platform::showMessagePanel shows it; this header has
// what its layout is made of, for the tests.
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace sd::platform {

// The text (Windows-1252) broken into lines no wider than maxWidth pixels:
// at line breaks ("\n", "\r\n"), else between words, and a word wider than a
// whole line between its letters. Spaces at a break are dropped.
std::vector<std::string> WrapText(const Font& font, std::string_view text, int maxWidth);

// At most maxLines of lines; when some are left out the last one kept ends
// in an ellipsis (fitted into maxWidth), so the reader sees the text goes on.
std::vector<std::string> CutLines(const Font& font, std::vector<std::string> lines, int maxLines, int maxWidth);

}  // namespace sd::platform

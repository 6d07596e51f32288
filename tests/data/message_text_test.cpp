#include "data/message_text.h"

#include <gtest/gtest.h>

using sd::PathForMessage;
using sd::ValueForMessage;

TEST(MessageText, PathsComeFromUtf8IntoTheGamesCodePage) {
    EXPECT_EQ(PathForMessage("/home/j\xC3\xBCrgen/Spiele \xC3\xA4/worlds.dat"), "/home/j\xFCrgen/Spiele \xE4/worlds.dat");
    // The letters Windows-1252 keeps in 0x80..0x9F: euro sign, S with caron, Y with diaeresis.
    EXPECT_EQ(PathForMessage("\xE2\x82\xAC \xC5\xA0 \xC5\xB8"), "\x80 \x8A \x9F");
    // What the code page lacks: Cyrillic, an emoji, a C1 control.
    EXPECT_EQ(PathForMessage("\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B/\xF0\x9F\x9A\x80/\xC2\x85"), "????" "/?/?");
    // No valid UTF-8: a lone Latin-1 byte, a cut sequence, an overlong slash, a surrogate.
    EXPECT_EQ(PathForMessage("a\xE4" "b/\xC3/\xC0\xAF/\xED\xA0\x80"), "a?b/?/??" "/???");
    EXPECT_EQ(PathForMessage("zwei\nZeilen\x7F"), "zwei\\x0AZeilen\\x7F");
}

TEST(MessageText, ValuesKeepTheirLettersAndShowTheirControlBytes) {
    using namespace std::string_literals;
    EXPECT_EQ(ValueForMessage("Gr\xF6\xDF" "e \x80 \x9F"), "Gr\xF6\xDF" "e \x80 \x9F");
    EXPECT_EQ(ValueForMessage("a\0b\tc\x1F"s), "a\\x00b\\x09c\\x1F");
    // The five bytes Windows-1252 leaves unassigned would show as nothing.
    EXPECT_EQ(ValueForMessage("\x81\x8D\x8F\x90\x9D"), "\\x81\\x8D\\x8F\\x90\\x9D");
}

#pragma once
// Putting outside text into a message for the player. Messages are
// Windows-1252 like every text of the game (the platform converts them for the
// screen), but they quote two kinds of text that are not: paths, which the file
// system gives as UTF-8, and values from the data files, which may hold any
// byte. Both go through these helpers, so a folder "Spiele ä" reads as such and
// a NUL or line break in a value can neither cut a message nor break its line.
#include <string>
#include <string_view>

namespace sd {

// A UTF-8 path as Windows-1252. Characters the code page lacks, and bytes that
// are no valid UTF-8, become '?'; control characters are written as \xNN.
std::string PathForMessage(std::string_view utf8Path);

// A Windows-1252 value from a data file, with control characters (and the five
// bytes the code page leaves unassigned) written as \xNN.
std::string ValueForMessage(std::string_view value);

// A Windows-1252 text as UTF-8, for the game's own lines written in UTF-8;
// control characters and the unassigned bytes become '?'.
std::string TextAsUtf8(std::string_view text);

}  // namespace sd

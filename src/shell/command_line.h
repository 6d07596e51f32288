#pragma once
// The command line: three switches, found anywhere in the upper-cased text.
#include <string>

namespace sd {
struct Context;

// True when the switch (given in upper case, e.g. "-NOSOUND") stands anywhere in
// the upper-cased command line; a word that merely contains it counts too.
bool CommandLineHas(const Context& ctx, const std::string& upperSwitch);

// The word after the switch (as written, not upper-cased), e.g. the port of
// "-PORT 27961"; empty when the switch or its word is missing.
std::string CommandLineValue(const Context& ctx, const std::string& upperSwitch);

// Sets SoundOn from "-NOSOUND", chooses the strong computer as the opponent
// with "-COMPUTER" and, unless "-NOSCREEN" is given, switches the display to
// 800 x 600 for the run.
void ParseCommandLine(Context& ctx);

// The program's arguments (without the program name) joined by single blanks:
// the whole command line as one text.
std::string JoinCommandLine(int argc, const char* const* argv);

}  // namespace sd

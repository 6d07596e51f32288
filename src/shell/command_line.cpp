#include "shell/command_line.h"

#include <cctype>

#include "data/context.h"
#include "shell/display_mode.h"

namespace sd {

namespace {

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool CommandLineHas(const Context& ctx, const std::string& upperSwitch) {
    return UpperCase(ctx.commandLine).find(upperSwitch) != std::string::npos;
}

std::string CommandLineValue(const Context& ctx, const std::string& upperSwitch) {
    const std::string upper = UpperCase(ctx.commandLine);
    for (size_t at = upper.find(upperSwitch); at != std::string::npos; at = upper.find(upperSwitch, at + 1)) {
        // The switch as a word of its own, followed by its value.
        const size_t end = at + upperSwitch.size();
        if ((at > 0 && upper[at - 1] != ' ') || end >= upper.size() || upper[end] != ' ') continue;
        const size_t from = end + 1;
        return ctx.commandLine.substr(from, ctx.commandLine.find(' ', from) - from);
    }
    return {};
}

void ParseCommandLine(Context& ctx) {
    ctx.SoundOn = !CommandLineHas(ctx, "-NOSOUND");
    // The records of games are the only files the game writes; off for this run.
    ctx.recordsOn = !CommandLineHas(ctx, "-NORECORD");
    // A player alone can start straight into a game against the strong computer.
    if (CommandLineHas(ctx, "-COMPUTER")) ctx.opponent = Opponent::ComputerStrong;
    // The result does not matter: the game runs in whatever mode the display has.
    if (!CommandLineHas(ctx, "-NOSCREEN")) SetDisplayMode(ctx, 800, 600, true);
}

std::string JoinCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

}  // namespace sd

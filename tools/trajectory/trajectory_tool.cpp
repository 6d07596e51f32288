#include "trajectory_tool.h"

#include "record_commands.h"
#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

#include "combat/computer_duel.h"
#include "combat/plasma_flight.h"
#include "combat/shot_survey.h"
#include "combat/turn_bound.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "data/data_file_read.h"
#include "data/ini_file.h"
#include "data/message_text.h"
#include "data/world_file.h"
#include "tournament.h"

namespace sd::trajectory {

namespace {

constexpr const char* kUsage =
    "usage: sternenduell-trajectory [--worlds FILE] --world N (--from X Y --angle A | --scan) --player P\n"
    "       sternenduell-trajectory [--worlds FILE] --bound (N | all)\n"
    "       sternenduell-trajectory [--worlds FILE] --duel (N | all) [--blue S] [--red S] [--games K] [--seed S]\n"
    "         (S: strong, light or idle)\n"
    "       sternenduell-trajectory --verify [--worlds FILE] RECORD...\n"
    "       sternenduell-trajectory --record N OUT [--worlds FILE]\n";

// A duel still undecided at this turn is called a draw.
constexpr int16_t kDuelTurnLimit = 200;

struct Options {
    std::string worldsFile;
    int16_t world = 0, player = 0, fromX = 0, fromY = 0, angle = 0;
    bool haveWorld = false, havePlayer = false, haveFrom = false, haveAngle = false, scan = false;
    bool duel = false, duelAll = false;
    DuelSide blue = ComputerStrength::Strong, red = ComputerStrength::Strong;
    int16_t games = 1;
    uint32_t seed = 1;
    bool tournamentOption = false;  // --blue, --red, --games or --seed given
    bool bound = false;             // --bound: the first-turn bounds instead of games
};

std::optional<int16_t> Number(const std::string& text) {
    int16_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return v;
}

// Reads the arguments; false for anything unknown, missing or repeated.
bool Parse(const std::vector<std::string>& args, Options& o) {
    auto number = [&](size_t& i, int16_t& into, bool& have) {
        if (have || i + 1 >= args.size()) return false;
        const std::optional<int16_t> v = Number(args[++i]);
        if (!v) return false;
        into = *v;
        return have = true;
    };
    bool haveWorlds = false, haveFromY = false, haveGames = false, haveSeed = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool ok = false;
        if (a == "--world") {
            ok = number(i, o.world, o.haveWorld);
        } else if (a == "--player") {
            ok = number(i, o.player, o.havePlayer);
        } else if (a == "--angle") {
            ok = number(i, o.angle, o.haveAngle);
        } else if (a == "--from") {
            ok = number(i, o.fromX, o.haveFrom) && number(i, o.fromY, haveFromY);
        } else if (a == "--duel" || a == "--bound") {
            if (o.duel) return false;
            o.bound = a == "--bound";
            if (i + 1 < args.size() && args[i + 1] == "all") {
                ++i;
                ok = o.duel = o.duelAll = true;
            } else {
                ok = number(i, o.world, o.haveWorld);
                o.duel = true;
            }
        } else if ((a == "--blue" || a == "--red") && i + 1 < args.size()) {
            ok = ParseSide(args[++i], a == "--blue" ? o.blue : o.red);
            o.tournamentOption = true;
        } else if (a == "--games") {
            ok = number(i, o.games, haveGames) && o.games > 0;
            o.tournamentOption = true;
        } else if (a == "--seed") {
            int16_t seed = 0;
            ok = number(i, seed, haveSeed) && seed >= 0;
            o.seed = static_cast<uint32_t>(seed);
            o.tournamentOption = true;
        } else if (a == "--scan") {
            ok = !o.scan;
            o.scan = true;
        } else if (a == "--worlds") {
            ok = !haveWorlds && i + 1 < args.size();
            if (ok) o.worldsFile = args[++i];
            haveWorlds = true;
        }
        if (!ok) return false;
    }
    if (o.tournamentOption && (!o.duel || o.bound)) return false;
    if (o.duel) return !o.havePlayer && !o.scan && !o.haveFrom && !o.haveAngle && !(o.duelAll && o.haveWorld);
    if (!o.haveWorld || !o.havePlayer) return false;
    return o.scan ? !o.haveFrom && !o.haveAngle : o.haveFrom && o.haveAngle;
}

// The game's messages are Windows-1252; a terminal wants UTF-8. Their few
// non-ASCII letters (umlauts, sharp s) lie where both agree with Latin-1.
std::string ForTerminal(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0xA0) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += '?';
        }
    }
    return out;
}

// A worlds.dat as the tool reads it: as the game reads it, and the numbers
// of its worlds. Texts are Windows-1252, like the game's messages.
struct WorldsFile {
    std::string path;  // as the user gave it, for messages
    IniFile ini;
    std::vector<int16_t> worlds;  // ascending, each once
    std::string problem;          // why the file cannot be used; empty when it can
};

std::string_view TrimBlanks(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\r\v\f";
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Whether a section name is meant for a world: it begins with "World" (in
// any case).
bool NamesAWorld(std::string_view name) {
    constexpr std::string_view kWorld = "world";
    if (name.size() < kWorld.size()) return false;
    for (size_t i = 0; i < kWorld.size(); ++i)
        if ((name[i] | 0x20) != kWorld[i]) return false;
    return true;
}

// The number after "World" as the game writes it into a section name: no
// sign, no leading zero, at most 32767. Anything else names no world.
std::optional<int16_t> WorldNumber(std::string_view digits) {
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    int16_t n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

// The section headers, line by line as the game's reader takes them, held to
// a stricter standard than the game's: it reads "[World3]junk" as [World3],
// "[World03]" as a section no world uses, and skips a '[' line without ']' so
// that the keys after it land in the section before. Each is a typing error
// that quietly changes a world. Returns the first, empty when there is none.
std::string ReadHeaders(std::string_view text, const std::string& path, std::vector<int16_t>& worlds) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    for (long lineNumber = 1; !text.empty(); ++lineNumber) {
        const size_t end = text.find('\n');
        const std::string_view line = TrimBlanks(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() != '[') continue;
        const std::string where = PathForMessage(path) + ", line " + std::to_string(lineNumber) + ": \"" +
                                  ValueForMessage(line) + "\": ";
        const size_t close = line.find(']');
        if (close == std::string_view::npos) return where + "no closing ']'";
        if (close + 1 != line.size()) return where + "text after the closing ']'";
        const std::string_view name = TrimBlanks(line.substr(1, close - 1));
        if (!NamesAWorld(name)) continue;
        const std::optional<int16_t> n = WorldNumber(name.substr(5));
        if (!n) return where + "a world's section is World and a number from 0 to 32767";
        worlds.push_back(*n);
    }
    std::sort(worlds.begin(), worlds.end());
    worlds.erase(std::unique(worlds.begin(), worlds.end()), worlds.end());
    return {};
}

// The file --worlds names, else the worlds.dat beside the program, read once.
WorldsFile ReadWorldsFile(const std::string& programDir, const std::string& worldsFile) {
    WorldsFile file;
    Context ctx;
    ctx.programDir = programDir;
    file.path = worldsFile.empty() ? ctx.path("worlds.dat") : worldsFile;
    FileRead read = ReadDataFile(file.path);
    if (read.status.fault != ReadFault::None) {
        file.problem = ReadProblemText(file.path, read.status);
        return file;
    }
    file.problem = ReadHeaders(read.text, file.path, file.worlds);
    if (file.problem.empty()) file.ini = IniFile::parse(read.text);
    return file;
}

// "0 to 9, 12, 13": the numbers, runs of three or more as ranges.
std::string NumberRanges(const std::vector<int16_t>& numbers) {
    std::string out;
    for (size_t i = 0; i < numbers.size();) {
        size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        if (j < i + 2) j = i;
        out += (out.empty() ? "" : ", ") + std::to_string(numbers[i]);
        if (j > i) out += " to " + std::to_string(numbers[j]);
        i = j + 1;
    }
    return out;
}

// World n through the game's own loader, so that a world the game refuses is
// refused here with the same words (naming the file the user gave). Returns
// the problem, empty when the world loaded.
std::string LoadWorldFrom(const WorldsFile& file, int16_t n, WorldRecord& world) {
    if (!std::binary_search(file.worlds.begin(), file.worlds.end(), n)) {
        return PathForMessage(file.path) + ": no [World" + std::to_string(n) + "] in it" +
               (file.worlds.empty() ? std::string(", nor any other world")
                                    : " (its worlds: " + NumberRanges(file.worlds) + ")");
    }
    Context ctx;
    const LoadResult result = LoadWorld(ctx, file.ini, n);
    if (!result.ok()) {
        std::string problem = result.problems.front();
        constexpr std::string_view kGameName = "worlds.dat";
        if (std::string_view(problem).substr(0, kGameName.size()) == kGameName)
            problem.replace(0, kGameName.size(), PathForMessage(file.path));
        return problem;
    }
    world = std::move(ctx.World);
    return {};
}

void PrintEnd(std::ostream& out, const FlightOutcome& o) {
    switch (o.end) {
        case FlightEnd::Hit:
            out << "hit " << o.cellX << ' ' << o.cellY;
            break;
        case FlightEnd::Obstacle:
            out << "obstacle " << o.cellX << ' ' << o.cellY;
            break;
        case FlightEnd::Stalled:
            out << "stalled";
            break;
        case FlightEnd::OffBoard:
            out << "off-board";
            break;
        case FlightEnd::Loop:
        case FlightEnd::None:
            out << "loop";
            break;
    }
}

const char* TeamName(int16_t player) { return player == 1 ? "blue" : "red"; }

// One line of the balance table: how one game ended.
void PrintDuel(std::ostream& out, int16_t n, const DuelResult& r) {
    out << "world " << n << ": ";
    if (r.winner == 0) {
        out << "draw after " << kDuelTurnLimit << " turns";
    } else {
        out << TeamName(r.winner) << " wins in turn " << r.turns;
    }
    for (int16_t p = 1; p <= 2; ++p) {
        out << (p == 1 ? "; left: " : ", ") << TeamName(p) << ' ' << r.unitsLeft[p] << " units, shield "
            << r.shieldLeft[p];
    }
    out << '\n';
}

// The first-turn bounds of both sides: a world nobody can win in his first
// turn shows both numbers below the enemy's shield.
void PrintBounds(std::ostream& out, int16_t n, const WorldRecord& w) {
    const FirstTurnBounds b = FirstTurnDamageBounds(w);
    out << "world " << n << ": first turn at most";
    for (int16_t p = 1; p <= 2; ++p) {
        out << (p == 1 ? " " : ", ") << TeamName(p) << ' ' << b.side[p].damage << " of " << b.side[p].enemyShield;
    }
    out << (b.side[1].winPossible() || b.side[2].winPossible() ? "; a first-turn win is possible" : "") << '\n';
}

int RunDuels(const Options& o, const WorldsFile& file, std::ostream& out, std::ostream& err) {
    int status = 0;
    Tally all;
    const std::vector<int16_t> numbers = o.duelAll ? file.worlds : std::vector<int16_t>{o.world};
    if (numbers.empty()) {
        err << ForTerminal(PathForMessage(file.path)) << ": no world in it\n";
        return 2;
    }
    for (const int16_t n : numbers) {
        WorldRecord w;
        const std::string problem = LoadWorldFrom(file, n, w);
        if (!problem.empty()) {
            err << "world " << n << ": " << ForTerminal(problem) << '\n';
            status = 2;
            continue;
        }
        const char* missing = UnitsOf(w, 1).empty() ? "blue" : UnitsOf(w, 2).empty() ? "red" : nullptr;
        if (missing != nullptr) {
            err << "world " << n << ": no duel, " << missing << " has no unit\n";
            status = 2;
            continue;
        }
        const bool defaults = o.games == 1 && o.blue == DuelSide(ComputerStrength::Strong) &&
                              o.red == DuelSide(ComputerStrength::Strong);
        if (o.bound) {
            PrintBounds(out, n, w);
            continue;
        }
        Tally t;
        if (defaults) {
            std::mt19937 rng(o.seed);
            const DuelResult r = PlayDuel(w, o.blue, o.red, rng, kDuelTurnLimit);
            PrintDuel(out, n, r);
            t.Add(r);
        } else {
            t = PlayTournament(w, o.blue, o.red, o.games, o.seed, kDuelTurnLimit);
        }
        PrintTally(out, "world " + std::to_string(n), t);
        all.Add(t);
    }
    if (!all.turns.empty()) PrintTally(out, "all worlds", all);
    return status;
}

}  // namespace

int RunTool(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
            std::ostream& err) {
    if (!args.empty() && args[0] == "--verify") return RunVerify({args.begin() + 1, args.end()}, programDir, out, err);
    if (!args.empty() && args[0] == "--record") return RunRecord({args.begin() + 1, args.end()}, programDir, out, err);
    Options o;
    if (!Parse(args, o)) {
        err << kUsage;
        return 2;
    }
    if (!o.duel && o.player != 1 && o.player != 2) {
        err << "--player " << o.player << ": the players are 1 (blue) and 2 (red)\n" << kUsage;
        return 2;
    }
    const WorldsFile file = ReadWorldsFile(programDir, o.worldsFile);
    if (!file.problem.empty()) {
        err << ForTerminal(file.problem) << '\n';
        return 2;
    }
    if (o.duel) return RunDuels(o, file, out, err);
    WorldRecord w;
    const std::string problem = LoadWorldFrom(file, o.world, w);
    if (!problem.empty()) {
        err << ForTerminal(problem) << '\n';
        return 2;
    }
    if (o.scan) {
        for (const SurveyedShot& s : SurveyShots(w, o.player)) {
            out << s.unit.x << ' ' << s.unit.y << ' ' << s.angle << ' ';
            PrintEnd(out, s.outcome);
            out << '\n';
        }
        return 0;
    }
    if (o.fromX < 0 || o.fromY < 0 || o.fromX >= w.Raster_max_x || o.fromY >= w.Raster_max_y) {
        err << "--from " << o.fromX << ' ' << o.fromY << ": no cell of the board\n" << kUsage;
        return 2;
    }
    const PixelPoint launch = CellCentre(w, o.fromX, o.fromY);
    std::vector<FlightPoint> path;
    const FlightOutcome outcome = RunFlight(w, o.player, launch.x, launch.y, o.angle, &path);
    for (const FlightPoint& p : path) out << static_cast<long>(p.x) << ' ' << static_cast<long>(p.y) << '\n';
    PrintEnd(out, outcome);
    out << '\n';
    return 0;
}

}  // namespace sd::trajectory

#include "trajectory_tool.h"

#include <stdlib.h>

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>

#include "combat/computer_duel.h"
#include "combat/plasma_flight.h"
#include "combat/shot_survey.h"
#include "data/board_geometry.h"
#include "data/context.h"
#include "data/world_file.h"

namespace sd::trajectory {

namespace {

constexpr const char* kUsage =
    "usage: sternenduell-trajectory [--worlds FILE] --world N (--from X Y --angle A | --scan) --player P\n"
    "       sternenduell-trajectory [--worlds FILE] --duel (N | all)\n";

// The worlds the title screen offers, for --duel all.
constexpr int16_t kShippedWorlds = 10;
// A duel still undecided at this turn is called a draw.
constexpr int16_t kDuelTurnLimit = 200;

struct Options {
    std::string worldsFile;
    int16_t world = 0, player = 0, fromX = 0, fromY = 0, angle = 0;
    bool haveWorld = false, havePlayer = false, haveFrom = false, haveAngle = false, scan = false;
    bool duel = false, duelAll = false;
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
    bool haveWorlds = false, haveFromY = false;
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
        } else if (a == "--duel") {
            if (!o.duel && i + 1 < args.size() && args[i + 1] == "all") {
                ++i;
                ok = o.duel = o.duelAll = true;
            } else {
                ok = !o.duel && number(i, o.world, o.haveWorld);
                o.duel = true;
            }
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

// World n of a worlds.dat, through the game's own loader, so that a world the
// game refuses is refused here with the same words. The loader reads the file
// "worlds.dat" of a program folder; any other file is linked into a folder of
// its own under that name. Returns the problem, empty when the world loaded.
std::string LoadWorldFrom(const std::string& programDir, const std::string& worldsFile, int16_t n,
                          WorldRecord& world) {
    namespace fs = std::filesystem;
    Context ctx;
    ctx.programDir = programDir;
    fs::path linkDir;
    if (!worldsFile.empty()) {
        std::string pattern = (fs::temp_directory_path() / "sd_trajectory_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return "no temporary folder for " + worldsFile;
        linkDir = pattern;
        std::error_code ec;
        fs::create_symlink(fs::absolute(worldsFile, ec), linkDir / "worlds.dat", ec);
        ctx.programDir = linkDir.string();
    }
    const LoadResult result = LoadWorld(ctx, n);
    if (!linkDir.empty()) {
        std::error_code ec;
        fs::remove_all(linkDir, ec);
    }
    if (!result.ok()) return result.problems.front();
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

// One line of the balance table: the strong computer against itself.
void PrintDuel(std::ostream& out, int16_t n, const WorldRecord& w) {
    std::mt19937 rng(1);  // the strong computer draws nothing; a fixed seed all the same
    const DuelResult r = PlayDuel(w, ComputerStrength::Strong, ComputerStrength::Strong, rng, kDuelTurnLimit);
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

int RunDuels(const Options& o, const std::string& programDir, std::ostream& out, std::ostream& err) {
    int status = 0;
    const int16_t first = o.duelAll ? int16_t{0} : o.world;
    const int16_t last = o.duelAll ? int16_t(kShippedWorlds - 1) : o.world;
    for (int16_t n = first; n <= last; ++n) {
        WorldRecord w;
        const std::string problem = LoadWorldFrom(programDir, o.worldsFile, n, w);
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
        PrintDuel(out, n, w);
    }
    return status;
}

}  // namespace

int RunTool(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
            std::ostream& err) {
    Options o;
    if (!Parse(args, o)) {
        err << kUsage;
        return 2;
    }
    if (o.duel) return RunDuels(o, programDir, out, err);
    WorldRecord w;
    const std::string problem = LoadWorldFrom(programDir, o.worldsFile, o.world, w);
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

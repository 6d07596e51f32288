#include "record_commands.h"

#include <charconv>
#include <fstream>
#include <ostream>
#include <random>

#include "combat/computer_duel.h"
#include "combat/record_check.h"
#include "combat/shot_survey.h"
#include "data/context.h"
#include "data/data_file_read.h"
#include "data/ini_file.h"
#include "data/world_file.h"

namespace sd::trajectory {

namespace {

// The game's messages are Windows-1252; a terminal wants UTF-8.
std::string Utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Takes "--worlds FILE" out of args; false when it is given twice or without a file.
bool TakeWorlds(std::vector<std::string>& args, std::string& worlds) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--worlds") continue;
        if (!worlds.empty() || i + 1 >= args.size()) return false;
        worlds = args[i + 1];
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        --i;
    }
    return true;
}

// A shot at the first enemy from the first unit whose survey finds an angle
// ending as wanted; false when no unit has one.
bool ShotEnding(const WorldRecord& w, int16_t player, FlightEnd end, Action& shot) {
    const std::vector<CellPos> enemies = UnitsOf(w, player == 1 ? 2 : 1);
    if (enemies.empty()) return false;
    for (const SurveyedShot& s : SurveyShots(w, player)) {
        if (s.outcome.end != end) continue;
        shot = Action::FireAt(s.unit, enemies.front(), s.angle);
        return true;
    }
    return false;
}

}  // namespace

int RunVerify(const std::vector<std::string>& given, const std::string& programDir, std::ostream& out,
              std::ostream& err) {
    std::vector<std::string> files = given;
    std::string worlds;
    if (!TakeWorlds(files, worlds) || files.empty()) {
        err << "usage: sternenduell-trajectory --verify [--worlds FILE] RECORD...\n";
        return 2;
    }
    const RecordData data{worlds.empty() ? programDir + "/worlds.dat" : worlds, programDir + "/settings.dat"};
    int status = 0;
    for (const std::string& file : files) {
        const OpenedRecord r = OpenRecord(file, data);
        if (!r.problem.empty()) {
            out << Utf8(r.problem) << '\n';
            status = 1;
            continue;
        }
        const GameStateRecord& s = r.game->state();
        out << file << ": ok, " << r.record.actions.size() << " Aktionen, ";
        if (s.Winner != 0) {
            out << "Sieger " << s.Winner << " in Zug " << s.TurnCounter << '\n';
        } else {
            out << (r.record.result.present ? "verlassen" : "nicht beendet") << " in Zug " << s.TurnCounter << '\n';
        }
    }
    return status;
}

int RunRecord(const std::vector<std::string>& given, const std::string& programDir, std::ostream& out,
              std::ostream& err) {
    std::vector<std::string> args = given;
    std::string worldsPath;
    int16_t n = 0;
    if (!TakeWorlds(args, worldsPath) || args.size() != 2 ||
        std::from_chars(args[0].data(), args[0].data() + args[0].size(), n).ec != std::errc()) {
        err << "usage: sternenduell-trajectory --record N OUT [--worlds FILE]\n";
        return 2;
    }
    if (worldsPath.empty()) worldsPath = programDir + "/worlds.dat";
    const FileRead worlds = ReadDataFile(worldsPath);
    const FileRead settings = ReadDataFile(programDir + "/settings.dat");
    Context ctx;
    const IniFile ini = IniFile::parse(worlds.text);
    if (LoadResult r = LoadWorld(ctx, ini, n); !r.ok() || worlds.status.fault != ReadFault::None) {
        err << "world " << n << ": " << Utf8(r.ok() ? ReadFaultReason(worlds.status) : r.problems.front()) << '\n';
        return 2;
    }
    RecordHeader h;
    h.world = n;
    h.worldName = ini.value("World" + std::to_string(n), "Name");
    h.worldsSum = Checksum(worlds.text);
    h.settingsSum = Checksum(settings.text);
    h.opponent = Opponent::ComputerStrong;  // red
    h.seed = 1;
    h.started = "2000-01-01 00:00:00";
    std::string text = FormatHeader(h);

    HeadlessGame game(std::move(ctx.World));
    game.rules().onApplied = [&text](const Outcome& o) { text += FormatAction(o.action, o.refused()); };
    // Blue opens with a shot at its own unit (refused) and, where there is
    // one, a shot that loops; then the computer plays both sides.
    const std::vector<CellPos> blue = UnitsOf(game.world(), 1);
    if (blue.size() >= 1) game.Apply(Action::FireAt(blue.front(), blue.back(), 0));
    if (Action loop; ShotEnding(game.world(), 1, FlightEnd::Loop, loop)) game.Apply(loop);
    std::mt19937 rng(h.seed);
    constexpr int16_t kTurnLimit = 200;
    while (game.state().Winner == 0 && game.state().TurnCounter <= kTurnLimit) {
        // The light computer for blue makes for longer games with more of
        // the rules in them than the strong one, which wins at once.
        const bool blueOnTurn = game.state().CurrentPlayer == 1;
        if (PlayComputerTurn(game.rules(), blueOnTurn ? ComputerStrength::Light : ComputerStrength::Strong, rng)) break;
        game.Apply(Action::EndOfTurn());
    }
    const GameStateRecord& s = game.state();
    text += FormatResult(s.Winner, s.TurnCounter, 0);
    std::ofstream file(args[1], std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
        err << args[1] << ": cannot be written\n";
        return 2;
    }
    out << args[1] << ": world " << n << ", " << game.played().size() << " actions, winner " << s.Winner
        << " in turn " << s.TurnCounter << '\n';
    return 0;
}

}  // namespace sd::trajectory

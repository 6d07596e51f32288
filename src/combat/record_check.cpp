#include "combat/record_check.h"

#include <memory>

#include <cstdio>

#include "combat/movement.h"
#include "data/context.h"
#include "data/data_file_read.h"
#include "data/ini_file.h"
#include "data/world_file.h"

namespace sd {

namespace {

std::string CellText(CellPos c) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d)", c.x, c.y);
    return text;
}

// Every cell an action names must lie on the board; the selection may also be dropped.
std::string OffBoard(const WorldRecord& w, const Action& a) {
    auto bad = [&w](CellPos c) { return !OnBoard(w, c.x, c.y); };
    switch (a.kind) {
        case ActionKind::Select:
            if (a.unit != kNoCell && bad(a.unit)) return CellText(a.unit);
            return {};
        case ActionKind::Move:
        case ActionKind::Fire:
            if (bad(a.target)) return CellText(a.target);
            [[fallthrough]];
        case ActionKind::SwitchWeapon:
            if (bad(a.unit)) return CellText(a.unit);
            return {};
        case ActionKind::EndTurn: break;
    }
    return {};
}

const char* RefusalText(Refusal r) {
    switch (r) {
        case Refusal::GameOver: return "das Spiel ist schon entschieden";
        case Refusal::NotOwnUnit: return "dort steht keine Einheit der Seite am Zug";
        case Refusal::CannotMove:
        case Refusal::TooFar: return "die Einheit kann dieses Feld nicht erreichen";
        case Refusal::NotEnemy: return "dort steht kein Gegner";
        case Refusal::NoCharge: return "keine Plasmaladung mehr";
        case Refusal::NoEnergy: return "zu wenig Energie f\xFCr den Strahl";
        case Refusal::OutOfRange: return "das Ziel ist au\xDF" "er Reichweite des Strahls";
        case Refusal::None: break;
    }
    return "";
}

std::string SumText(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(v));
    return text;
}

}  // namespace

RecordProblem ReplayRecord(const GameRecord& r, HeadlessGame& game) {
    for (const RecordedAction& ra : r.actions) {
        if (const std::string cell = OffBoard(game.world(), ra.action); !cell.empty())
            return {ra.line, "unm\xF6gliche Aktion: das Feld " + cell + " liegt nicht auf dem Spielfeld"};
        const Outcome o = game.Apply(ra.action);
        if (o.refused() && !ra.refused)
            return {ra.line, std::string("unm\xF6gliche Aktion: ") + RefusalText(o.refusal)};
        if (!o.refused() && ra.refused)
            return {ra.line, "die Regeln nehmen diese Aktion an, aufgezeichnet war sie abgelehnt"};
    }
    if (!r.result.present) return {};
    const GameStateRecord& s = game.state();
    const int16_t turns = s.Winner != 0 ? s.TurnCounter : r.result.turns;
    if (s.Winner != r.result.winner || turns != r.result.turns) {
        return {r.result.line, "das Spiel endet nachgespielt anders (Sieger " + std::to_string(s.Winner) + " in Zug " +
                                   std::to_string(s.TurnCounter) + ", aufgezeichnet Sieger " +
                                   std::to_string(r.result.winner) + " in Zug " + std::to_string(r.result.turns) + ")"};
    }
    return {};
}

RecordProblem CheckDataSums(const GameRecord& r, const std::string& worldsText, const std::string& settingsText) {
    auto differs = [](const char* file, long line, uint32_t recorded, uint32_t here) -> RecordProblem {
        return {line, std::string("aufgezeichnet mit einer anderen ") + file + " (Pr\xFC" "fsumme " + SumText(recorded) +
                          ", hier " + SumText(here) + ")"};
    };
    if (const uint32_t s = Checksum(worldsText); s != r.header.worldsSum) return differs("worlds.dat", 3, r.header.worldsSum, s);
    if (const uint32_t s = Checksum(settingsText); s != r.header.settingsSum)
        return differs("settings.dat", 4, r.header.settingsSum, s);
    return {};
}

OpenedRecord OpenRecord(const std::string& path, const RecordData& data) {
    OpenedRecord opened;
    auto fail = [&](const RecordProblem& p) {
        opened.problem = RecordMessage(path, p);
        opened.game.reset();
        return std::move(opened);
    };
    const FileRead file = ReadDataFile(path);
    if (file.status.fault != ReadFault::None) return fail({0, ReadFaultReason(file.status)});
    if (RecordProblem p = ParseRecord(file.text, opened.record); !p.ok()) return fail(p);
    const FileRead worlds = ReadDataFile(data.worldsPath);
    const FileRead settings = ReadDataFile(data.settingsPath);
    if (RecordProblem p = CheckDataSums(opened.record, worlds.text, settings.text); !p.ok()) return fail(p);
    Context ctx;
    if (LoadResult loaded = LoadWorld(ctx, IniFile::parse(worlds.text), opened.record.header.world); !loaded.ok())
        return fail({2, loaded.problems.empty() ? std::string("die Welt fehlt") : loaded.problems.front()});
    opened.game = std::make_unique<HeadlessGame>(std::move(ctx.World));
    if (RecordProblem p = ReplayRecord(opened.record, *opened.game); !p.ok()) return fail(p);
    return opened;
}

}  // namespace sd

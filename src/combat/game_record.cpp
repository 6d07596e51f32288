#include "combat/game_record.h"

#include <charconv>
#include <cstdio>

#include "data/message_text.h"

namespace sd {

namespace {

const char* OpponentWord(Opponent o) {
    switch (o) {
        case Opponent::ComputerLight: return "computer-light";
        case Opponent::ComputerStrong: return "computer-strong";
        case Opponent::Person: break;
    }
    return "person";
}

std::string Cell(CellPos c) { return std::to_string(c.x) + ' ' + std::to_string(c.y); }

// A line taken apart at single blanks.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const size_t blank = line.find(' ');
        words.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos) break;
        line.remove_prefix(blank + 1);
    }
    return words;
}

template <typename T>
bool Number(std::string_view text, T& into) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, into);
    return !text.empty() && ec == std::errc() && ptr == end;
}

bool CellAt(const std::vector<std::string_view>& w, size_t i, CellPos& c) {
    return i + 1 < w.size() && Number(w[i], c.x) && Number(w[i + 1], c.y);
}

// One action line; false when it is none.
bool ParseAction(const std::vector<std::string_view>& w, RecordedAction& r) {
    size_t n = w.size();
    r.refused = n > 1 && w[n - 1] == "refused";
    if (r.refused) --n;
    Action& a = r.action;
    const std::string_view kind = w[0];
    if (kind == "select") {
        a.kind = ActionKind::Select;
        return n == 3 && CellAt(w, 1, a.unit);
    }
    if (kind == "move") {
        a.kind = ActionKind::Move;
        return n == 5 && CellAt(w, 1, a.unit) && CellAt(w, 3, a.target);
    }
    if (kind == "weapon") {
        a.kind = ActionKind::SwitchWeapon;
        if (n != 4 || !CellAt(w, 1, a.unit)) return false;
        if (w[3] != "plasma" && w[3] != "beam") return false;
        a.weapon = w[3] == "beam" ? Weapon::Beam : Weapon::Plasma;
        return true;
    }
    if (kind == "fire") {
        a.kind = ActionKind::Fire;
        return n == 6 && CellAt(w, 1, a.unit) && CellAt(w, 3, a.target) && Number(w[5], a.angle) && a.angle >= 0 &&
               a.angle < 360;
    }
    if (kind == "endturn") {
        a = Action::EndOfTurn();
        return n == 1;
    }
    return false;
}

bool ParseOpponent(std::string_view word, Opponent& o) {
    for (Opponent c : {Opponent::Person, Opponent::ComputerLight, Opponent::ComputerStrong}) {
        if (word == OpponentWord(c)) {
            o = c;
            return true;
        }
    }
    return false;
}

// Text bytes only: a record is written by the game, so a control character
// other than the line feed (a NUL above all) means it is no record at all.
bool TextLine(std::string_view line) {
    for (unsigned char c : line) {
        if (c < 0x20 || c == 0x7F) return false;
    }
    return true;
}

struct HeaderReader {
    RecordHeader& h;

    // The header line number i (1 = the version line); empty when it is fine.
    std::string Read(long i, std::string_view line) {
        const std::vector<std::string_view> w = Words(line);
        auto sum = [&](const char* key, uint32_t& into) -> std::string {
            if (w.size() != 2 || w[0] != key || w[1].size() != 8) return std::string("erwartet \"") + key + " <Pr\xFC" "fsumme>\"";
            const auto [ptr, ec] = std::from_chars(w[1].data(), w[1].data() + 8, into, 16);
            return ec == std::errc() && ptr == w[1].data() + 8 ? "" : "die Pr\xFC" "fsumme ist keine Hexadezimalzahl";
        };
        switch (i) {
            case 1: {
                int version = 0;
                if (w.size() != 2 || w[0] != "SDGAME" || !Number(w[1], version))
                    return "keine Sternenduell-Aufzeichnung (die erste Zeile ist nicht \"SDGAME <Version>\")";
                if (version != kRecordVersion)
                    return "Format-Version " + std::to_string(version) + " (dieses Spiel liest Version " +
                           std::to_string(kRecordVersion) + ")";
                return {};
            }
            case 2:
                if (w.size() < 2 || w[0] != "world" || !Number(w[1], h.world) || h.world < 0)
                    return "erwartet \"world <Nummer> <Name>\"";
                h.worldName = std::string(line.substr(std::min(line.size(), w[0].size() + w[1].size() + 2)));
                return {};
            case 3: return sum("worlds.dat", h.worldsSum);
            case 4: return sum("settings.dat", h.settingsSum);
            case 5:
                if (w.size() == 2 && w[0] == "opponent" && ParseOpponent(w[1], h.opponent)) return {};
                return "erwartet \"opponent person\", \"opponent computer-light\" oder \"opponent computer-strong\"";
            case 6:
                if (w.size() == 2 && w[0] == "seed" && Number(w[1], h.seed)) return {};
                return "erwartet \"seed <Zahl>\"";
            case 7:
                if (w.size() == 3 && w[0] == "started") {
                    h.started = std::string(line.substr(8));
                    return {};
                }
                return "erwartet \"started <Datum> <Uhrzeit>\"";
        }
        return {};
    }
};

constexpr long kHeaderLines = 7;

}  // namespace

std::string FormatHeader(const RecordHeader& h) {
    char sums[64];
    std::snprintf(sums, sizeof sums, "worlds.dat %08x\nsettings.dat %08x\n", static_cast<unsigned>(h.worldsSum),
                  static_cast<unsigned>(h.settingsSum));
    // The name is shown, not parsed: no line break may split the header.
    std::string name = h.worldName;
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return "SDGAME " + std::to_string(kRecordVersion) + "\nworld " + std::to_string(h.world) + ' ' + name + '\n' +
           sums + "opponent " + OpponentWord(h.opponent) + "\nseed " + std::to_string(h.seed) + "\nstarted " +
           h.started + '\n' + (h.side != 0 ? "side " + std::to_string(h.side) + '\n' : std::string());
}

std::string FormatAction(const Action& a, bool refused) {
    std::string line;
    switch (a.kind) {
        case ActionKind::Select: line = "select " + Cell(a.unit); break;
        case ActionKind::Move: line = "move " + Cell(a.unit) + ' ' + Cell(a.target); break;
        case ActionKind::SwitchWeapon:
            line = "weapon " + Cell(a.unit) + (a.weapon == Weapon::Beam ? " beam" : " plasma");
            break;
        case ActionKind::Fire:
            line = "fire " + Cell(a.unit) + ' ' + Cell(a.target) + ' ' + std::to_string(a.angle);
            break;
        case ActionKind::EndTurn: line = "endturn"; break;
    }
    return line + (refused ? " refused\n" : "\n");
}

std::string FormatResult(int16_t winner, int16_t turns, long minutes) {
    return "result " + std::to_string(winner) + ' ' + std::to_string(turns) + ' ' + std::to_string(minutes) + '\n';
}

RecordProblem ParseRecord(std::string_view text, GameRecord& out) {
    out = GameRecord{};
    HeaderReader header{out.header};
    long i = 0;
    // A last line without its line feed is a torn write: it is left out.
    while (true) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) break;
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        ++i;
        if (!TextLine(line)) {
            return {i, i == 1 ? "keine Sternenduell-Aufzeichnung (Bin\xE4rdaten)" : "Steuerzeichen oder Bin\xE4rdaten in der Zeile"};
        }
        if (i <= kHeaderLines) {
            if (std::string what = header.Read(i, line); !what.empty()) return {i, what};
            continue;
        }
        const std::vector<std::string_view> w = Words(line);
        // The side of a network game follows the header's fixed lines; a
        // record without it was played at one screen (or by an older build).
        if (i == kHeaderLines + 1 && !w.empty() && w[0] == "side") {
            int16_t& side = out.header.side;
            if (w.size() != 2 || !Number(w[1], side) || side < 1 || side > 2)
                return {i, "erwartet \"side 1\" oder \"side 2\""};
            continue;
        }
        if (out.result.present) return {i, "Text nach der Ergebniszeile"};
        if (w.size() == 4 && w[0] == "result") {
            RecordResult& r = out.result;
            if (!Number(w[1], r.winner) || r.winner < 0 || r.winner > 2 || !Number(w[2], r.turns) ||
                !Number(w[3], r.minutes))
                return {i, "erwartet \"result <Sieger 0, 1 oder 2> <Z\xFCge> <Minuten>\""};
            r.present = true;
            r.line = i;
            continue;
        }
        RecordedAction a;
        a.line = i;
        if (w.empty() || !ParseAction(w, a)) return {i, "keine Aktion: \"" + ValueForMessage(line.substr(0, 60)) + "\""};
        if (out.actions.size() >= kRecordMostActions)
            return {i, "mehr als " + std::to_string(kRecordMostActions) + " Aktionen"};
        out.actions.push_back(a);
    }
    if (i == 0 && !text.empty() && !TextLine(text)) return {1, "keine Sternenduell-Aufzeichnung (Bin\xE4rdaten)"};
    if (i < kHeaderLines) return {i + 1, "die Aufzeichnung bricht im Kopf ab"};
    return {};
}

uint32_t Checksum(std::string_view bytes) {
    uint32_t h = 2166136261u;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

std::string RecordMessage(const std::string& path, const RecordProblem& p) {
    std::string where = PathForMessage(path);
    if (p.line > 0) where += ", Zeile " + std::to_string(p.line);
    return where + ": " + p.what;
}

}  // namespace sd

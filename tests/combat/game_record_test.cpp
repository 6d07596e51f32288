// Records of games (.sdgame): what the reader accepts, and that every bad
// record is refused with the file, the line and the reason, never replayed
// into a wrong game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "combat/record_check.h"

namespace sd::test {
namespace {

namespace fs = std::filesystem;

const std::string kGames = SD_SOURCE_DIR "/tests/games/";
const RecordData kShipped{SD_SOURCE_DIR "/data/worlds.dat", SD_SOURCE_DIR "/data/settings.dat"};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The recorded game of world 0 (written by scripts/record_games.sh) with line
// n (1-based) replaced by text, or cut off there when text is null.
std::string World0(long n = 0, const char* text = "") {
    const std::string all = Slurp(kGames + "world0.sdgame");
    std::string out;
    long i = 0;
    for (size_t at = 0; at < all.size();) {
        const size_t end = all.find('\n', at) + 1;
        if (++i == n) {
            if (text == nullptr) return out;
            out += text;
        } else {
            out += all.substr(at, end - at);
        }
        at = end;
    }
    return out;
}

struct Written {
    fs::path path;
    explicit Written(const std::string& text, const char* name = "bad.sdgame")
        : path(fs::temp_directory_path() / (std::to_string(::getpid()) + name)) {
        std::ofstream(path, std::ios::binary) << text;
    }
    ~Written() { fs::remove(path); }
};

std::string Problem(const std::string& text) { return OpenRecord(Written(text).path, kShipped).problem; }

TEST(GameRecordTest, WrittenActionsReadBackAndATornLastLineIsLeftOut) {
    GameRecord r;
    const std::string text = World0();
    ASSERT_TRUE(ParseRecord(text, r).ok());
    EXPECT_TRUE(r.result.present);
    std::string again = FormatHeader(r.header);
    for (const RecordedAction& a : r.actions) again += FormatAction(a.action, a.refused);
    again += FormatResult(r.result.winner, r.result.turns, r.result.minutes);
    EXPECT_EQ(again, text);

    // Killed in the middle of writing the result line: the game is unfinished.
    GameRecord torn;
    ASSERT_TRUE(ParseRecord(text.substr(0, text.size() - 3), torn).ok());
    EXPECT_FALSE(torn.result.present);
    EXPECT_EQ(torn.actions.size(), r.actions.size());
    EXPECT_EQ(Problem(text.substr(0, text.size() - 3)), "");

    // A network game's record names the side after the fixed header lines;
    // the record without it (above) is a game at one screen.
    EXPECT_EQ(r.header.side, 0);
    r.header.side = 2;
    std::string network = FormatHeader(r.header);
    EXPECT_EQ(network.substr(network.size() - 7), "side 2\n");
    for (const RecordedAction& a : r.actions) network += FormatAction(a.action, a.refused);
    GameRecord back;
    ASSERT_TRUE(ParseRecord(network, back).ok());
    EXPECT_EQ(back.header.side, 2);
    ASSERT_EQ(back.actions.size(), r.actions.size());
    EXPECT_EQ(back.actions.front().line, 9);
    EXPECT_EQ(Problem(network), "");
}

TEST(GameRecordTest, BadRecordsNameTheFileTheLineAndTheFault) {
    const std::string header = World0(8, nullptr);
    struct Case {
        std::string text, expected;
    } cases[] = {
        {World0(1, "SDGAME 2\n"), "Zeile 1: Format-Version 2 (dieses Spiel liest Version 1)"},
        {std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), "Zeile 1: keine Sternenduell-Aufzeichnung (Bin\xE4rdaten)"},
        {World0(4, nullptr), "Zeile 4: die Aufzeichnung bricht im Kopf ab"},
        {World0(3, "worlds.dat 00000000\n"), "Zeile 3: aufgezeichnet mit einer anderen worlds.dat (Pr\xFC" "fsumme 00000000, hier "},
        {header + "select 40 3\n", "Zeile 8: unm\xF6gliche Aktion: das Feld (40, 3) liegt nicht auf dem Spielfeld"},
        {header + "fire 10 2 1 2 180\n", "Zeile 8: unm\xF6gliche Aktion: dort steht keine Einheit der Seite am Zug"},
        {header + "move 1 2 9 2\n", "Zeile 8: unm\xF6gliche Aktion: die Einheit kann dieses Feld nicht erreichen"},
        {header + "endturn refused\n", "Zeile 8: die Regeln nehmen diese Aktion an, aufgezeichnet war sie abgelehnt"},
        {header + "fire 1 2 10 2 400\n", "Zeile 8: keine Aktion: \"fire 1 2 10 2 400\""},
        {World0() + "endturn\n", "Text nach der Ergebniszeile"},
        {header + "side 3\n", "Zeile 8: erwartet \"side 1\" oder \"side 2\""},
        {header + "endturn\nside 1\n", "Zeile 9: keine Aktion: \"side 1\""},
        {header + "result 1 1 0\n", "das Spiel endet nachgespielt anders (Sieger 0 in Zug 1, aufgezeichnet Sieger 1 in Zug 1)"},
    };
    for (const Case& c : cases) {
        const std::string problem = Problem(c.text);
        EXPECT_EQ(problem.rfind(std::to_string(::getpid()) + "bad.sdgame", problem.find_last_of('/') + 1),
                  problem.find_last_of('/') + 1)
            << problem;
        EXPECT_NE(problem.find(c.expected), std::string::npos) << problem << "\nexpected: " << c.expected;
    }
}

TEST(GameRecordTest, AbsurdRecordsAreRefusedBeforeAnyReplay) {
    // A million actions: counted, not played.
    std::string million = World0(8, nullptr);
    for (int i = 0; i < 1000000; ++i) million += "endturn\n";
    GameRecord r;
    const RecordProblem p = ParseRecord(million, r);
    EXPECT_EQ(p.line, 8 + static_cast<long>(kRecordMostActions));
    EXPECT_EQ(p.what, "mehr als " + std::to_string(kRecordMostActions) + " Aktionen");

    // 100 MB (sparse): refused by its size without being read.
    const Written big("");
    fs::resize_file(big.path, 100u << 20);
    const std::string problem = OpenRecord(big.path, kShipped).problem;
    EXPECT_NE(problem.find("bad.sdgame: "), std::string::npos) << problem;
    EXPECT_NE(problem.find("104857600"), std::string::npos) << problem;
}

}  // namespace
}  // namespace sd::test

#pragma once
// The record of a game (.sdgame): the world it is played on and its list of
// actions, as small line-based text, so that a game survives the window
// closing, can be watched again and can be checked by a later build.
//
//   SDGAME 1                      format version
//   world 3 Nebelfeld             world number and name
//   worlds.dat 1a2b3c4d           checksums of the data files it was played on
//   settings.dat 5e6f7a8b
//   opponent computer-strong      person, computer-light or computer-strong
//   seed 2718281828               the seed of the light computer's aim
//   started 2024-05-01 14:03:22   local time
//   side 2                        network games only: the side this machine
//                                 played (1 blue, the host; 2 red, the joiner)
//   select 3 4                    one line per action, refused ones marked
//   move 3 4 5 4
//   weapon 5 4 beam
//   fire 5 4 7 4 0 refused
//   endturn
//   result 1 12 7                 once over: winner (0 left), turns, minutes
//
// Every line ends with a line feed. A last line without one was torn by a
// crash in the middle of writing it and is ignored.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "combat/action.h"
#include "data/context.h"

namespace sd {

inline constexpr int kRecordVersion = 1;
// Far more actions than a game of 200 turns holds; a record
// beyond it is refused before any replay could keep the game busy for minutes.
inline constexpr size_t kRecordMostActions = 10000;

struct RecordHeader {
    int16_t world = 0;
    std::string worldName;  // Windows-1252 as in worlds.dat
    uint32_t worldsSum = 0;
    uint32_t settingsSum = 0;
    Opponent opponent = Opponent::Person;
    uint32_t seed = 0;
    std::string started;  // "YYYY-MM-DD hh:mm:ss"
    // A network game: the side this machine played (1 or 2); 0 for a game at
    // one screen. The two machines' records differ in this line alone.
    int16_t side = 0;
};

struct RecordedAction {
    Action action;
    bool refused = false;  // the rules turned it down when it was played
    long line = 0;         // where it stands in the file
};

struct RecordResult {
    bool present = false;
    int16_t winner = 0;  // 0: left before anyone won
    int16_t turns = 0;
    long minutes = 0;
    long line = 0;
};

struct GameRecord {
    RecordHeader header;
    std::vector<RecordedAction> actions;
    RecordResult result;
};

// What is wrong with a record: the line (0 for the file as a whole) and the
// reason in German (Windows-1252).
struct RecordProblem {
    long line = 0;
    std::string what;
    bool ok() const { return what.empty(); }
};

// The record's text pieces, each a whole line with its line feed.
std::string FormatHeader(const RecordHeader& h);
std::string FormatAction(const Action& a, bool refused);
std::string FormatResult(int16_t winner, int16_t turns, long minutes);

// Reads the text of a record. Checks the form only; whether the actions fit
// the world is ReplayRecord's question.
RecordProblem ParseRecord(std::string_view text, GameRecord& out);

// FNV-1a over the bytes: enough to tell that a data file has changed.
uint32_t Checksum(std::string_view bytes);

// "datei.sdgame, Zeile 5: ..." for the player.
std::string RecordMessage(const std::string& path, const RecordProblem& p);

}  // namespace sd

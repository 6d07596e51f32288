#pragma once
// The running game's record on disk: the header when the game starts, every
// action appended and flushed the moment it is applied, the result line when
// the game ends. A crash, a kill or a power cut loses at most the action being
// played. The records are the only files the game writes; a folder that cannot
// be written never stops play: the player is told once and the game goes on.
//
//   $XDG_STATE_HOME/sternenduell/current.sdgame   the unfinished game
//   $XDG_STATE_HOME/sternenduell/games/           finished ones, the newest 100
// ($XDG_STATE_HOME defaults to ~/.local/state.)
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "combat/game_record.h"
#include "combat/outcome.h"

namespace sd {
struct Context;

inline constexpr int kRecordsKept = 100;

// The folder of the records; empty when neither XDG_STATE_HOME nor HOME says
// where it is.
std::string RecordFolder();
// The unfinished game's record (whether or not it exists).
std::string UnfinishedRecordPath();

class GameRecorder {
public:
    // A new game: an unfinished record left by an earlier game is moved to
    // games/ as it is (nothing is written over), then the header is written.
    // Null when records are off for this run.
    static std::unique_ptr<GameRecorder> Begin(Context& ctx, const RecordHeader& header);
    // A continued game: appends to the existing record.
    static std::unique_ptr<GameRecorder> Resume(Context& ctx, const RecordHeader& header);
    ~GameRecorder();

    void Append(const Outcome& o);
    // The game is over (won, or left with winner 0): the result line, and the
    // record moves to games/.
    void Finish(int16_t winner, int16_t turns);
    bool finished() const { return finished_; }

private:
    GameRecorder(Context& ctx, std::time_t start) : ctx_(ctx), start_(start) {}
    bool Write(const std::string& text);
    void Fail(const std::string& what);

    Context& ctx_;
    std::time_t start_;
    int fd_ = -1;
    bool finished_ = false;
};

// "YYYY-MM-DD hh:mm:ss", as the header's start time is written.
std::string StartedText(const std::tm& t);

// The header of a game starting now on the world in ctx (reads the two data
// files for their checksums and the world's name).
RecordHeader HeaderForNewGame(const Context& ctx);

// Moves a record into games/ under a name of its start time and keeps only
// the newest kRecordsKept there. False when that failed.
bool FileAway(const std::string& path, std::string* problem = nullptr);

}  // namespace sd

#pragma once
// A record read from its file and checked against the data files and the
// rules: the one way the game, its replay and the verifying tool take a record
// in, so each refuses a bad one with the same words.
#include <memory>
#include <string>

#include "combat/game_record.h"
#include "combat/game_rules.h"

namespace sd {

// The data files a record is checked against.
struct RecordData {
    std::string worldsPath;
    std::string settingsPath;
};

// Plays the record's actions on world (loaded for its world number) from a new
// game's start. Each action must get the answer it got when it was played
// (applied or refused), every cell must lie on the board, and a result line
// must match how the game ends. The game is left where the record stops.
RecordProblem ReplayRecord(const GameRecord& r, HeadlessGame& game);

// The checksums of the record's header against the two files' bytes.
RecordProblem CheckDataSums(const GameRecord& r, const std::string& worldsText, const std::string& settingsText);

// Reads, parses and checks the record at path: the file (a regular file of at
// most 4 MB), its form, the data files' checksums and the replay. On success
// game holds the replayed game. Every problem comes back as the player's
// message naming the file and the line.
struct OpenedRecord {
    GameRecord record;
    std::unique_ptr<HeadlessGame> game;
    std::string problem;  // empty when the record can be used
};
OpenedRecord OpenRecord(const std::string& path, const RecordData& data);

}  // namespace sd

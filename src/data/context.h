#pragma once
// The one context of a program run: the world model, the values that live for
// the whole run, and the services the screens use. Created once in main();
// a test builds a fresh one in a line. Nothing of the game lives in globals.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "data/world_model.h"

namespace sd {

namespace platform {
class Platform;
class Clock;
class MessageBox;
}  // namespace platform

// Services of the screens that live for the whole run; each is defined by the
// module that uses it.
struct SoundTable;
struct PointerMemory;

// Who plays red: a second person at the same screen, or the computer at one
// of its two strengths.
enum class Opponent : int16_t { Person, ComputerLight, ComputerStrong };

struct Context {
    // --- the world model (replaced at every game start) ---
    WorldRecord World;
    std::vector<ColorEntry> ColorTable;  // entries 0..Counter, the last one black
    GameStateRecord GameState;

    // --- values that live for the whole run ---
    std::string programDir;  // folder of the data files (DataFolder), no trailing separator
    bool SoundOn = false;
    std::string commandLine;  // the whole command line as one text
    Opponent opponent = Opponent::Person;  // chosen on the title screen or with "-COMPUTER"
    // The one source of chance in the game: the light computer's aim. Seeded
    // once per run; a test seeds it to replay a game.
    std::mt19937 computerRandom;
    uint32_t computerSeed = 0;  // what computerRandom was seeded with, for the records
    // Records of games are written (not with "-NORECORD"); a folder that cannot
    // be written is reported once a run.
    bool recordsOn = false;
    bool recordProblemSaid = false;

    // --- services (not owned; null where a test needs none) ---
    platform::Platform* platform = nullptr;
    platform::Clock* clock = nullptr;
    platform::MessageBox* messageBox = nullptr;
    SoundTable* sounds = nullptr;      // the sixteen effects by number
    PointerMemory* pointer = nullptr;  // which mouse pointer is shown

    // Full path of a file given relative to the data folder, with '/'
    // separators ("fx/back.bmp", "worlds.dat").
    std::string path(const std::string& relative) const { return programDir + "/" + relative; }
};

}  // namespace sd

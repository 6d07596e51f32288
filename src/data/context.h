#pragma once
// The one context of a program run: the world model, the values that live for
// the whole run, and the services of the platform layer. Created once in main();
// a test builds a fresh one in a line. Nothing of the game lives in globals.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/world_model.h"

namespace sd {

namespace platform {
class Platform;
class Clock;
class MessageBox;
}  // namespace platform

// The display mode found at start, restored at the end.
struct DisplayModeRecord {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t frequency = 0;
};

struct Context {
    // --- the world model (replaced at every game start) ---
    WorldRecord World;
    std::vector<ColorEntry> ColorTable;  // entries 0..Counter, the last one black
    GameStateRecord GameState;

    // --- values that live for the whole run ---
    std::string programDir;  // directory of the executable, no trailing separator
    bool SoundOn = false;
    std::vector<std::string> SoundFiles;  // sound table, indexed from 0
    int16_t SoundLastIndex = 0;           // index of the last store into SoundFiles
    int16_t CurrentCursor = 0;            // number of the cursor last asked for
    int16_t LastInfoX = 0;                // cell shown last on the info panel
    int16_t LastInfoY = 0;
    int16_t HighlightedButton = 0;  // title-screen menu label last highlighted
    DisplayModeRecord SavedMode;
    bool ModeSwitched = false;
    std::string commandLine;  // the whole command line as one text

    // --- services (not owned; null where a test needs none) ---
    platform::Platform* platform = nullptr;
    platform::Clock* clock = nullptr;
    platform::MessageBox* messageBox = nullptr;

    // Set by the game screen while it is open: closes it (a fatal file error).
    std::function<void()> closeGameScreen;
    // Set by the title screen: shows it again when a game ends.
    std::function<void()> showTitleScreen;

    // Full path of a file given relative to the program directory, with '/'
    // separators ("fx/back.bmp", "worlds.dat").
    std::string path(const std::string& relative) const { return programDir + "/" + relative; }
};

}  // namespace sd

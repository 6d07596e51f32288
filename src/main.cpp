// Sternenduell: builds the run's context, starts the title screen and keeps
// the event loop going until the program ends.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "data/context.h"
#include "data/data_folder.h"
#include "platform/input/platform.h"
#include "platform/process/sdl_start.h"
#include "play/cursor.h"
#include "play/error_panel.h"
#include "play/sound.h"
#include "shell/command_line.h"
#include "shell/title_screen.h"

int main(int argc, char** argv) {
    try {
        sd::platform::Platform platform;
        // Where the system's message box cannot be shown, the game's own panel.
        sd::UseErrorPanel(platform);
        sd::Context ctx;
        ctx.programDir = sd::DataFolder(sd::platform::ProgramDirectory());
        ctx.platform = &platform;
        ctx.clock = &platform.clock();
        ctx.messageBox = &platform.messageBox();
        sd::SoundTable sounds;
        sd::PointerMemory pointer;
        ctx.sounds = &sounds;
        ctx.pointer = &pointer;
        ctx.commandLine = sd::JoinCommandLine(argc, argv);

        sd::FrmStartup title(ctx);
        if (!title.Load()) return 1;
        // "--replay FILE": the record is played back over the title screen.
        for (int i = 1; i + 1 < argc; ++i) {
            if (std::string(argv[i]) == "--replay") title.StartReplay(argv[i + 1]);
        }

        // Start-up measurement: report when the title screen is up, then leave.
        if (std::getenv("SD_STARTUP_PROBE")) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::fprintf(stderr, "SD_STARTUP_PROBE %lld\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            title.Unload();
            return 0;
        }

        while (!title.Ended()) {
            // Nothing happens between events: the loop sleeps until one comes.
            platform.waitEvents(-1);
            // Between two waits no handler runs: a safe point to free closed games.
            title.CollectClosedGames();
            // The window was closed while a game ran, or no screen is left.
            if (platform.quitRequested() || !platform.anyScreenVisible()) title.Unload();
        }
        // The program end has hidden the window and given the display back;
        // the rest (memory, the audio device, the window system's connection)
        // the process's end gives back by itself, without waiting for any of it.
        platform.window().endProcess(0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sternenduell: %s\n", e.what());
        return 1;
    }
}

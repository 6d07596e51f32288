// The event loop both yardsticks of scripts/perf.sh share: draw once, then
// sleep in SDL_WaitEvent; a mouse press steps the shade (so a click has a
// first changed pixel to time) and draws again, an expose draws again, the
// close command ends it. A template, not std::function, so that the bare
// window stays a program that needs no C++ runtime.
#pragma once

#include <SDL.h>

template <typename Draw>
void RunYardstick(int& shade, Draw draw) {
    draw();
    SDL_Event ev;
    bool running = true;
    while (running && SDL_WaitEvent(&ev)) {
        switch (ev.type) {
            case SDL_QUIT: running = false; break;
            case SDL_MOUSEBUTTONDOWN:
                shade = (shade + 40) % 160;
                draw();
                break;
            case SDL_WINDOWEVENT:
                if (ev.window.event == SDL_WINDOWEVENT_EXPOSED) draw();
                break;
            default: break;
        }
    }
}

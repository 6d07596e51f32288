// The yardstick for scripts/perf.sh: the least an SDL2 program of the game's
// kind can cost. An 800 x 600 window with a renderer that draws one frame and
// then sleeps in SDL_WaitEvent; a mouse press paints the window in another
// colour (so a click has a first changed pixel to time), the close command
// ends it.
#include <SDL.h>

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!renderer) return 1;
    int shade = 0;
    auto draw = [&] {
        SDL_SetRenderDrawColor(renderer, 20, static_cast<Uint8>(40 + shade), 90, 255);
        SDL_RenderClear(renderer);
        SDL_RenderPresent(renderer);
    };
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
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

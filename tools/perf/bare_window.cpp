// The yardsticks for scripts/perf.sh: the least an SDL2 program of the game's
// kind can cost. An 800 x 600 window that draws one frame and then sleeps in
// SDL_WaitEvent; a mouse press paints the window in another colour (so a
// click has a first changed pixel to time), the close command ends it.
//
// By default it draws through a renderer. With --surface it shows its own
// window surface the way the game does, with SDL's framebuffer acceleration
// off: without that hint SDL backs the surface with an OpenGL texture, which
// alone costs about 100 MB and 100 ms at start, so that is the true floor.
#include <SDL.h>

#include <cstring>

#include "yardstick_loop.h"

int main(int argc, char** argv) {
    const bool surface = argc > 1 && std::strcmp(argv[1], "--surface") == 0;
    if (surface) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
    if (!window) return 1;
    SDL_Renderer* renderer = surface ? nullptr : SDL_CreateRenderer(window, -1, 0);
    if (!surface && !renderer) return 1;
    int shade = 0;
    auto draw = [&] {
        const Uint8 g = static_cast<Uint8>(40 + shade);
        if (renderer) {
            SDL_SetRenderDrawColor(renderer, 20, g, 90, 255);
            SDL_RenderClear(renderer);
            SDL_RenderPresent(renderer);
            return;
        }
        SDL_Surface* pixels = SDL_GetWindowSurface(window);
        if (!pixels) return;
        SDL_FillRect(pixels, nullptr, SDL_MapRGB(pixels->format, 20, g, 90));
        SDL_UpdateWindowSurface(window);
    };
    RunYardstick(shade, draw);
    if (renderer) SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

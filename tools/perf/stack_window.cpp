// The least a program built on the game's stack can cost, for scripts/perf.sh:
// the floor's bare window (its own window surface, framebuffer acceleration
// off), but a C++ program that also starts SDL_ttf, draws one line of text in
// Liberation Sans and keeps one 800 x 600 picture, as any title screen of ours
// must. What the game costs beyond this is its own; what this costs beyond the
// floor comes with the libraries and the art every screen needs.
#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "yardstick_loop.h"

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("stack window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, 0);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888);
    TTF_Font* font = TTF_OpenFont("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", 18);
    if (!window || !picture || !font) return 1;
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 20, 40, 90));
    const std::string caption = "Spiel starten";
    int shade = 0;
    auto draw = [&] {
        SDL_Surface* pixels = SDL_GetWindowSurface(window);
        if (!pixels) return;
        SDL_BlitSurface(picture, nullptr, pixels, nullptr);
        const Uint8 g = static_cast<Uint8>(40 + shade);
        if (SDL_Surface* text = TTF_RenderUTF8_Blended(font, caption.c_str(), SDL_Color{200, g, 0, 255})) {
            SDL_Rect at{20, 540, 0, 0};
            SDL_BlitSurface(text, nullptr, pixels, &at);
            SDL_FreeSurface(text);
        }
        SDL_UpdateWindowSurface(window);
    };
    RunYardstick(shade, draw);
    TTF_CloseFont(font);
    SDL_FreeSurface(picture);
    SDL_DestroyWindow(window);
    TTF_Quit();
    SDL_Quit();
    return 0;
}

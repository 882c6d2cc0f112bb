// The yardstick for the game's start: the least an SDL2 program does to show something, a
// borderless window over the whole screen with its surface filled and shown. It stays until
// it is stopped.
#include <SDL.h>

int main(int, char**) {
    // The surface in plain memory, as the game has it: no GL context to set up.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return 1;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return 1;
    }
    SDL_Window* window =
        SDL_CreateWindow("bare", 0, 0, mode.w, mode.h, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
    if (surface == nullptr) {
        return 1;
    }
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 250, 250, 250));
    SDL_UpdateWindowSurface(window);
    for (SDL_Event e;;) {
        if (SDL_WaitEvent(&e) != 0 && e.type == SDL_QUIT) {
            break;
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

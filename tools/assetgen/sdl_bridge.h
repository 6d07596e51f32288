#pragma once
// Moving pictures between our Image and SDL surfaces: reading back what the
// game will load (SDL_LoadBMP, IMG_Load) and saving PNGs for looking at.
#include <string>

#include "canvas.h"

namespace assetgen {

// Loads a .bmp (SDL_LoadBMP) or anything SDL2_image reads (IMG_Load); alpha
// is composited over `under`. Returns false with a message on failure.
bool loadPicture(const std::string& path, Image& out, Rgb under, std::string& error);
bool savePng(const std::string& path, const Image& img, std::string& error);

}  // namespace assetgen

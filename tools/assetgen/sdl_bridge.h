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
// The same with a coverage of 0..1 per pixel (row by row) as the alpha channel.
bool savePng(const std::string& path, const Image& img, const std::vector<float>& alpha, std::string& error);

}  // namespace assetgen

#pragma once
// Whole pictures from and to files.
#include <string>

#include "platform/draw/surface.h"

namespace sd::platform {

// Loads a .bmp file. On failure returns an empty surface and, if error is
// given, a message that names the file and what is wrong with it.
Surface LoadBmp(const std::string& path, std::string* error = nullptr);
// False when the surface is empty or the file cannot be written.
bool SaveBmp(const Surface& picture, const std::string& path);
bool SavePng(const Surface& picture, const std::string& path);

}  // namespace sd::platform

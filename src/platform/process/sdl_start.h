#pragma once
// SDL's start, once per process: the drivers, the hints every part of the
// platform relies on, and its end at exit. Includes no SDL header.
#include <string>

namespace sd::platform::detail {

// Starts SDL's video and event subsystems once per process. Headless runs
// select the dummy drivers first. Returns false (error set) when SDL cannot start.
bool EnsureSdlVideo(bool headless, std::string* error);
bool IsHeadlessProcess();

}  // namespace sd::platform::detail

namespace sd::platform {

// Directory of the executable, without a trailing separator.
std::string ProgramDirectory();

}  // namespace sd::platform

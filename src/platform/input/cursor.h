#pragma once
// The program-wide mouse pointer, from .ico files.
#include <string>

struct SDL_Cursor;

namespace sd::platform {

// Where a pointer points. A .cur file carries its hot spot; an .ico cannot,
// so whoever knows what the picture shows says it.
enum class HotSpot { Centre, TopLeft };

class Pointer {
public:
    explicit Pointer(bool headless) : headless_(headless) {}
    ~Pointer();
    Pointer(const Pointer&) = delete;
    Pointer& operator=(const Pointer&) = delete;

    // The pointer from a .ico (or .cur) file; on failure it stays as it was
    // and error names the file.
    bool setFromIco(const std::string& path, std::string* error = nullptr, HotSpot spot = HotSpot::Centre);
    void setSystem();

private:
    bool headless_;
    SDL_Cursor* cursor_ = nullptr;
};

}  // namespace sd::platform

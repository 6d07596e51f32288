#include "platform/window/video_driver.h"

#include <string_view>

namespace sd::platform {

bool ShowsWindows(const char* videoDriver) {
    if (videoDriver == nullptr) return false;
    const std::string_view name = videoDriver;
    return name != "offscreen" && name != "dummy" && name != "evdev";
}

}  // namespace sd::platform

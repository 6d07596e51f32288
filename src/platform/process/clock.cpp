// The real clock and the local time of the virtual one.
#include "platform/process/clock.h"

#include <chrono>
#include <thread>

namespace sd::platform {

namespace {
using Steady = std::chrono::steady_clock;
const Steady::time_point g_start = Steady::now();
}  // namespace

double RealClock::seconds() {
    return std::chrono::duration<double>(Steady::now() - g_start).count();
}

uint32_t RealClock::tickCount() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));  // wraps like the system tick
}

void RealClock::sleepMs(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::tm RealClock::localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm result{};
    localtime_r(&now, &result);
    return result;
}

std::tm VirtualClock::localNow() {
    std::tm start = localStart_;
    if (!hasLocalStart_) {
        // A fixed afternoon, so that tests never depend on the real date.
        start = std::tm{};
        start.tm_year = 2024 - 1900;
        start.tm_mon = 4;
        start.tm_mday = 17;
        start.tm_hour = 14;
    }
    start.tm_isdst = -1;
    start.tm_sec += static_cast<int>(nowMs_ / 1000);  // normalised by mktime
    std::mktime(&start);
    return start;
}

}  // namespace sd::platform

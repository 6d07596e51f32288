#pragma once
// Time for the game: a monotonic clock with fractions of a second, a 32-bit
// millisecond tick counter, a sleep that processes no events, and local time.
// Tests use VirtualClock, whose sleep advances time at once.
#include <cstdint>
#include <ctime>

namespace sd::platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() = 0;            // monotonic, never set back
    virtual uint32_t tickCount() = 0;        // milliseconds, wraps after ~49.7 days
    virtual void sleepMs(uint32_t ms) = 0;   // no events are processed meanwhile
    virtual std::tm localNow() = 0;          // local date and time
    // True for the virtual clock: the event loop then advances it instead of blocking.
    virtual bool isVirtual() const { return false; }
    // Virtual clock only: let ms milliseconds pass.
    virtual void advanceMs(uint32_t ms) { (void)ms; }
};

class RealClock final : public Clock {
public:
    double seconds() override;
    uint32_t tickCount() override;
    void sleepMs(uint32_t ms) override;
    std::tm localNow() override;
};

class VirtualClock final : public Clock {
public:
    double seconds() override { return static_cast<double>(nowMs_) / 1000.0; }
    uint32_t tickCount() override { return static_cast<uint32_t>(tickBase_ + nowMs_); }
    void sleepMs(uint32_t ms) override { nowMs_ += ms; }
    std::tm localNow() override;
    bool isVirtual() const override { return true; }
    void advanceMs(uint32_t ms) override { nowMs_ += ms; }

    // Test helpers.
    uint64_t elapsedMs() const { return nowMs_; }
    void setTickBase(uint32_t base) { tickBase_ = base; }  // e.g. just before the wrap
    void setLocalStart(const std::tm& t) { localStart_ = t; hasLocalStart_ = true; }

private:
    uint64_t nowMs_ = 0;
    uint32_t tickBase_ = 1000;
    std::tm localStart_{};
    bool hasLocalStart_ = false;
};

}  // namespace sd::platform

#pragma once
// What the game screen still has to show, as a queue of steps: drawing and
// sounds, pauses between them, and waits for a click (the aiming dial, the
// victory panel). The event loop advances it when a pause is over or an event
// may have ended a wait; no step ever waits itself, so every handler returns
// at once and the window stays alive while a shot flies.
//
// A step may queue more steps: they are played right after it, before what
// was queued already, the way a routine calls another. Steps queued from
// outside a step (an event handler) go to the end.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace sd {

class ShowQueue {
public:
    // now: the game's monotonic clock in seconds.
    explicit ShowQueue(std::function<double()> now) : now_(std::move(now)) {}

    void Then(std::function<void()> step);
    // A pause of ms milliseconds, counted from when the step before it ends.
    void Pause(uint32_t ms);
    // A wait until done() is true; the handler that makes it true advances the queue.
    void Until(std::function<bool()> done);

    bool Empty() const { return beats_.empty() && (inserted_ == nullptr || inserted_->empty()); }
    // Forgets everything still queued (the screen is closing).
    void Clear();

    // Plays every step that is due. Returns the end of the pause it stopped
    // at; nullopt when it waits for a click or has nothing left.
    std::optional<double> Advance();

private:
    struct Beat {
        enum class Kind { Step, Pause, Until } kind = Kind::Step;
        std::function<void()> step;
        std::function<bool()> done;
        uint32_t ms = 0;
        std::optional<double> deadline;  // set when the pause begins
    };
    void Add(Beat b);

    std::function<double()> now_;
    std::deque<Beat> beats_;
    std::deque<Beat>* inserted_ = nullptr;  // what the running step queues
    bool advancing_ = false;
};

}  // namespace sd

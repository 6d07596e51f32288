#include "play/show_queue.h"

namespace sd {

void ShowQueue::Add(Beat b) {
    if (inserted_ != nullptr) {
        inserted_->push_back(std::move(b));
    } else {
        beats_.push_back(std::move(b));
    }
}

void ShowQueue::Then(std::function<void()> step) {
    Beat b;
    b.step = std::move(step);
    Add(std::move(b));
}

void ShowQueue::Pause(uint32_t ms) {
    Beat b;
    b.kind = Beat::Kind::Pause;
    b.ms = ms;
    Add(std::move(b));
}

void ShowQueue::Until(std::function<bool()> done) {
    Beat b;
    b.kind = Beat::Kind::Until;
    b.done = std::move(done);
    Add(std::move(b));
}

void ShowQueue::Clear() {
    beats_.clear();
    if (inserted_ != nullptr) inserted_->clear();
}

std::optional<double> ShowQueue::Advance() {
    // A step that makes an event loop run would come back here; the outer
    // call goes on with the queue.
    if (advancing_) return std::nullopt;
    advancing_ = true;
    std::optional<double> wakeAt;
    while (!beats_.empty()) {
        Beat& b = beats_.front();
        if (b.kind == Beat::Kind::Pause) {
            if (!b.deadline) b.deadline = now_() + b.ms / 1000.0;
            // Less than half a millisecond left is the deadline itself.
            if ((*b.deadline - now_()) * 1000.0 >= 0.5) {
                wakeAt = b.deadline;
                break;
            }
            beats_.pop_front();
            continue;
        }
        if (b.kind == Beat::Kind::Until) {
            if (!b.done()) break;
            beats_.pop_front();
            continue;
        }
        std::function<void()> step = std::move(b.step);
        beats_.pop_front();
        std::deque<Beat> inserted;
        inserted_ = &inserted;
        step();
        inserted_ = nullptr;
        beats_.insert(beats_.begin(), std::make_move_iterator(inserted.begin()), std::make_move_iterator(inserted.end()));
    }
    advancing_ = false;
    return wakeAt;
}

}  // namespace sd

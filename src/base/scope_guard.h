#pragma once
// Runs a piece of clean-up when the scope ends, however it ends (a return, a
// test's idle limit that throws): the one way the code undoes what a scope
// set up, instead of a small struct with a destructor at each place.
#include <utility>

namespace sd {

template <class F>
class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
};

// Counts a running handler or loop for as long as it runs.
inline auto Hold(int& counter) {
    ++counter;
    return ScopeExit([&counter] { --counter; });
}

}  // namespace sd

#pragma once
// What loading a data file found wrong. Loaders fill the model with something
// safe and return the problems; they show nothing. The screen that asked
// reports each message to the player and decides whether it can go on.
// Messages are Windows-1252 like every text of the game; a path (UTF-8 from the
// file system) or a value from a file goes in through message_text.h.
#include <string>
#include <vector>

namespace sd {

struct LoadResult {
    std::vector<std::string> problems;  // messages for the player, in the order found

    bool ok() const { return problems.empty(); }
    explicit operator bool() const { return ok(); }
    void add(std::string message) { problems.push_back(std::move(message)); }
};

}  // namespace sd

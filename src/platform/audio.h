#pragma once
// Wave playback. play() returns at once; a new sound cuts off the one playing.
// A missing or unplayable file plays a short built-in alert tone. No audio
// device at all: silence, the game goes on. The device is opened on the first
// play(), so a game started with sound off never opens one.
#include <string>
#include <vector>

namespace sd::platform {

class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

class AudioRecorder final : public AudioPlayer {
public:
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

}  // namespace sd::platform

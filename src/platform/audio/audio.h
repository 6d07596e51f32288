#pragma once
// Wave playback. play() returns at once; a new sound cuts off the one playing.
// A missing or unplayable file plays a short built-in alert tone. No audio
// device at all: silence, the game goes on. The device is opened on the first
// play(), so a game started with sound off never opens one.
#include <memory>
#include <functional>
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
    void play(const std::string& path) override {
        played.push_back(path);
        if (onPlay) onPlay(path);
    }
    std::vector<std::string> played;
    std::function<void(const std::string&)> onPlay;  // sees the moment a sound starts
};

// The platform's own player (SDL_mixer): one channel, chunks cached by path.
class SdlAudioPlayer final : public AudioPlayer {
public:
    SdlAudioPlayer();
    ~SdlAudioPlayer() override;
    SdlAudioPlayer(const SdlAudioPlayer&) = delete;
    SdlAudioPlayer& operator=(const SdlAudioPlayer&) = delete;

    void play(const std::string& path) override;

    // For tests: whether the device was ever opened, whether opening it failed
    // (it is then never tried again), and whether the last play() fell back to
    // the alert tone.
    bool deviceOpened() const;
    bool deviceFailed() const;
    bool lastPlayedWasAlert() const;
    int playCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sd::platform

// Wave playback through SDL_mixer: one channel, so a new sound cuts off the
// one still playing, like the classic asynchronous wave player.
#include <SDL.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "platform/audio/audio.h"
#include "platform/audio/mixer_library.h"
#include "platform/files/file_guard.h"

namespace sd::platform {

struct SdlAudioPlayer::Impl {
    bool opened = false;
    bool failed = false;
    bool lastWasAlert = false;
    int plays = 0;
    const detail::MixerLibrary* mix = nullptr;
    std::map<std::string, Mix_Chunk*> chunks;  // null: the file could not be played
    std::vector<int16_t> alertSamples;
    Mix_Chunk* alert = nullptr;

    bool open();
    Mix_Chunk* alertChunk();
    void close();
};

bool SdlAudioPlayer::Impl::open() {
    if (opened) return true;
    if (failed) return false;  // tried once; no device means silence for the run
    mix = detail::Mixer();
    if (!mix || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failed = true;
        return false;
    }
    if (mix->OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        failed = true;
        return false;
    }
    mix->AllocateChannels(1);
    opened = true;
    return true;
}

// About 150 ms of an 880 Hz beep with soft edges, in the device's format.
Mix_Chunk* SdlAudioPlayer::Impl::alertChunk() {
    if (alert) return alert;
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!mix->QuerySpec(&rate, &format, &channels) || rate <= 0 || channels <= 0) return nullptr;
    const int frames = rate * 150 / 1000;
    const int edge = rate * 5 / 1000;
    alertSamples.assign(static_cast<size_t>(frames) * channels, 0);
    for (int i = 0; i < frames; ++i) {
        double env = 1.0;
        if (i < edge) env = static_cast<double>(i) / edge;
        if (frames - 1 - i < edge) env = static_cast<double>(frames - 1 - i) / edge;
        const double v = std::sin(2.0 * 3.141592653589793 * 880.0 * i / rate) * env * 0.35 * 32767.0;
        for (int c = 0; c < channels; ++c) alertSamples[static_cast<size_t>(i) * channels + c] = static_cast<int16_t>(v);
    }
    alert = mix->QuickLoad_RAW(reinterpret_cast<Uint8*>(alertSamples.data()),
                              static_cast<Uint32>(alertSamples.size() * sizeof(int16_t)));
    return alert;
}

void SdlAudioPlayer::Impl::close() {
    if (!opened) return;
    mix->HaltChannel(-1);
    for (auto& [path, chunk] : chunks)
        if (chunk) mix->FreeChunk(chunk);
    chunks.clear();
    if (alert) mix->FreeChunk(alert);
    alert = nullptr;
    mix->CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    opened = false;
}

SdlAudioPlayer::SdlAudioPlayer() : impl_(std::make_unique<Impl>()) {}
SdlAudioPlayer::~SdlAudioPlayer() { impl_->close(); }

void SdlAudioPlayer::play(const std::string& path) {
    Impl& m = *impl_;
    if (!m.open()) return;
    ++m.plays;
    Mix_Chunk* chunk = nullptr;
    if (auto it = m.chunks.find(path); it != m.chunks.end()) {
        chunk = it->second;
    } else {
        // Looked at before it is decoded (file_guard.h); a refused file plays
        // the alert tone like a missing one.
        std::string file;
        if (detail::ReadFileHead(path, detail::kMaxSoundFileBytes, file) && detail::WaveFileProblem(file).empty()) {
            chunk = m.mix->LoadWAV_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
        }
        m.chunks.emplace(path, chunk);  // a failed file is remembered and not read again
    }
    m.lastWasAlert = chunk == nullptr;
    if (!chunk) chunk = m.alertChunk();
    if (chunk) m.mix->PlayChannelTimed(0, chunk, 0, -1);  // channel 0 busy: the old sound stops
}

bool SdlAudioPlayer::deviceOpened() const { return impl_->opened; }
bool SdlAudioPlayer::deviceFailed() const { return impl_->failed; }
bool SdlAudioPlayer::lastPlayedWasAlert() const { return impl_->lastWasAlert; }
int SdlAudioPlayer::playCount() const { return impl_->plays; }

}  // namespace sd::platform

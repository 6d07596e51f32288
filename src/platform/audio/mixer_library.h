#pragma once
// SDL_mixer, loaded when the first sound plays rather than when the program
// starts: with its codecs it is most of the libraries the game would map, and
// a game started with sound off (or that never plays) needs none of them.
#include <SDL_mixer.h>

namespace sd::platform::detail {

struct MixerLibrary {
    decltype(&Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&Mix_AllocateChannels) AllocateChannels = nullptr;
    decltype(&Mix_QuerySpec) QuerySpec = nullptr;
    decltype(&Mix_QuickLoad_RAW) QuickLoad_RAW = nullptr;
    decltype(&Mix_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&Mix_FreeChunk) FreeChunk = nullptr;
    decltype(&Mix_PlayChannelTimed) PlayChannelTimed = nullptr;
    decltype(&Mix_HaltChannel) HaltChannel = nullptr;
};

// The library, loaded on the first call (and kept until the process ends);
// null when it cannot be loaded: the game then stays silent.
const MixerLibrary* Mixer();

}  // namespace sd::platform::detail

#include "platform/audio/mixer_library.h"

#include <dlfcn.h>

namespace sd::platform::detail {

namespace {

template <class F>
bool Find(void* lib, const char* name, F& f) {
    f = reinterpret_cast<F>(dlsym(lib, name));
    return f != nullptr;
}

MixerLibrary Load(bool& ok) {
    MixerLibrary m;
    ok = false;
    void* lib = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return m;
    ok = Find(lib, "Mix_OpenAudio", m.OpenAudio) && Find(lib, "Mix_CloseAudio", m.CloseAudio) &&
         Find(lib, "Mix_AllocateChannels", m.AllocateChannels) && Find(lib, "Mix_QuerySpec", m.QuerySpec) &&
         Find(lib, "Mix_QuickLoad_RAW", m.QuickLoad_RAW) && Find(lib, "Mix_LoadWAV_RW", m.LoadWAV_RW) &&
         Find(lib, "Mix_FreeChunk", m.FreeChunk) && Find(lib, "Mix_PlayChannelTimed", m.PlayChannelTimed) &&
         Find(lib, "Mix_HaltChannel", m.HaltChannel);
    return m;
}

}  // namespace

const MixerLibrary* Mixer() {
    static bool ok = false;
    static const MixerLibrary mixer = Load(ok);
    return ok ? &mixer : nullptr;
}

}  // namespace sd::platform::detail

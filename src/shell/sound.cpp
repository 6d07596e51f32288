// ModSound: the sound table and the one routine that plays a sound by number.
#include "shell/sound.h"

#include <cstdio>

#include "data/context.h"
#include "platform/platform.h"

namespace sd {

void LoadSoundNames(Context& ctx) {
    for (int16_t i = 0; i < 16; ++i) {
        char file[32];
        std::snprintf(file, sizeof file, "fx/%03d.wav", i + 1);
        SetSoundName(ctx, ctx.path(file), i);
    }
}

void SetSoundName(Context& ctx, const std::string& path, int16_t index) {
    // A negative index has no place in the table; storing it would write
    // outside it, so it is ignored.
    if (index < 0) return;
    const size_t slot = static_cast<size_t>(index);
    // Index 0 starts the table afresh (one entry); a store past the last one
    // grows it. Entries that still fit are kept.
    if (index == 0 || index > ctx.SoundLastIndex || slot >= ctx.SoundFiles.size()) ctx.SoundFiles.resize(slot + 1);
    ctx.SoundLastIndex = index;
    ctx.SoundFiles[slot] = path;
}

void PlaySoundEffect(Context& ctx, int16_t index, int16_t flags) {
    // Flags 1 (asynchronous, cutting off the sound playing) is what the
    // platform's player always does.
    (void)flags;
    if (!ctx.SoundOn) return;
    if (index < 0 || static_cast<size_t>(index) >= ctx.SoundFiles.size()) return;
    if (ctx.platform) ctx.platform->audio().play(ctx.SoundFiles[static_cast<size_t>(index)]);
}

}  // namespace sd

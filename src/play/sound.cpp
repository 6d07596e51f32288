// ModSound: the sound table and the one routine that plays a sound by number.
#include "play/sound.h"

#include <cstdio>

#include "data/context.h"
#include "platform/audio/audio.h"
#include "platform/input/platform.h"

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
    if (index < 0 || ctx.sounds == nullptr) return;
    SoundTable& t = *ctx.sounds;
    const size_t slot = static_cast<size_t>(index);
    // Index 0 starts the table afresh (one entry); a store past the last one
    // grows it. Entries that still fit are kept.
    if (index == 0 || index > t.SoundLastIndex || slot >= t.SoundFiles.size()) t.SoundFiles.resize(slot + 1);
    t.SoundLastIndex = index;
    t.SoundFiles[slot] = path;
}

void PlaySoundEffect(Context& ctx, int16_t index) {
    if (!ctx.SoundOn || ctx.sounds == nullptr) return;
    const std::vector<std::string>& files = ctx.sounds->SoundFiles;
    if (index < 0 || static_cast<size_t>(index) >= files.size()) return;
    // The platform's player always plays asynchronously and cuts off the
    // sound still playing: one channel, as the effects were made for.
    if (ctx.platform) ctx.platform->audio().play(files[static_cast<size_t>(index)]);
}

}  // namespace sd

#pragma once
#include <cstdint>
#include <string>

namespace sd {
struct Context;

// Binds sounds 0..15 to fx/001.wav .. fx/016.wav under the program directory.
void LoadSoundNames(Context& ctx);
// Stores one path in the sound table (with the table's resizing rule).
void SetSoundName(Context& ctx, const std::string& path, int16_t index);
// Plays sound index asynchronously, cutting off the one playing; does nothing
// while the sound is off. Every caller passes flags 1.
void PlaySoundEffect(Context& ctx, int16_t index, int16_t flags);

}  // namespace sd

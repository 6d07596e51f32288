#pragma once
// ModSound: the sixteen effects of the game, bound once to fx/001.wav ..
// fx/016.wav and played by number. Callers name the effect; the table below
// maps each name to the number of its file.
#include <cstdint>
#include <string>
#include <vector>

namespace sd {
struct Context;

// The sound table of the run: full paths indexed from 0, and the index of the
// last store (the table's resizing rule depends on it).
struct SoundTable {
    std::vector<std::string> SoundFiles;
    int16_t SoundLastIndex = 0;
};

// Every effect by what it means; the value is its number in the table.
enum class Sfx : int16_t {
    MenuClick = 0,       // title menu and information panel; exit screen "back"
    ButtonClick = 1,     // world preview, command buttons; exit screen "leave"
    Select = 2,          // a thing is selected on the board
    Deselect = 3,        // the selection is dropped
    Destroyed = 4,       // a thing is destroyed
    PlasmaLaunch = 5,    // the plasma ball leaves its cell
    BeamStrikes = 6,     // the beam is on its target
    Unused = 7,          // bound, but nothing plays it
    MoveRefused = 8,     // a move the thing cannot make
    WeaponBeam = 9,      // weapon switched to the beam
    WeaponPlasma = 10,   // weapon switched to the plasma shot
    Explosion = 11,      // the explosion's bang
    ShotBegins = 12,     // a shot starts
    OutOfRange = 13,     // the beam target is too far
    NotEnough = 14,      // no plasma charge or energy left for the shot
    Strike = 15,         // a projectile strikes; the beam ends
};

// Binds sounds 0..15 to fx/001.wav .. fx/016.wav under the program directory.
void LoadSoundNames(Context& ctx);
// Stores one path in the sound table (with the table's resizing rule).
void SetSoundName(Context& ctx, const std::string& path, int16_t index);
// Plays sound index asynchronously, cutting off the one playing; does nothing
// while the sound is off or without a sound table.
void PlaySoundEffect(Context& ctx, int16_t index);
inline void PlaySoundEffect(Context& ctx, Sfx effect) { PlaySoundEffect(ctx, static_cast<int16_t>(effect)); }

}  // namespace sd

// libFuzzer target for the sounds fx/001.wav to fx/016.wav: the input goes
// the way SdlAudioPlayer::play loads a file it has read: the platform's look
// at the file (WaveFileProblem), then SDL_mixer's Mix_LoadWAV_RW from memory,
// with the device opened in the player's format on the dummy audio driver, so
// the conversion to it runs too. A sound must come back as a chunk or an
// error, quickly and without eating memory.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/files/file_guard.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::UseDummyDrivers();
    // The format of SdlAudioPlayer's device.
    if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        std::abort();
    }
    Mix_AllocateChannels(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    if (const std::string wrong = sd::platform::detail::WaveFileProblem(file); !wrong.empty()) {
        fuzz::Outcomes::text(wrong);
        return 0;
    }
    SDL_ClearError();
    SDL_RWops* source = SDL_RWFromConstMem(data, static_cast<int>(size));
    fuzz::Require(source != nullptr);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (chunk == nullptr) {
        fuzz::Outcomes::text(Mix_GetError());
        return 0;
    }
    // Converted to 16-bit stereo: whole frames of 4 bytes. At most 1 MB of at
    // least 8000 Hz, at most 2 samples a byte (4-bit ADPCM), stretched to
    // 44100 Hz: some 44 MB.
    fuzz::Require(chunk->alen % 4 == 0);
    fuzz::Require(chunk->alen <= (64u << 20));
    fuzz::Outcomes::shape(1, fuzz::Outcomes::sizeClass(chunk->alen));
    Mix_FreeChunk(chunk);
    return 0;
}

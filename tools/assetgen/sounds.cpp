#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "canvas.h"

namespace assetgen {
namespace {

constexpr float kTwoPi = 6.2831853f;

using Buffer = std::vector<float>;

Buffer silence(float seconds) { return Buffer(static_cast<size_t>(seconds * kSampleRate), 0.0f); }

// Adds a tone whose frequency and loudness follow the given curves over t in [0, 1].
// wave: 0 sine, 1 soft square, 2 saw.
void tone(Buffer& b, float start, float seconds, const std::function<float(float)>& freq,
          const std::function<float(float)>& amp, int wave = 0) {
    size_t s0 = static_cast<size_t>(start * kSampleRate), n = static_cast<size_t>(seconds * kSampleRate);
    float phase = 0;
    for (size_t i = 0; i < n && s0 + i < b.size(); ++i) {
        float t = static_cast<float>(i) / n;
        phase += freq(t) / kSampleRate;
        phase -= std::floor(phase);
        float v;
        if (wave == 0) v = std::sin(kTwoPi * phase);
        else if (wave == 1) v = std::tanh(4 * std::sin(kTwoPi * phase)) * 0.7f;
        else v = 2 * phase - 1;
        b[s0 + i] += v * amp(t);
    }
}

// Adds filtered noise; cutoff (Hz) may change over time.
void noise(Buffer& b, float start, float seconds, const std::function<float(float)>& cutoff,
           const std::function<float(float)>& amp, uint64_t seed) {
    Rng rng(seed);
    size_t s0 = static_cast<size_t>(start * kSampleRate), n = static_cast<size_t>(seconds * kSampleRate);
    float low = 0, low2 = 0;
    for (size_t i = 0; i < n && s0 + i < b.size(); ++i) {
        float t = static_cast<float>(i) / n;
        float k = 1 - std::exp(-kTwoPi * cutoff(t) / kSampleRate);
        low += k * (rng.range(-1, 1) - low);
        low2 += k * (low - low2);
        b[s0 + i] += low2 * amp(t) * 2.5f;
    }
}

float decay(float t, float rate) { return std::exp(-rate * t); }
float attackDecay(float t, float attack, float rate) { return t < attack ? t / attack : std::exp(-rate * (t - attack)); }

// Peak to 0.8 of full scale, short fades at both ends so nothing clicks.
std::vector<int16_t> finish(Buffer b) {
    float peak = 0;
    for (float v : b) peak = std::max(peak, std::fabs(v));
    float gain = peak > 0 ? 0.8f / peak : 0;
    size_t fadeIn = std::min(b.size() / 4, static_cast<size_t>(0.003f * kSampleRate));
    size_t fadeOut = std::min(b.size() / 4, static_cast<size_t>(0.012f * kSampleRate));
    std::vector<int16_t> out(b.size());
    for (size_t i = 0; i < b.size(); ++i) {
        float g = gain;
        if (i < fadeIn) g *= static_cast<float>(i) / fadeIn;
        if (i >= b.size() - fadeOut) g *= static_cast<float>(b.size() - 1 - i) / fadeOut;
        out[i] = static_cast<int16_t>(std::lround(std::clamp(b[i] * g, -1.0f, 1.0f) * 32767.0f));
    }
    return out;
}

}  // namespace

std::vector<int16_t> makeSound(int number) {
    Buffer b;
    switch (number) {
        case 1:  // menu click: a bright tick
            b = silence(0.07f);
            tone(b, 0, 0.07f, [](float) { return 1250.0f; }, [](float t) { return decay(t, 9); });
            noise(b, 0, 0.02f, [](float) { return 6000.0f; }, [](float t) { return 0.4f * decay(t, 6); }, 1);
            break;
        case 2:  // button click: two quick falling ticks
            b = silence(0.06f);
            tone(b, 0, 0.03f, [](float) { return 950.0f; }, [](float t) { return decay(t, 5); }, 1);
            tone(b, 0.025f, 0.035f, [](float) { return 620.0f; }, [](float t) { return 0.8f * decay(t, 5); }, 1);
            break;
        case 3:  // select: rising blip
            b = silence(0.16f);
            tone(b, 0, 0.16f, [](float t) { return 500 + 800 * t; }, [](float t) { return attackDecay(t, 0.1f, 3); });
            tone(b, 0, 0.16f, [](float t) { return 1000 + 1600 * t; }, [](float t) { return 0.25f * attackDecay(t, 0.1f, 4); });
            break;
        case 4:  // deselect: falling blip
            b = silence(0.16f);
            tone(b, 0, 0.16f, [](float t) { return 1150 - 700 * t; }, [](float t) { return attackDecay(t, 0.1f, 3); });
            tone(b, 0, 0.16f, [](float t) { return 2300 - 1400 * t; }, [](float t) { return 0.2f * attackDecay(t, 0.1f, 4); });
            break;
        case 5:  // a thing destroyed: low boom
            b = silence(0.9f);
            tone(b, 0, 0.9f, [](float t) { return 70 - 38 * t; }, [](float t) { return attackDecay(t, 0.02f, 5); });
            noise(b, 0, 0.9f, [](float t) { return 900 * decay(t, 3) + 120; }, [](float t) { return attackDecay(t, 0.01f, 4.5f); }, 5);
            break;
        case 6:  // plasma launch: whoosh with a rising tone
            b = silence(0.6f);
            noise(b, 0, 0.6f, [](float t) { return 400 + 3000 * std::sin(3.1416f * t); },
                  [](float t) { return std::sin(3.1416f * std::pow(t, 0.7f)); }, 6);
            tone(b, 0, 0.6f, [](float t) { return 220 + 520 * t; }, [](float t) { return 0.3f * std::sin(3.1416f * t); }, 2);
            break;
        case 7:  // firing: zap
            b = silence(0.35f);
            tone(b, 0, 0.35f, [](float t) { return 2100 * decay(t, 5) + 180 + 60 * std::sin(t * 90); },
                 [](float t) { return attackDecay(t, 0.02f, 6); }, 2);
            break;
        case 8:  // soft chime (kept for completeness)
            b = silence(0.8f);
            for (auto [f, a] : {std::pair{880.0f, 1.0f}, {1320.0f, 0.5f}, {1760.0f, 0.3f}})
                tone(b, 0, 0.8f, [f](float) { return f; }, [a](float t) { return a * attackDecay(t, 0.01f, 5); });
            break;
        case 9:  // move refused: buzz
            b = silence(0.25f);
            tone(b, 0, 0.25f, [](float) { return 110.0f; }, [](float t) { return attackDecay(t, 0.05f, 2); }, 1);
            tone(b, 0, 0.25f, [](float) { return 116.0f; }, [](float t) { return 0.8f * attackDecay(t, 0.05f, 2); }, 1);
            break;
        case 10:  // weapon switch, upwards
        case 11:  // weapon switch, downwards
        {
            b = silence(0.09f);
            float f1 = number == 10 ? 700.0f : 1050.0f, f2 = number == 10 ? 1050.0f : 700.0f;
            tone(b, 0, 0.035f, [f1](float) { return f1; }, [](float t) { return decay(t, 5); }, 1);
            tone(b, 0.045f, 0.04f, [f2](float) { return f2; }, [](float t) { return decay(t, 5); }, 1);
            break;
        }
        case 12:  // explosion: long rumble with crackle
            b = silence(1.2f);
            noise(b, 0, 1.2f, [](float t) { return 1800 * decay(t, 4) + 90; }, [](float t) { return attackDecay(t, 0.015f, 3.2f); }, 12);
            noise(b, 0.05f, 0.6f, [](float) { return 5000.0f; },
                  [](float t) { return 0.25f * decay(t, 5) * (std::sin(t * 170) > 0.6f ? 1.0f : 0.15f); }, 13);
            tone(b, 0, 1.2f, [](float t) { return 55 - 20 * t; }, [](float t) { return 0.6f * attackDecay(t, 0.03f, 3); });
            break;
        case 13:  // a shot starts: charging hum
            b = silence(0.8f);
            tone(b, 0, 0.8f, [](float t) { return 90 + 160 * t * t; },
                 [](float t) { return std::min(1.0f, t * 1.6f) * (0.8f + 0.2f * std::sin(t * 60)); }, 2);
            tone(b, 0, 0.8f, [](float t) { return 180 + 320 * t * t; }, [](float t) { return 0.4f * t; });
            break;
        case 14:  // beam target out of range: double low beep
            b = silence(0.36f);
            tone(b, 0, 0.12f, [](float) { return 240.0f; }, [](float t) { return attackDecay(t, 0.05f, 1.5f); }, 1);
            tone(b, 0.19f, 0.12f, [](float) { return 200.0f; }, [](float t) { return attackDecay(t, 0.05f, 1.5f); }, 1);
            break;
        case 15:  // shot refused: short buzz
            b = silence(0.15f);
            tone(b, 0, 0.15f, [](float) { return 90.0f; }, [](float t) { return attackDecay(t, 0.05f, 2); }, 1);
            tone(b, 0, 0.15f, [](float) { return 135.0f; }, [](float t) { return 0.5f * attackDecay(t, 0.05f, 2); }, 1);
            break;
        case 16:  // strike: thump
        default:
            b = silence(0.3f);
            tone(b, 0, 0.3f, [](float t) { return 130 * decay(t, 4) + 40; }, [](float t) { return attackDecay(t, 0.01f, 8); });
            noise(b, 0, 0.05f, [](float) { return 2500.0f; }, [](float t) { return 0.5f * decay(t, 6); }, 16);
            break;
    }
    return finish(b);
}

}  // namespace assetgen

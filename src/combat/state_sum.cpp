#include "combat/state_sum.h"

namespace sd::net {

namespace {

// FNV-1a, fed 16-bit values.
class Fnv {
public:
    void add(int16_t v) {
        const auto u = static_cast<uint16_t>(v);
        byte(static_cast<uint8_t>(u));
        byte(static_cast<uint8_t>(u >> 8));
    }
    uint32_t sum = 2166136261u;

private:
    void byte(uint8_t b) {
        sum ^= b;
        sum *= 16777619u;
    }
};

}  // namespace

uint32_t StateSum(const WorldRecord& w, const GameStateRecord& s) {
    Fnv f;
    for (const int16_t v : {s.SelectedX, s.SelectedY, s.CurrentPlayer, s.TurnCounter, s.Winner}) f.add(v);
    f.add(w.Thing_counter);
    for (int n = 1; n <= w.Thing_counter; ++n) {
        const Thing& t = w.thing(n);
        for (const int16_t v : {t.Energie, t.Plasma, t.Schild, t.Besitzer, static_cast<int16_t>(t.Weapon)}) f.add(v);
    }
    for (int x = 0; x <= w.CellMap.maxX(); ++x) {
        for (int y = 0; y <= w.CellMap.maxY(); ++y) f.add(w.CellMap(x, y));
    }
    return f.sum;
}

}  // namespace sd::net

// libFuzzer target for the data files: the input, parsed once, is used as
// worlds.dat and as settings.dat. Besides crashes it checks that the loaders
// always leave a model the game can use safely and messages it can show.
// Everything runs in memory; that reading from disk gives the same results is
// a unit test (IniFileOnDisk).
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/ini_file.h"
#include "data/settings_file.h"
#include "data/world_file.h"
#include "fuzz/fuzz_support.h"

namespace {

using fuzz::Require;

void CheckWorld(const sd::WorldRecord& w) {
    Require(w.Thing_counter >= 0);
    Require(w.Things.size() == static_cast<size_t>(w.Thing_counter) + 1);
    Require(w.CellMap.maxX() == w.Raster_max_x && w.CellMap.maxY() == w.Raster_max_y);
    for (int x = 0; x <= w.CellMap.maxX(); ++x) {
        for (int y = 0; y <= w.CellMap.maxY(); ++y) {
            const int16_t n = w.CellMap(x, y);
            Require(n >= 0 && n <= w.Thing_counter && n <= 27);
        }
    }
    const sd::Thing& zero = w.thing(0);
    Require(zero.Text.empty() && zero.Besitzer == 0 && zero.Grav == 0.0);
}

// A message reaches a C string box and a terminal: no byte below 32 may cut or
// break it.
void CheckMessages(const sd::LoadResult& r) {
    for (const std::string& m : r.problems) {
        Require(!m.empty());
        for (const char c : m) Require(static_cast<unsigned char>(c) >= 0x20);
    }
}

// The world to load: the number after the input's first "[World", so that the
// fuzzer steers it; 0 without one.
int16_t WorldNumber(std::string_view data) {
    const size_t at = data.find("[World");
    if (at == std::string_view::npos) return 0;
    int n = 0;
    bool negative = false;
    size_t i = at + 6;
    if (i < data.size() && data[i] == '-') negative = true, ++i;
    for (; i < data.size() && data[i] >= '0' && data[i] <= '9' && n < 100000; ++i) n = n * 10 + (data[i] - '0');
    n = negative ? -n : n;
    return static_cast<int16_t>(n < INT16_MIN ? INT16_MIN : n > INT16_MAX ? INT16_MAX : n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const sd::IniFile ini = sd::IniFile::parse(data);
    Require(ini.exists());
    for (const char* section : {"Global", "World0", "Colors"}) {
        for (const char* key : {"Raster_x", "1", "Counter"}) Require(ini.find(section, key).size() <= sd::kIniValueMax);
    }

    sd::Context ctx;
    const sd::LoadResult world = sd::LoadWorld(ctx, ini, WorldNumber(data));
    CheckWorld(ctx.World);
    // A refusal is reported exactly once; a success silently.
    Require(world.problems.size() <= 1);
    CheckMessages(world);

    const sd::LoadResult settings = sd::LoadSettings(ctx, ini);
    CheckMessages(settings);
    Require(ctx.ColorTable.size() >= 6);
    const sd::ColorEntry& last = ctx.ColorTable.back();
    Require(last.R == 0 && last.G == 0 && last.B == 0);
    for (const sd::ColorEntry& c : ctx.ColorTable) {
        Require(c.R >= 0 && c.R <= 255 && c.G >= 0 && c.G <= 255 && c.B >= 0 && c.B <= 255);
    }
    return 0;
}

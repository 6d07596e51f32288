// libFuzzer target for the data loaders: the input is used as both worlds.dat
// and settings.dat. Besides crashes and sanitizer reports it checks that the
// loaders always leave a model the game can use safely.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/ini_file.h"
#include "data/settings_file.h"
#include "data/world_file.h"

namespace {

const std::string& TempDir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/sd_fuzz_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr) std::abort();
        return std::string(made);
    }();
    return dir;
}

void WriteFile(const std::string& path, std::string_view data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);

    // Lookups from memory and from the file must agree.
    const sd::IniFile parsed = sd::IniFile::parse(data);
    const std::string dir = TempDir();
    WriteFile(dir + "/worlds.dat", data);
    WriteFile(dir + "/settings.dat", data);
    const sd::IniFile loaded = sd::IniFile::load(dir + "/worlds.dat");
    for (const char* section : {"Global", "Thing_Type", "World0", "Colors", ""}) {
        for (const char* key : {"Raster_x", "Thing_counter", "1", "Name", "Counter", "0R", "1_Text", ""}) {
            const std::string v = parsed.value(section, key);
            Require(v.size() <= sd::kIniValueMax);
            Require(v == loaded.value(section, key));
        }
    }

    sd::Context ctx;
    ctx.programDir = dir;
    for (int16_t n : {0, 3, 9}) {
        const sd::LoadResult r = sd::LoadWorld(ctx, n);
        CheckWorld(ctx.World);
        // A refusal is reported exactly once; a success silently.
        Require(r.problems.size() <= 1);
    }
    const sd::LoadResult settings = sd::LoadSettings(ctx);
    (void)settings;
    Require(ctx.ColorTable.size() >= 6);
    const sd::ColorEntry& last = ctx.ColorTable.back();
    Require(last.R == 0 && last.G == 0 && last.B == 0);
    for (const sd::ColorEntry& c : ctx.ColorTable) Require(c.R >= 0 && c.R <= 255 && c.G >= 0 && c.G <= 255 && c.B >= 0 && c.B <= 255);
    return 0;
}

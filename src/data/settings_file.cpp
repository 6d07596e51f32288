// settings.dat: the colour table.
#include "data/settings_file.h"

#include <string>

#include "data/context.h"
#include "data/data_file_check.h"
#include "data/ini_file.h"
#include "data/number_text.h"
#include "base/rounding.h"

namespace sd {

namespace {

constexpr const char* kFile = "settings.dat";
constexpr const char* kSection = "Colors";
// The game draws with entries 0 to 4 (grid, hover, selection, reach, blink).
constexpr int kColorsUsed = 5;

// What the table holds after a refusal: black entries for every colour the
// game uses and the closing one, so no drawing code reads past the end.
std::vector<ColorEntry> SafeColorTable() { return std::vector<ColorEntry>(kColorsUsed + 1); }

// One part of a colour: integer text, kept within 0 to 255; empty gives 0.
int16_t ColorPart(const IniFile& ini, const std::string& key, DataFileCheck& check) {
    const std::string text = ini.value(kSection, key);
    if (text.empty() || check.failed()) return 0;
    const std::optional<double> v = IntegerTextValue(text);
    if (!v) {
        check.fail(kSection, key, text, kNotAnInteger);
        return 0;
    }
    // A part beyond the colour range is taken at the nearest end of it: a
    // hand-edited 300 means "full", and refusing the whole file for it would
    // stop the game over a shade.
    const double r = RoundEven(*v);
    if (r < 0) return 0;
    if (r > 255) return 255;
    return static_cast<int16_t>(r);
}

}  // namespace

LoadResult LoadSettings(Context& ctx) {
    LoadResult result;
    const IniFile ini = IniFile::load(ctx.path(kFile));
    DataFileCheck check(kFile);

    std::string countText;
    const int16_t count = check.integerText(ini, kSection, "Counter", 0, &countText);
    if (!ini.exists()) result.add("DAT-Dateien nicht vorhanden!");
    if (!check.failed()) {
        if (count < 0) {
            check.fail(kSection, "Counter", countText, kNegative);
        } else if (count == 0) {
            check.fail("Fehler beim Lesen der INI-Dateien");
        } else if (count < kColorsUsed) {
            check.fail(std::string(kFile) + ", [Colors] Counter = \"" + countText +
                       "\": die Farben 0 bis 4 werden gebraucht");
        }
    }
    if (check.failed()) {
        result.add(check.problem());
        ctx.ColorTable = SafeColorTable();
        return result;
    }

    // Entries 0 to count; the last one is never read and stays black.
    std::vector<ColorEntry> table(static_cast<size_t>(count) + 1);
    for (int c = 0; c < count && !check.failed(); ++c) {
        ColorEntry& e = table[static_cast<size_t>(c)];
        e.R = ColorPart(ini, std::to_string(c) + "R", check);
        e.G = ColorPart(ini, std::to_string(c) + "G", check);
        e.B = ColorPart(ini, std::to_string(c) + "B", check);
    }
    if (check.failed()) {
        result.add(check.problem());
        ctx.ColorTable = SafeColorTable();
        return result;
    }
    ctx.ColorTable = std::move(table);
    return result;
}

}  // namespace sd

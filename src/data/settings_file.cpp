// settings.dat: the colour table.
#include "data/settings_file.h"

#include <string>

#include "data/context.h"
#include "data/data_file_check.h"
#include "data/data_file_read.h"
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
int16_t ColorPart(const IniFile& ini, std::string_view key, DataFileCheck& check) {
    const std::string_view text = ini.find(kSection, key);
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

constexpr const char* kReadError = "Fehler beim Lesen der INI-Dateien: ";

}  // namespace

LoadResult LoadSettings(Context& ctx) { return LoadSettings(ctx, IniFile::load(ctx.path(kFile))); }

LoadResult LoadSettings(Context& ctx, const IniFile& settings) {
    LoadResult result;
    if (!settings.exists()) {
        result.add(ReadProblemText(settings.path(), settings.status()));
        // A missing file also leaves the count at 0, which is a problem of its
        // own; a file refused for another reason has said all there is.
        if (settings.status().fault == ReadFault::Missing) {
            result.add(std::string(kReadError) + kFile + ", [Colors] Counter fehlt");
        }
        ctx.ColorTable = SafeColorTable();
        return result;
    }

    DataFileCheck check(kFile);
    std::string_view countText;
    const int16_t count = check.integerText(settings, kSection, "Counter", 0, &countText);
    if (!check.failed()) {
        if (count < 0) {
            check.fail(kSection, "Counter", countText, kNegative);
        } else if (count == 0 && countText.empty()) {
            check.fail(std::string(kReadError) + kFile + ", [Colors] Counter fehlt");
        } else if (count == 0) {
            check.fail(std::string(kReadError) + ValueProblemText(kFile, kSection, "Counter", countText, "keine Farben"));
        } else if (count < kColorsUsed) {
            check.fail(ValueProblemText(kFile, kSection, "Counter", countText, "die Farben 0 bis 4 werden gebraucht"));
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
        e.R = ColorPart(settings, NumberedKey(c, "R"), check);
        e.G = ColorPart(settings, NumberedKey(c, "G"), check);
        e.B = ColorPart(settings, NumberedKey(c, "B"), check);
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

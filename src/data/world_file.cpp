// worlds.dat: board geometry, rule constants, the things and the worlds.
//
// The file is read once into memory and checked before the model is replaced.
// A world the game could not play safely is refused with one message (the
// first problem found) and the model gets a small empty world instead:
//  - numbers that are not numbers, or that do not fit 16 bits;
//  - fewer than one column or row, cells smaller than one pixel, movement
//    that costs no energy, a negative thing count;
//  - a board that does not fit the screen (see CheckBoard);
//  - a thing in a cell outside the cell map, or a number that names no thing
//    or has no image.
#include "data/world_file.h"

#include <string>
#include <string_view>
#include <utility>

#include "base/layout.h"
#include "data/context.h"
#include "data/data_file_check.h"
#include "data/data_file_read.h"
#include "data/ini_file.h"
#include "data/message_text.h"
#include "data/number_text.h"
#include "base/rounding.h"

namespace sd {

namespace {

constexpr const char* kFile = "worlds.dat";
using layout::kBoardLeft;
using layout::kBoardTop;
using layout::kScreenHeight;
using layout::kScreenWidth;
constexpr int kLastImage = 27;  // the thing image strip has cells 1 to 27
constexpr int kRowKeys = 7;     // a world always gives its rows as keys "1" to "7"

// The rule constants when the file does not give them.
void SetDefaultRules(WorldRecord& w) {
    w.EnergiePoints = 50;
    w.HitPoints1 = 20;
    w.HitPoints2 = 40;
}

// What a missing file leaves: every Raster value 0, the default rules, no
// things and a cell map of the single cell (0, 0).
WorldRecord MissingFileWorld() {
    WorldRecord w;
    SetDefaultRules(w);
    w.Things.resize(1);
    w.CellMap.reset(0, 0);
    return w;
}

// What a refused file leaves: one empty cell that every part can draw, pick
// and compute with.
WorldRecord SafeEmptyWorld() {
    WorldRecord w;
    w.Raster_width = 60;
    w.Raster_height = 60;
    w.Raster_max_x = 1;
    w.Raster_max_y = 1;
    SetDefaultRules(w);
    w.Things.resize(1);
    w.CellMap.reset(1, 1);
    return w;
}

// The values as read, for messages (views into the parsed file).
struct GlobalTexts {
    std::string_view x, y, maxX, maxY, width, height, energie;
};

void ReadGlobal(const IniFile& ini, WorldRecord& w, GlobalTexts& t, DataFileCheck& check) {
    const char* s = "Global";
    w.Raster_x = check.integerText(ini, s, "Raster_x", 0, &t.x);
    w.Raster_y = check.integerText(ini, s, "Raster_y", 0, &t.y);
    w.Raster_max_x = check.integerText(ini, s, "Raster_max_x", 0, &t.maxX);
    w.Raster_max_y = check.integerText(ini, s, "Raster_max_y", 0, &t.maxY);
    w.Raster_width = check.integerText(ini, s, "Raster_width", 0, &t.width);
    w.Raster_height = check.integerText(ini, s, "Raster_height", 0, &t.height);
    w.EnergiePoints = check.integerText(ini, s, "EnergiePoints", 50, &t.energie);
    w.HitPoints1 = check.integerText(ini, s, "HitPoints1", 20);
    w.HitPoints2 = check.integerText(ini, s, "HitPoints2", 40);
}

// A board needs at least one cell of at least one pixel, and moving must cost
// energy (or a unit could move without end). The board surface sits at
// (kBoardLeft, kBoardTop) and is
// Raster_width * Raster_max_x + 1 by Raster_height * Raster_max_y + 1 pixels;
// its cells start at (Raster_x, Raster_y) on it. The board fits when the
// offsets are not negative and the cells with their offsets end on the screen:
//   kBoardLeft + Raster_x + Raster_width * Raster_max_x + 1 <= 800
//   kBoardTop + Raster_y + Raster_height * Raster_max_y + 1 <= 600
// With that every pixel position of a cell, even of the extra column and row
// of the cell map, stays well inside 16 bits.
void CheckBoard(const WorldRecord& w, const GlobalTexts& t, DataFileCheck& check) {
    const char* s = "Global";
    if (w.Raster_max_x < 1) return check.fail(s, "Raster_max_x", t.maxX, "muss mindestens 1 sein");
    if (w.Raster_max_y < 1) return check.fail(s, "Raster_max_y", t.maxY, "muss mindestens 1 sein");
    if (w.Raster_width < 1) return check.fail(s, "Raster_width", t.width, "muss mindestens 1 sein");
    if (w.Raster_height < 1) return check.fail(s, "Raster_height", t.height, "muss mindestens 1 sein");
    if (w.EnergiePoints <= 0) return check.fail(s, "EnergiePoints", t.energie, "muss gr\xF6\xDF" "er als 0 sein");
    if (w.Raster_x < 0) return check.fail(s, "Raster_x", t.x, kNegative);
    if (w.Raster_y < 0) return check.fail(s, "Raster_y", t.y, kNegative);

    const auto q = [](std::string_view v) {
        std::string quoted(1, '"');
        return quoted.append(ValueForMessage(v)).append(1, '"');
    };
    const long right = kBoardLeft + long{w.Raster_x} + long{w.Raster_width} * w.Raster_max_x + 1;
    if (right > kScreenWidth) {
        return check.fail(std::string(kFile) + ", [Global] Raster_x = " + q(t.x) + ", Raster_width = " + q(t.width) +
                          ", Raster_max_x = " + q(t.maxX) + ": das Spielfeld reicht bis x = " +
                          std::to_string(right) + " und passt nicht auf den 800 Pixel breiten Bildschirm");
    }
    const long bottom = kBoardTop + long{w.Raster_y} + long{w.Raster_height} * w.Raster_max_y + 1;
    if (bottom > kScreenHeight) {
        return check.fail(std::string(kFile) + ", [Global] Raster_y = " + q(t.y) + ", Raster_height = " +
                          q(t.height) + ", Raster_max_y = " + q(t.maxY) + ": das Spielfeld reicht bis y = " +
                          std::to_string(bottom) + " und passt nicht auf den 600 Pixel hohen Bildschirm");
    }
}

void ReadThingCounter(const IniFile& ini, WorldRecord& w, DataFileCheck& check) {
    std::string_view text;
    w.Thing_counter = check.integerText(ini, "Thing_Type", "Thing_counter", 0, &text);
    if (w.Thing_counter < 0) {
        check.fail("Thing_Type", "Thing_counter", text, kNegative);
        w.Thing_counter = 0;
    }
}

// Things 1 to Thing_counter; entry 0 stays all zero and empty.
void ReadThings(const IniFile& ini, WorldRecord& w, DataFileCheck& check) {
    const char* s = "Thing_Type";
    w.Things.assign(static_cast<size_t>(w.Thing_counter) + 1, Thing{});
    const auto number16 = [&](int n, std::string_view field) {
        const NumberedKey key(n, field);
        return check.numberText16(ini.find(s, key), s, key);
    };
    for (int n = 1; n <= w.Thing_counter && !check.failed(); ++n) {
        Thing& t = w.Things[static_cast<size_t>(n)];
        t.Text = ini.find(s, NumberedKey(n, "_Text"));
        t.Energie = number16(n, "_Energie");
        t.Plasma = number16(n, "_Plasma");
        t.Schild = number16(n, "_Schild");
        t.Grav = NumberTextValue(ini.find(s, NumberedKey(n, "_Grav")));
        t.Besitzer = number16(n, "_Besitzer");
        // The remark ends at its first empty or missing line.
        const NumberedKey remark(n, "_Bemerkung");
        for (int k = 1;; ++k) {
            const std::string_view line = ini.find(s, NumberedKey(remark, k));
            if (line.empty()) break;
            t.Bemerkung += line;
            t.Bemerkung += '\r';
        }
    }
}

// One row text: tokens split at every single blank, token j is column j.
void ReadRow(std::string_view text, std::string_view section, std::string_view key, int y, WorldRecord& w,
             DataFileCheck& check) {
    int x = 0;
    while (!check.failed()) {
        const size_t blank = text.find(' ');
        const std::string_view token = text.substr(0, blank);
        const double v = NumberTextValue(token);
        // A positive token below one half rounds to 0 and leaves the cell empty.
        const double r = v > 0 ? RoundEven(v) : 0.0;
        if (r >= 1) {
            const std::string column = "in Spalte " + std::to_string(x) + ": ";
            if (r > 32767) {
                check.fail(section, key, token, column + std::string(kOutside16Bits));
            } else if (x >= w.Raster_max_x) {
                // The board shows columns 0 .. Raster_max_x - 1: a thing further right
                // would be neither drawn nor pickable, yet count for the victory.
                check.fail(section, key, token,
                           column + "au\xDF" "erhalb des Spielfelds (Spalten 0 bis " +
                               std::to_string(w.Raster_max_x - 1) + ")");
            } else if (y >= w.Raster_max_y) {
                check.fail(section, key, token,
                           "in Zeile " + std::to_string(y) + ": au\xDF" "erhalb des Spielfelds (Zeilen 0 bis " +
                               std::to_string(w.Raster_max_y - 1) + ")");
            } else if (r > w.Thing_counter) {
                check.fail(section, key, token,
                           column + "dieses Ding gibt es nicht (Thing_counter = " + std::to_string(w.Thing_counter) +
                               ")");
            } else if (r > kLastImage) {
                check.fail(section, key, token, column + "f\xFC" "r dieses Ding gibt es kein Bild (h\xF6" "chstens 27)");
            } else {
                w.CellMap.set(x, y, static_cast<int16_t>(r));
            }
        }
        if (blank == std::string_view::npos) break;
        text.remove_prefix(blank + 1);
        ++x;
    }
}

}  // namespace

LoadResult LoadWorld(Context& ctx, int16_t worldNumber) {
    return LoadWorld(ctx, IniFile::load(ctx.path(kFile)), worldNumber);
}

LoadResult LoadWorld(Context& ctx, const IniFile& worlds, int16_t worldNumber) {
    LoadResult result;
    if (!worlds.exists()) {
        // Missing or refused: every value reads as empty, so all defaults apply.
        result.add(ReadProblemText(worlds.path(), worlds.status()));
        ctx.World = MissingFileWorld();
        return result;
    }

    WorldRecord w;
    GlobalTexts texts;
    DataFileCheck check(kFile);
    ReadGlobal(worlds, w, texts, check);
    if (!check.failed()) CheckBoard(w, texts, check);
    if (!check.failed()) ReadThingCounter(worlds, w, check);
    if (!check.failed()) ReadThings(worlds, w, check);
    if (!check.failed()) {
        w.CellMap.reset(w.Raster_max_x, w.Raster_max_y);
        const NumberedKey section("World", worldNumber);
        for (int r = 1; r <= kRowKeys && !check.failed(); ++r) {
            const NumberedKey key(r, {});
            ReadRow(worlds.find(section, key), section, key, r - 1, w, check);
        }
    }

    if (check.failed()) {
        result.add(check.problem());
        ctx.World = SafeEmptyWorld();
        return result;
    }
    ctx.World = std::move(w);
    return result;
}

}  // namespace sd

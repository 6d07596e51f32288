#pragma once
// Small worlds built in code for the rules tests: a board of cells and a few
// things, nothing read from a file.
#include <cstdint>

#include "data/world_model.h"

class CombatWorld {
public:
    // A board of columns x rows cells of the given size, its grid starting at
    // (offsetX, offsetY); default rules (beam 50 energy, hits 20 and 40).
    explicit CombatWorld(int16_t columns = 12, int16_t rows = 7, int16_t cell = 60, int16_t offsetX = 0,
                         int16_t offsetY = 0) {
        w.Raster_x = offsetX;
        w.Raster_y = offsetY;
        w.Raster_width = cell;
        w.Raster_height = cell;
        w.Raster_max_x = columns;
        w.Raster_max_y = rows;
        w.EnergiePoints = 50;
        w.HitPoints1 = 20;
        w.HitPoints2 = 40;
        w.Things.resize(1);
        w.CellMap.reset(columns, rows);
    }

    // A new thing record; returns its number.
    int16_t thing(int16_t owner, double grav = -1.0, int16_t schild = 40, int16_t energie = 100,
                  int16_t plasma = 3) {
        sd::Thing t;
        t.Besitzer = owner;
        t.Grav = grav;
        t.Schild = schild;
        t.Energie = energie;
        t.Plasma = plasma;
        w.Things.push_back(t);
        w.Thing_counter = static_cast<int16_t>(w.Things.size() - 1);
        return w.Thing_counter;
    }

    // A new thing standing in cell (x, y); returns its number.
    int16_t place(int x, int y, int16_t owner, double grav = -1.0, int16_t schild = 40) {
        const int16_t n = thing(owner, grav, schild);
        w.CellMap.set(x, y, n);
        return n;
    }

    sd::Thing& at(int x, int y) { return w.thing(w.CellMap(x, y)); }

    sd::WorldRecord w;
};

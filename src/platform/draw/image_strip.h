#pragma once
// A bitmap cut into rows x columns of equal cells, numbered row by row from 0:
// cell i is row i / columns, column i % columns.
#include <string>
#include <vector>

#include "platform/draw/surface.h"

namespace sd::platform {

class ImageStrip {
public:
    // Loads the bitmap; on failure returns false and sets error (naming the file).
    bool load(const std::string& path, std::string* error = nullptr);
    void setBitmap(Surface bitmap);
    void setGrid(int rows, int columns);
    // False when the bitmap is missing or its size does not divide by the grid.
    bool valid() const;

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    int cellCount() const { return rows_ * columns_; }
    int cellWidth() const;
    int cellHeight() const;
    const Surface& bitmap() const { return bitmap_; }

    // Paints cell i opaquely with its top-left corner at (x, y), clipped at the
    // edges of dst. A cell number outside the strip paints nothing.
    void paintCell(int i, Surface& dst, int x, int y) const;
    // Cell i as a picture of its own (empty for a number outside the strip).
    // Cut once; every later call shares those pixels.
    Surface cell(int i) const;

private:
    Surface bitmap_;
    mutable std::vector<Surface> cells_;
    int rows_ = 1;
    int columns_ = 1;
};

}  // namespace sd::platform

// Image strips: a bitmap cut into rows x columns of equal cells.
#include "platform/draw/bitmap_files.h"
#include "platform/draw/image_strip.h"

namespace sd::platform {

bool ImageStrip::load(const std::string& path, std::string* error) {
    bitmap_ = LoadBmp(path, error);
    cells_.clear();
    return !bitmap_.empty();
}

void ImageStrip::setBitmap(Surface bitmap) {
    bitmap_ = std::move(bitmap);
    cells_.clear();
}

void ImageStrip::setGrid(int rows, int columns) {
    rows_ = rows;
    columns_ = columns;
    cells_.clear();
}

bool ImageStrip::valid() const {
    return !bitmap_.empty() && rows_ > 0 && columns_ > 0 && bitmap_.width() % columns_ == 0 &&
           bitmap_.height() % rows_ == 0;
}

int ImageStrip::cellWidth() const { return valid() ? bitmap_.width() / columns_ : 0; }
int ImageStrip::cellHeight() const { return valid() ? bitmap_.height() / rows_ : 0; }

void ImageStrip::paintCell(int i, Surface& dst, int x, int y) const {
    if (!valid() || i < 0 || i >= cellCount()) return;
    const int w = cellWidth(), h = cellHeight();
    dst.blit(bitmap_, (i % columns_) * w, (i / columns_) * h, w, h, x, y);
}

Surface ImageStrip::cell(int i) const {
    if (!valid() || i < 0 || i >= cellCount()) return Surface();
    // The portrait changes with every cell the pointer enters: cut each cell
    // once and hand out shared copies.
    if (cells_.size() != static_cast<size_t>(cellCount())) cells_.resize(static_cast<size_t>(cellCount()));
    Surface& cut = cells_[static_cast<size_t>(i)];
    if (cut.empty()) {
        cut = Surface(cellWidth(), cellHeight());
        paintCell(i, cut, 0, 0);
    }
    return cut.clone();
}

}  // namespace sd::platform

// Image strips: a bitmap cut into rows x columns of equal cells.
#include "platform/image_strip.h"

namespace sd::platform {

bool ImageStrip::load(const std::string& path, std::string* error) {
    bitmap_ = Surface::loadBmp(path, error);
    return !bitmap_.empty();
}

void ImageStrip::setBitmap(Surface bitmap) { bitmap_ = std::move(bitmap); }

void ImageStrip::setGrid(int rows, int columns) {
    rows_ = rows;
    columns_ = columns;
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
    Surface out(cellWidth(), cellHeight());
    paintCell(i, out, 0, 0);
    return out;
}

}  // namespace sd::platform

#include "contact_sheet.h"

#include <algorithm>
#include <cstdio>

#include "lettering.h"
#include "sdl_bridge.h"

namespace assetgen {

bool writeContactSheet(const std::string& fxDir, const std::vector<std::string>& files, const std::string& out) {
    const Rgb grey = rgb8(40, 42, 46);
    const int sheetW = 1680, margin = 16, labelH = 18;
    struct Placed {
        Image img;
        std::string name;
        int x, y;
    };
    std::vector<Placed> placed;
    int x = margin, y = margin, shelf = 0;
    for (const std::string& name : files) {
        Image img;
        std::string error;
        if (!loadPicture(fxDir + "/" + name, img, grey, error)) {
            std::fprintf(stderr, "contact sheet: %s\n", error.c_str());
            return false;
        }
        int w = std::max(img.w(), 90);
        if (x + w + margin > sheetW) {
            x = margin;
            y += shelf + labelH + margin;
            shelf = 0;
        }
        placed.push_back({img, name, x, y});
        x += w + margin;
        shelf = std::max(shelf, img.h());
    }
    Image sheet(sheetW, y + shelf + labelH + margin, grey);
    for (const Placed& p : placed) {
        strokeRect(sheet, p.x - 1, p.y - 1, p.x + p.img.w(), p.y + p.img.h(), rgb8(90, 92, 98));
        sheet.paste(p.img, p.x, p.y);
        char size[32];
        std::snprintf(size, sizeof size, "  %dx%d", p.img.w(), p.img.h());
        drawTextAt(sheet, p.name + size, p.x, p.y + p.img.h() + 2, {12, Face::Regular, rgb8(220, 220, 225)});
    }
    std::string error;
    if (!savePng(out, sheet, error)) {
        std::fprintf(stderr, "contact sheet: %s\n", error.c_str());
        return false;
    }
    return true;
}

}  // namespace assetgen

#include "shell/world_preview.h"

#include <string>
#include <string_view>
#include <vector>

#include "data/context.h"
#include "data/ini_file.h"
#include "data/number_text.h"
#include "base/rounding.h"
#include "platform/draw/color.h"
#include "platform/input/element.h"
#include "play/sound.h"

namespace sd {

using platform::Color;
using platform::Element;

namespace {

constexpr int kBoxWidth = 101;   // outer size of a preview box
constexpr int kBoxHeight = 71;
constexpr Color kNameColor{190, 190, 0};
constexpr Color kFrameColor{200, 200, 0};
constexpr Color kCornerColor{240, 240, 30};

struct DotColors {
    Color dark;
    Color bright;
};

// The colour says only which number stands in the cell: 14..16 are the blue
// team's units, 17..19 the red team's, everything else is green.
DotColors ColorsFor(double v) {
    if (v >= 14 && v <= 16) return {{0, 60, 190}, {0, 200, 255}};
    if (v >= 17 && v <= 19) return {{150, 0, 0}, {255, 0, 0}};
    return {{0, 155, 0}, {0, 255, 0}};
}

// Every single blank separates, so two blanks leave an empty field that still
// takes its column; an empty row has no fields at all.
std::vector<std::string_view> SplitFields(std::string_view row) {
    std::vector<std::string_view> fields;
    if (row.empty()) return fields;
    size_t start = 0;
    while (true) {
        const size_t blank = row.find(' ', start);
        if (blank == std::string_view::npos) {
            fields.push_back(row.substr(start));
            return fields;
        }
        fields.push_back(row.substr(start, blank - start));
        start = blank + 1;
    }
}

// The tag's number value, as the click reads it.
int16_t TagValue(const Element& box) { return RoundEven16(NumberTextValue(box.tag)); }

}  // namespace

void PreviewWorld(Context& ctx, int16_t n, Element& box) {
    PreviewWorld(IniFile::load(ctx.path("worlds.dat")), n, box);
}

void PreviewWorld(const IniFile& worlds, int16_t n, Element& box) {
    const std::string section = "World" + std::to_string(n);
    auto& canvas = box.canvas();

    const std::string name = worlds.value(section, "Name");
    if (!name.empty()) {
        const double w = RoundEven(box.look().font.textWidth(name));
        const int x = RoundEven16(kBoxWidth / 2.0 - w / 2.0);
        canvas.drawText(box.look().font, x, 2, name, kNameColor);
    }

    for (int i = 1; i <= 7; ++i) {
        const std::string row = worlds.value(section, std::to_string(i));
        const auto fields = SplitFields(row);
        for (size_t j = 0; j < fields.size(); ++j) {
            const double v = NumberTextValue(fields[j]);
            if (v <= 0) continue;
            const DotColors c = ColorsFor(v);
            const int x = 5 + 8 * static_cast<int>(j);
            const int y = 13 + 7 * i;
            canvas.fillCircle(x, y, 2, c.dark);
            canvas.circle(x, y, 2, c.dark);
            canvas.circle(x - 1, y - 1, 1, c.bright);
            box.tag = std::to_string(n + 1);
        }
    }
}

void ClickWorldPreview(Context& ctx, const PreviewBoxes& boxes, int k) {
    if (k < 0 || k >= kPreviewCount || boxes[k] == nullptr) return;
    Element& chosen = *boxes[k];
    if (TagValue(chosen) == 0) return;

    PlaySoundEffect(ctx, Sfx::ButtonClick);
    // The frame is drawn at the box's outer size, so its right and bottom edges
    // fall outside the drawing area: the mark shows on the top and left edges.
    for (Element* box : boxes) {
        if (box) box->canvas().rect(0, 0, kBoxWidth - 1, kBoxHeight - 1, Color{0, 0, 0});
    }
    chosen.canvas().rect(0, 0, kBoxWidth - 1, kBoxHeight - 1, kFrameColor);
    chosen.canvas().line(0, 0, 20, 0, kCornerColor);
    chosen.canvas().line(0, 0, 0, 20, kCornerColor);
    ctx.GameState.WorldNumber = static_cast<int16_t>(TagValue(chosen) - 1);
}

}  // namespace sd

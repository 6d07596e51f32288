#include "shell/title_menu.h"

#include <string>

#include "base/layout.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "play/show_error.h"
#include "render/fx_bitmap.h"
#include "platform/draw/surface.h"

namespace sd {

using platform::Element;

void Highlight(int16_t& highlighted, const MenuLabels& labels, int16_t index) {
    if (index == highlighted) return;
    for (Element* label : labels) {
        if (label) label->setTextColor(kLabelNormal);
    }
    if (index >= 0 && index < kMenuLabelCount && labels[index]) labels[index]->setTextColor(kLabelHighlighted);
    highlighted = index;
}

const char* OpponentCaption(Opponent o) {
    switch (o) {
        case Opponent::ComputerLight: return "Gegner: Computer (leicht)";
        case Opponent::ComputerStrong: return "Gegner: Computer (stark)";
        case Opponent::Person: break;
    }
    return "Gegner: Mensch";
}

Opponent NextOpponent(Opponent o) {
    switch (o) {
        case Opponent::Person: return Opponent::ComputerLight;
        case Opponent::ComputerLight: return Opponent::ComputerStrong;
        case Opponent::ComputerStrong: break;
    }
    return Opponent::Person;
}

const char* OpponentCaption(Opponent o, NetworkChoice n) {
    switch (n) {
        case NetworkChoice::Host: return "Gegner: Netzwerk (warten)";
        case NetworkChoice::Join: return "Gegner: Netzwerk (verbinden)";
        case NetworkChoice::None: break;
    }
    return OpponentCaption(o);
}

void NextOpponent(Opponent& o, NetworkChoice& n) {
    if (n == NetworkChoice::Host) {
        n = NetworkChoice::Join;
    } else if (n == NetworkChoice::Join) {
        n = NetworkChoice::None;
        o = Opponent::Person;
    } else if (o == Opponent::ComputerStrong) {
        n = NetworkChoice::Host;
        o = Opponent::Person;
    } else {
        o = NextOpponent(o);
    }
}

void ShowOpponent(const Context& ctx, NetworkChoice n, Element& label, double centre) {
    constexpr int kMargin = 8;
    const char* caption = OpponentCaption(ctx.opponent, n);
    const int width = label.look().font.textWidth(caption) + 2 * kMargin;
    label.setSize(width, label.bounds().h);
    label.setPosition(centre - width / 2.0, label.bounds().y);
    label.setText(caption);
}

bool ShowInfoPanel(Context& ctx, Element& panel) {
    constexpr double cx = layout::kScreenWidth / 2;
    constexpr double cy = layout::kScreenHeight / 2;

    LoadResult problem;
    platform::Surface picture = LoadFxBitmap(ctx, "fx/info.bmp", problem);
    if (!ReportProblems(ctx, problem.problems)) {
        panel.setVisible(false);
        return false;
    }
    panel.setAutoSize(true);
    panel.setPicture(picture);
    panel.setPosition(cx - panel.bounds().w / 2.0, cy - panel.bounds().h / 2.0);

    const std::string version = "V " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                                std::to_string(kVersionRevision);
    const int y = panel.bounds().h - panel.look().font.textHeight("V") - 6;
    panel.canvas().drawText(panel.look().font, 10, y, version, panel.look().textColor);
    panel.setVisible(true);
    return true;
}

}  // namespace sd

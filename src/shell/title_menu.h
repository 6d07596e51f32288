#pragma once
// The title screen's menu labels with their hover highlight, and the
// information panel.
#include <array>
#include <cstdint>

#include "platform/color.h"

namespace sd {
struct Context;
namespace platform {
class Element;
}

inline constexpr int kMenuLabelCount = 3;
using MenuLabels = std::array<platform::Element*, kMenuLabelCount>;

inline constexpr platform::Color kLabelNormal{0, 150, 0};
inline constexpr platform::Color kLabelHighlighted{0, 250, 0};
inline constexpr platform::Color kLabelPressed{200, 250, 200};

// The version shown on the information panel.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// Paints every label in the normal colour and label index (if >= 0) in the
// highlighted one; nothing happens while index stays the same.
void Highlight(int16_t& highlighted, const MenuLabels& labels, int16_t index);

// Loads fx/info.bmp into the panel, centres it on the 800 x 600 title panel,
// writes the version at its bottom left and shows it. False (with the panel
// hidden and the problem reported) when the bitmap cannot be loaded.
bool ShowInfoPanel(Context& ctx, platform::Element& panel);

}  // namespace sd

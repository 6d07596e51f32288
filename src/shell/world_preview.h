#pragma once
// The world previews of the title screen: a name and a dot map per world, and
// the choice of a world by clicking its preview.
#include <array>
#include <cstdint>

namespace sd {
struct Context;
class IniFile;
namespace platform {
class Element;
}

inline constexpr int kPreviewCount = 10;
using PreviewBoxes = std::array<platform::Element*, kPreviewCount>;

// Draws the name and the cells of section "World"n of worlds.dat into box and,
// when at least one dot was drawn, sets the box's tag to n + 1. The first form
// reads the file itself; the second takes it already read.
void PreviewWorld(Context& ctx, int16_t n, platform::Element& box);
void PreviewWorld(const IniFile& worlds, int16_t n, platform::Element& box);

// A click on preview k: a box showing no world (tag "0") ignores it; otherwise
// the click sound plays, the mark moves to box k and WorldNumber becomes its world.
void ClickWorldPreview(Context& ctx, const PreviewBoxes& boxes, int k);

}  // namespace sd

#pragma once
// The title screen's menu labels with their hover highlight, and the
// information panel.
#include <array>
#include <cstdint>

#include "data/context.h"
#include "platform/draw/color.h"

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

// The label that chooses who plays red, in the menu's colours: its caption for
// each choice, and the choice a click moves on to (person, light computer,
// strong computer, and round again).
const char* OpponentCaption(Opponent o);
Opponent NextOpponent(Opponent o);

// The same label also offers a game over the network: waiting for the other
// machine (the host, blue) or connecting to it (the joiner, red). Who plays
// red at this screen is then nobody: opponent stays Person.
enum class NetworkChoice { None, Host, Join };
const char* OpponentCaption(Opponent o, NetworkChoice n);
// The whole round: person, light computer, strong computer, network
// (waiting), network (connecting), person.
void NextOpponent(Opponent& o, NetworkChoice& n);
// Writes the caption of ctx.opponent (or of the network choice) on the label,
// sized to the caption and centred on x = centre, so that only the caption
// takes the pointer.
void ShowOpponent(const Context& ctx, NetworkChoice n, platform::Element& label, double centre);

// Paints every label in the normal colour and label index (if >= 0) in the
// highlighted one; nothing happens while index stays the same.
void Highlight(int16_t& highlighted, const MenuLabels& labels, int16_t index);

// Loads fx/info.bmp into the panel, centres it on the 800 x 600 title panel,
// writes the version at its bottom left and shows it. False (with the panel
// hidden and the problem reported) when the bitmap cannot be loaded.
bool ShowInfoPanel(Context& ctx, platform::Element& panel);

}  // namespace sd

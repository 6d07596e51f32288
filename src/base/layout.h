#pragma once
// Where things sit on the 800 x 600 screen. The bitmaps in fx/ are drawn for
// these numbers and the world file's board check relies on them, so they live
// in one place.
#include <cstdint>

#include "base/geometry.h"

namespace sd::layout {

// The logical screen every screen of the game draws on.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// Top-left corner of the board surface on the game screen.
constexpr int kBoardLeft = 15;
constexpr int kBoardTop = 0;

// The text area of the info panel (panel pixels, both corners included): the
// name, remark and values of a thing, and the turn message.
constexpr Rect kInfoText{175, 8, 635, 140};

// The weapon picture on the info panel and the area that switches it.
constexpr int kWeaponLeft = 195;
constexpr int kWeaponTop = 100;
constexpr Rect kWeaponHit{194, 98, 424, 120};

// The values column of the info panel: one line each, with the black box that
// is cleared before a value is written again after a shot.
constexpr int kValueLeft = 520;
constexpr int kEnergyTop = 20;
constexpr int kShieldTop = 34;
constexpr int kPlasmaTop = 48;
constexpr int kGravTop = 62;
constexpr int kValueBoxRight = 620;
constexpr int kValueBoxHeight = 10;

// The status line on the info panel's bottom band (panel pixels, both
// corners included): whose turn it is and what the last action did.
constexpr Rect kStatusLine{175, 154, 635, 167};

// The command buttons, relative to the top-left corner of the info panel.
constexpr int kButtonLeft = 16;
constexpr int kButtonTop[3] = {21, 59, 97};

// The portrait box and the aiming dial over it.
constexpr int kPortraitWidth = 150;
constexpr int kPortraitHeight = 130;

}  // namespace sd::layout

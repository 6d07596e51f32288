#pragma once
// The surfaces and image strips of the game screen. The panels are elements of
// the FrmMain screen (owned by the screen); the clean board background and the
// strips are kept here for the life of the game screen.
#include <array>
#include <cstdint>

#include "base/layout.h"
#include "platform/input/element.h"
#include "platform/draw/image_strip.h"
#include "platform/draw/surface.h"

namespace sd {

struct GameGraphics {
    // Size of the game screen's drawing area.
    int16_t ScreenWidth = layout::kScreenWidth;
    int16_t ScreenHeight = layout::kScreenHeight;

    // Never shown: the board background without any frame or thing on it.
    platform::Surface PicBackTmp;

    platform::Element* PicBack = nullptr;      // the board
    platform::Element* PicDisplay1 = nullptr;  // the info panel
    platform::Element* PicMMC = nullptr;       // portrait of a unit
    platform::Element* PicAngle = nullptr;     // aiming dial
    platform::Element* PicWin = nullptr;       // victory panel
    platform::Element* PicPlasma = nullptr;    // the flying plasma ball
    std::array<platform::Element*, 3> PicButtonNormal{};
    std::array<platform::Element*, 3> PicButtonOver{};
    std::array<platform::Element*, 3> PicButtonClick{};

    platform::ImageStrip PicClipFont_R;
    platform::ImageStrip PicClipFont_G;
    platform::ImageStrip PicClipFont_B;
    platform::ImageStrip PicClipThing;         // cell n = picture of thing n
    platform::ImageStrip PicClipAnim;          // unit portraits
    platform::ImageStrip PicClipWeaponSelect;  // cell 0 plasma, cell 1 beam
    platform::ImageStrip PicClipExplosion;     // 16 explosion frames

    // The status line's lettering, and the dot the last plasma shot's trail is drawn with.
    platform::Font StatusFont;
    platform::Surface TrailDot[3];  // by team: 1 blue, 2 red
};

}  // namespace sd

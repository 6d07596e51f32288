#pragma once
// Every picture of fx/, one producer each, grouped by the file that draws it.
#include <string>
#include <vector>

#include "canvas.h"

namespace assetgen {

// board_panels.cpp
Image makeBoardBackground();  // back.bmp
Image makeInfoPanel();        // screen1.bmp

// dialogs.cpp
Image makeExitPanel();     // screen2.bmp
Image makeAimDial();       // screen3.bmp
Image makeVictoryPanel();  // screen4.bmp

// buttons.cpp
enum class ButtonLook { Normal, Hover, Pressed };
Image makeButton(const std::string& label, int w, int h, ButtonLook look);
Image makeWeaponStrip();  // weapon.bmp

// bitmap_font.cpp
Image makeBitmapFont(Rgb color);  // font_r/g/b.bmp

// things.cpp
Image makeThingStrip();  // t0.bmp
Image makePlasma();      // plasma.bmp

// portraits.cpp
Image makePortraitStrip();  // t0i.bmp

// effects.cpp
Image makeExplosionStrip();  // expl.bmp

// app_icon.cpp: the desktop icon at size x size; alpha gets its coverage.
Image makeAppIcon(int size, std::vector<float>& alpha);

// title_info.cpp
Image makeTitlePicture();  // main.bmp
Image makeInfoPicture();   // info.bmp

}  // namespace assetgen

// sd_assetgen: writes every bitmap, icon and sound of the game's fx/ folder.
//
//   sd_assetgen <folder>                          all assets into <folder>
//   sd_assetgen --contact-sheet <fx> <out.png>    every bitmap of <fx> on one sheet
//   sd_assetgen --view <picture> <scale> <out.png> one picture enlarged, for close looks
//   sd_assetgen --icons <folder>                  the desktop icon as <folder>/<n>x<n>/sternenduell.png
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "art.h"
#include "contact_sheet.h"
#include "cursors.h"
#include "lettering.h"
#include "sdl_bridge.h"
#include "sounds.h"
#include "writers.h"

using namespace assetgen;

namespace {

struct Picture {
    std::string name;
    std::function<Image()> make;
};

std::vector<Picture> pictures() {
    std::vector<Picture> list = {
        {"main.bmp", makeTitlePicture},
        {"back.bmp", makeBoardBackground},
        {"screen1.bmp", makeInfoPanel},
        {"t0.bmp", makeThingStrip},
        {"t0i.bmp", makePortraitStrip},
        {"expl.bmp", makeExplosionStrip},
        {"info.bmp", makeInfoPicture},
        {"screen4.bmp", makeVictoryPanel},
        {"screen2.bmp", makeExitPanel},
        {"screen3.bmp", makeAimDial},
        {"weapon.bmp", makeWeaponStrip},
        {"font_r.bmp", [] { return makeBitmapFont(rgb8(255, 70, 60)); }},
        {"font_g.bmp", [] { return makeBitmapFont(rgb8(80, 240, 100)); }},
        {"font_b.bmp", [] { return makeBitmapFont(rgb8(80, 160, 255)); }},
        {"plasma.bmp", makePlasma},
    };
    struct Button {
        const char* file;
        const char* label;
        int w, h;
    };
    const Button buttons[] = {{"butt1", "Gitter", 150, 34},          {"butt3", "Zug beenden", 150, 34},
                              {"butt2", "Verlassen", 150, 34},       {"butt4", "Spiel verlassen", 143, 36},
                              {"butt5", "Weiterspielen", 143, 36}};
    const std::pair<const char*, ButtonLook> looks[] = {
        {"_a", ButtonLook::Normal}, {"_b", ButtonLook::Hover}, {"_c", ButtonLook::Pressed}};
    for (const Button& b : buttons)
        for (const auto& [suffix, look] : looks)
            list.push_back({std::string(b.file) + suffix + ".bmp",
                            [b, look = look] { return makeButton(b.label, b.w, b.h, look); }});
    return list;
}

int generate(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "sd_assetgen: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    bool ok = true;
    auto check = [&](bool written, const std::string& name) {
        if (!written) std::fprintf(stderr, "sd_assetgen: cannot write %s/%s\n", dir.c_str(), name.c_str());
        ok = ok && written;
    };
    for (const Picture& p : pictures()) check(writeBmp(dir + "/" + p.name, p.make()), p.name);
    check(writeIco(dir + "/c1.ico", makeArrowCursor(), kCursorSize), "c1.ico");
    check(writeIco(dir + "/c2.ico", makeTargetCursor(), kCursorSize), "c2.ico");
    for (int n = 1; n <= kSoundCount; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.wav", n);
        check(writeWav(dir + "/" + name, makeSound(n), kSampleRate), name);
    }
    return ok ? 0 : 1;
}

int contactSheet(const std::string& fx, const std::string& out) {
    std::vector<std::string> files;
    for (const Picture& p : pictures()) files.push_back(p.name);
    files.push_back("c1.ico");
    files.push_back("c2.ico");
    return writeContactSheet(fx, files, out) ? 0 : 1;
}

int view(const std::string& file, int scale, const std::string& out) {
    Image img, big;
    std::string error;
    if (scale < 1 || !loadPicture(file, img, rgb8(40, 42, 46), error)) {
        std::fprintf(stderr, "sd_assetgen: %s\n", scale < 1 ? "scale must be at least 1" : error.c_str());
        return 1;
    }
    big = Image(img.w() * scale, img.h() * scale);
    for (int y = 0; y < big.h(); ++y)
        for (int x = 0; x < big.w(); ++x) big.set(x, y, img.get(x / scale, y / scale));
    if (!savePng(out, big, error)) {
        std::fprintf(stderr, "sd_assetgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

// The sizes of the hicolor icon theme that desktop menus and panels ask for.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

int icons(const std::string& dir) {
    for (int size : kIconSizes) {
        const std::string folder = dir + "/" + std::to_string(size) + "x" + std::to_string(size);
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        std::vector<float> alpha;
        const Image img = makeAppIcon(size, alpha);
        std::string error;
        if (ec || !savePng(folder + "/sternenduell.png", img, alpha, error)) {
            std::fprintf(stderr, "sd_assetgen: cannot write the %d pixel icon: %s\n", size,
                         ec ? ec.message().c_str() : error.c_str());
            return 1;
        }
    }
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: sd_assetgen <folder>\n"
                 "       sd_assetgen --contact-sheet <fx folder> <out.png>\n"
                 "       sd_assetgen --view <picture> <scale> <out.png>\n"
                 "       sd_assetgen --icons <folder>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    int rc = 0;
    try {
        openLettering();
        IMG_Init(IMG_INIT_PNG);
        if (args[0] == "--contact-sheet" && args.size() == 3) rc = contactSheet(args[1], args[2]);
        else if (args[0] == "--icons" && args.size() == 2) rc = icons(args[1]);
        else if (args[0] == "--view" && args.size() == 4) rc = view(args[1], std::atoi(args[2].c_str()), args[3]);
        else if (args.size() == 1 && args[0].rfind("--", 0) != 0) rc = generate(args[0]);
        else rc = usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sd_assetgen: %s\n", e.what());
        rc = 1;
    }
    IMG_Quit();
    closeLettering();
    return rc;
}

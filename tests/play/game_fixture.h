#pragma once
// A game screen on a headless platform under the virtual clock. The program
// folder is a temporary one: worlds.dat written by the test, settings.dat and
// the generated fx/ files from the build (linked), and -- unless a test wants
// the real art -- three coded fonts whose glyph cells are solid colours, so that
// the text on the info panel can be read back from its pixels.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/draw/bitmap_files.h"
#include "data/context.h"
#include "platform/audio/audio.h"
#include "platform/process/clock.h"
#include "platform/window/message_box.h"
#include "platform/input/platform.h"
#include "play/board_click.h"
#include "play/cell_picking.h"
#include "play/cursor.h"
#include "play/game_screen.h"
#include "play/exit_screen.h"
#include "play/game_screen_impl.h"
#include "play/perform.h"
#include "play/sound.h"

namespace sd::test {

namespace fs = std::filesystem;
using platform::Color;

// The world most tests play on: 12 x 7 cells of 60 pixels, board at (15, 0).
inline const char* kTestWorlds = R"([Global]
Raster_x=0
Raster_y=0
Raster_width=60
Raster_height=60
Raster_max_x=12
Raster_max_y=7
EnergiePoints=50
HitPoints1=20
HitPoints2=40

[Thing_Type]
Thing_counter=19
1_Text=Gelbe Sonne
1_Energie=-1
1_Plasma=-1
1_Schild=-1
1_Grav=5
1_Besitzer=0
1_Bemerkung1=Ein Stern.
1_Bemerkung2=Zieht stark.
2_Text=Asteroid
2_Energie=-1
2_Plasma=-1
2_Schild=-1
2_Grav=-1
2_Besitzer=-1
3_Text=Planet
3_Energie=30
3_Plasma=-1
3_Schild=-1
3_Grav=-0.5
3_Besitzer=0
14_Text=Blauer Jaeger
14_Energie=100
14_Plasma=5
14_Schild=100
14_Grav=0.25
14_Besitzer=1
14_Bemerkung1=Schnell.
15_Text=Blauer Kreuzer
15_Energie=250
15_Plasma=8
15_Schild=120
15_Grav=-1
15_Besitzer=1
17_Text=Roter Jaeger
17_Energie=0
17_Plasma=5
17_Schild=100
17_Grav=-1
17_Besitzer=2

[World0]
Name=Testwelt
1=0 0 0 0 0 0 0 0 0 0 0 0
2=0 0 0 0 0 0 0 0 0 0 0 0
3=0 0 0 0 0 14 0 15 0 0 0 0
4=1 0 0 0 0 0 0 0 0 0 0 17
5=0 2 0 3 0 0 0 0 0 0 0 0
6=0 0 0 0 0 0 0 0 0 0 0 0
7=0 0 0 0 0 0 0 0 0 0 0 0
)";

// Coded fonts: every pixel of glyph cell i in font f is (i, tag(f), 77).
constexpr uint8_t kFontMark = 77;
constexpr uint8_t kTagRed = 10, kTagGreen = 20, kTagBlue = 30;

inline void WriteCodedFont(const fs::path& file, uint8_t tag) {
    platform::Surface s(128, 120);
    for (int i = 0; i < 160; ++i) {
        s.fillRect((i % 16) * 8, (i / 16) * 12, (i % 16) * 8 + 7, (i / 16) * 12 + 11,
                   Color{static_cast<uint8_t>(i), tag, kFontMark});
    }
    ASSERT_TRUE(platform::SaveBmp(s, file.string()));
}

// Reads n characters of coded-font text starting at (x, y); '?' for a glyph of
// another font, ' ' where no glyph was painted.
inline std::string ReadCodedText(const platform::Surface& s, int x, int y, int n, uint8_t tag) {
    static const std::string kChars = [] {
        std::string t(160, '?');
        for (int c = 'a'; c <= 'z'; ++c) t[static_cast<size_t>(c - 97)] = static_cast<char>(c);
        for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<size_t>(c - 39)] = static_cast<char>(c);
        for (int c = '1'; c <= '9'; ++c) t[static_cast<size_t>(c + 3)] = static_cast<char>(c);
        t[61] = '0'; t[62] = '!'; t[66] = '%'; t[85] = ':'; t[88] = ','; t[90] = '.';
        return t;
    }();
    std::string out;
    for (int k = 0; k < n; ++k) {
        const uint32_t p = s.pixel(x + 8 * k + 3, y + 5);
        const uint8_t r = static_cast<uint8_t>(p >> 16), g = static_cast<uint8_t>(p >> 8), b = static_cast<uint8_t>(p);
        if (b != kFontMark) out += ' ';
        else if (g != tag || r >= 160) out += '?';
        else out += kChars[r];
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

struct GameOptions {
    bool codedFonts = true;
    std::set<std::string> missingFx;  // files of fx/ left out
    const char* worlds = kTestWorlds;
};

class GameTest : public ::testing::Test {
protected:
    platform::VirtualClock clock;
    platform::MessageRecorder messages;
    platform::AudioRecorder audio;
    std::unique_ptr<platform::Platform> plat;
    Context ctx;
    fs::path dir;
    std::unique_ptr<FrmMain> game;
    SoundTable sounds;
    PointerMemory pointer;

    void SetUp() override { Prepare(GameOptions{}); }

    void TearDown() override {
        game.reset();
        plat.reset();
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
    }

    // (Re)builds the program folder and a fresh platform and context.
    void Prepare(const GameOptions& o) {
        game.reset();
        plat.reset();
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("sd_game_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        fs::remove_all(dir, ec);
        fs::create_directories(dir / "fx");
        const fs::path out = SD_OUT_DIR;
        for (const auto& e : fs::directory_iterator(out / "fx")) {
            const std::string name = e.path().filename().string();
            if (o.missingFx.count(name)) continue;
            if (o.codedFonts && (name == "font_r.bmp" || name == "font_g.bmp" || name == "font_b.bmp")) continue;
            fs::create_symlink(e.path(), dir / "fx" / name);
        }
        if (o.codedFonts) {
            WriteCodedFont(dir / "fx" / "font_r.bmp", kTagRed);
            WriteCodedFont(dir / "fx" / "font_g.bmp", kTagGreen);
            WriteCodedFont(dir / "fx" / "font_b.bmp", kTagBlue);
        }
        fs::copy_file(out / "settings.dat", dir / "settings.dat");
        if (o.worlds != nullptr) std::ofstream(dir / "worlds.dat", std::ios::binary) << o.worlds;

        platform::PlatformOptions po;
        po.headless = true;
        po.clock = &clock;
        po.messageBox = &messages;
        po.audio = &audio;
        plat = std::make_unique<platform::Platform>(po);

        ctx = Context{};
        ctx.platform = plat.get();
        ctx.clock = &clock;
        ctx.messageBox = &messages;
        ctx.programDir = dir.string();
        ctx.SoundOn = true;
        sounds = SoundTable{};
        for (int i = 1; i <= 16; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "fx/%03d.wav", i);
            sounds.SoundFiles.push_back(ctx.path(name));
        }
        ctx.sounds = &sounds;
        pointer = PointerMemory{};
        ctx.pointer = &pointer;
        messages.shown.clear();
        audio.played.clear();
    }

    void Start(int16_t world = 0) {
        ctx.GameState.WorldNumber = world;
        game = std::make_unique<FrmMain>(ctx);
        game->Load();
    }

    GameScreen& g() { return game->impl(); }
    GameGraphics& gfx() { return g().gfx; }
    platform::Surface& board() { return gfx().PicBack->canvas(); }
    platform::Surface& panel() { return gfx().PicDisplay1->canvas(); }

    // Board pixel of the centre of cell (x, y) (the test world has no offset).
    static double CellX(int x) { return x * 60 + 30; }
    static double CellY(int y) { return y * 60 + 30; }

    // Colour of the frame lines of cell (x, y): the middle of its top edge.
    uint32_t TopEdge(int x, int y) { return board().pixel(x * 60 + 30, y * 60); }
    // The middle of its left edge.
    uint32_t LeftEdge(int x, int y) { return board().pixel(x * 60, y * 60 + 30); }
    uint32_t Entry(int i) const {
        const ColorEntry& e = ctx.ColorTable.at(static_cast<size_t>(i));
        return Color{static_cast<uint8_t>(e.R), static_cast<uint8_t>(e.G), static_cast<uint8_t>(e.B)}.rgb();
    }

    // The sound numbers played since the last call, from the recorded file names.
    std::vector<int> Sounds() {
        std::vector<int> out;
        for (const std::string& p : audio.played) out.push_back(std::stoi(p.substr(p.size() - 7, 3)) - 1);
        audio.played.clear();
        return out;
    }

    // Lets the game screen play what its handlers queued, as the main loop
    // would: until nothing is left to show or the screen has closed.
    void Settle() {
        if (game != nullptr) g().Advance();
        while (game != nullptr && !game->IsClosed() &&
               (!g().show.Empty() || !g().buttons.Empty() || (g().exitScreen != nullptr && !g().exitScreen->closed()))) {
            plat->waitEvents(-1);
        }
    }

    // The board handlers, called as the board's mouse events call them.
    void Click(int x, int y) {
        BoardClick(g(), 1, 0, CellX(x), CellY(y));
        g().Advance();
        Settle();
    }
    void Hover(int x, int y) { BoardHover(g(), CellX(x), CellY(y)); }
};

// A game started on World0, with the sounds of its start already taken.
class StartedGameTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Start();
        ASSERT_FALSE(game->IsClosed()) << (messages.shown.empty() ? "" : messages.shown[0].text);
        Sounds();
    }
};

}  // namespace sd::test

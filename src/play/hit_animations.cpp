#include "play/hit_animations.h"

#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/input/platform.h"
#include "play/sound.h"
#include "render/board_drawing.h"

namespace sd {

namespace {

constexpr platform::Color kBlack{0, 0, 0};
constexpr platform::Color kHitRing{250, 150, 0};
constexpr uint32_t kRingMs = 50;
constexpr uint32_t kBlinkMs = 200;
constexpr uint32_t kExplosionFrameMs = 150;
constexpr uint32_t kBangDelayMs = 80;
constexpr int kExplosionFrames = 16;

}  // namespace

void DoHit(GameScreen& g, int16_t X, int16_t Y) {
    for (int radius = 0; radius <= 4; ++radius) {
        g.show.Then([&g, X, Y, radius] { g.gfx.PicBack->canvas().circle(X, Y, radius, kHitRing); });
        g.show.Pause(kRingMs);
    }
    for (int radius = 4; radius >= 0; --radius) {
        g.show.Then([&g, X, Y, radius] { g.gfx.PicBack->canvas().circle(X, Y, radius, kBlack); });
        g.show.Pause(kRingMs);
    }
}

void DoBlink(GameScreen& g, int16_t X, int16_t Y) {
    for (int i = 0; i < 3; ++i) {
        g.show.Then([&g, X, Y] { DrawCellFrame(g.ctx, g.gfx.PicBack->canvas(), X, Y, TableColor(g.ctx, 4)); });
        g.show.Pause(kBlinkMs);
        g.show.Then([&g, X, Y] { DrawCellFrame(g.ctx, g.gfx.PicBack->canvas(), X, Y, kBlack); });
        g.show.Pause(kBlinkMs);
    }
}

void Explosion(GameScreen& g, int16_t XZelle, int16_t YZelle) {
    g.show.Then([&g, XZelle, YZelle] { DrawCellFrame(g.ctx, g.gfx.PicBack->canvas(), XZelle, YZelle, kBlack); });
    for (int i = 0; i < kExplosionFrames; ++i) {
        g.show.Then([&g, XZelle, YZelle, i] {
            // Frames larger than a cell overlap its neighbours: they are not scaled.
            const PixelPoint corner = CellCorner(g.ctx.World, XZelle, YZelle);
            g.gfx.PicClipExplosion.paintCell(i, g.gfx.PicBack->canvas(), corner.x, corner.y);
            g.platform.refresh();
        });
        g.show.Pause(kExplosionFrameMs);
    }
    g.show.Pause(kBangDelayMs);
    g.show.Then([&g] { PlaySoundEffect(g.ctx, Sfx::Explosion); });
}

}  // namespace sd

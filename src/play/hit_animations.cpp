#include "play/hit_animations.h"

#include "data/board_geometry.h"
#include "data/context.h"
#include "platform/platform.h"
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

bool DoHit(GameScreen& g, int16_t X, int16_t Y) {
    platform::Surface& board = g.gfx.PicBack->canvas();
    for (int radius = 0; radius <= 4; ++radius) {
        board.circle(X, Y, radius, kHitRing);
        if (!g.Wait(kRingMs)) return false;
    }
    for (int radius = 4; radius >= 0; --radius) {
        board.circle(X, Y, radius, kBlack);
        if (!g.Wait(kRingMs)) return false;
    }
    return true;
}

bool DoBlink(GameScreen& g, int16_t X, int16_t Y) {
    platform::Surface& board = g.gfx.PicBack->canvas();
    for (int i = 0; i < 3; ++i) {
        DrawCellFrame(g.ctx, board, X, Y, TableColor(g.ctx, 4));
        if (!g.Wait(kBlinkMs)) return false;
        DrawCellFrame(g.ctx, board, X, Y, kBlack);
        if (!g.Wait(kBlinkMs)) return false;
    }
    return true;
}

bool Explosion(GameScreen& g, int16_t XZelle, int16_t YZelle) {
    platform::Surface& board = g.gfx.PicBack->canvas();
    DrawCellFrame(g.ctx, board, XZelle, YZelle, kBlack);
    const PixelPoint corner = CellCorner(g.ctx.World, XZelle, YZelle);
    for (int i = 0; i < kExplosionFrames; ++i) {
        // Frames larger than a cell overlap its neighbours: they are not scaled.
        g.gfx.PicClipExplosion.paintCell(i, board, corner.x, corner.y);
        g.platform.refresh();
        if (!g.Wait(kExplosionFrameMs)) return false;
    }
    if (!g.Wait(kBangDelayMs)) return false;
    PlaySoundEffect(g.ctx, Sfx::Explosion);
    return true;
}

}  // namespace sd

#include "play/perform.h"

#include <string>

#include "base/layout.h"
#include "combat/firing.h"
#include "combat/game_rules.h"
#include "combat/movement.h"
#include "data/context.h"
#include "platform/input/element.h"
#include "play/shoot.h"
#include "play/shot_playback.h"
#include "play/shot_trail.h"
#include "play/sound.h"
#include "play/status_report.h"
#include "play/turn_cycle.h"
#include "render/bitmap_text.h"
#include "render/info_panel.h"

namespace sd {

namespace {

// Before the selection changes: the grid pass still frames the old one as the
// state has it, which the new frames then cover.
void BeforeSelect(GameScreen& g, const Action& a) {
    const GameStateRecord& s = g.ctx.GameState;
    BoardView view;
    view.grid = true;
    if (a.unit == kNoCell) {
        PlaySoundEffect(g.ctx, Sfx::Deselect);
        view.hoverValid = s.hasSelection();
        view.hover = {s.SelectedX, s.SelectedY};
    } else {
        PlaySoundEffect(g.ctx, Sfx::Select);
        view.eraseValid = s.hasSelection();
        view.erase = {s.SelectedX, s.SelectedY};
        view.selectionValid = true;
        view.selection = a.unit;
    }
    DrawFrames(g, view);
}

// The unit's values, portrait and weapon on the info panel.
void ShowSelected(GameScreen& g, CellPos c) {
    Context& ctx = g.ctx;
    GameGraphics& gfx = g.gfx;
    g.info.ShowCellInfo(ctx, gfx, c.x, c.y, *gfx.PicDisplay1, *gfx.PicMMC);
    const int16_t t = ctx.World.CellMap(c.x, c.y);
    const int portrait = PortraitCell(t, false);
    if (portrait >= 0) gfx.PicMMC->setPicture(gfx.PicClipAnim.cell(portrait));
    gfx.PicClipWeaponSelect.paintCell(static_cast<int>(ctx.World.thing(t).Weapon), gfx.PicDisplay1->canvas(),
                                      layout::kWeaponLeft, layout::kWeaponTop);
}

void ShowMove(GameScreen& g, const Outcome& o) {
    RepaintBoard(g);
    g.info.ShowCellInfo(g.ctx, g.gfx, o.action.target.x, o.action.target.y, *g.gfx.PicDisplay1, *g.gfx.PicMMC);
}

void ShowWeapon(GameScreen& g, Weapon w) {
    g.gfx.PicClipWeaponSelect.paintCell(static_cast<int>(w), g.gfx.PicDisplay1->canvas(), layout::kWeaponLeft,
                                        layout::kWeaponTop);
    PlaySoundEffect(g.ctx, w == Weapon::Beam ? Sfx::WeaponBeam : Sfx::WeaponPlasma);
}

void ShowHandOver(GameScreen& g, const Outcome& o) {
    // The team whose turn begins plays afresh: its last trail goes.
    ClearTrail(g, o.player);
    RepaintBoard(g);
    BoardView view;
    view.grid = true;
    DrawFrames(g, view);
    platform::Surface& panel = g.info.ClearText(*g.gfx.PicDisplay1);
    DrawFontText(g.gfx, 195, 20, "Zug " + std::to_string(o.turn), panel, true, false, false);
    DrawFontText(g.gfx, 195, 40, "Spieler " + std::to_string(o.player) + " kann nun mir seinen", panel, false, false,
                 true);
    DrawFontText(g.gfx, 195, 55, "Entscheidungen beginnen.", panel, false, false, true);
}

}  // namespace

void DrawFrames(GameScreen& g, BoardView view) {
    if (view.selectionValid) view.reach = FramedReach(g.ctx.World, view.selection);
    DrawBoardFrames(g.ctx, g.gfx.PicBack->canvas(), view);
}

void QueueDecidedAction(GameScreen& g, const Action& a) {
    g.show.Then([&g, a] {
        if (a.kind != ActionKind::Fire) {
            Perform(g, a);
            return;
        }
        g.presetAngle = a.angle;
        Shoot(g, a.unit.x, a.unit.y, a.target.x, a.target.y);
    });
}

Outcome Perform(GameScreen& g, const Action& a) {
    Context& ctx = g.ctx;
    const bool allowed = CheckAction(ctx.World, ctx.GameState, a) == Refusal::None;
    if (allowed && a.kind == ActionKind::Select) BeforeSelect(g, a);
    const Outcome o = g.game.Apply(a);
    g.lastOutcome = o;
    if (o.refused()) {
        const int16_t sound = RefusalSound(o.refusal);
        if (sound >= 0) PlaySoundEffect(ctx, sound);
        ReportOutcome(g, o);
        return o;
    }
    switch (a.kind) {
        case ActionKind::Select:
            if (a.unit == kNoCell) {
                g.gfx.PicMMC->setPicture(platform::Surface());
            } else {
                ShowSelected(g, a.unit);
            }
            break;
        case ActionKind::Move: ShowMove(g, o); break;
        case ActionKind::SwitchWeapon: ShowWeapon(g, a.weapon); break;
        case ActionKind::Fire: ShowShot(g, o); break;
        case ActionKind::EndTurn: ShowHandOver(g, o); break;
    }
    // A shot tells what it did once it has been seen.
    if (a.kind != ActionKind::Fire) ReportOutcome(g, o);
    return o;
}

}  // namespace sd

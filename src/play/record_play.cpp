#include "play/record_play.h"

#include <array>

#include "combat/game_record.h"
#include "data/context.h"
#include "platform/input/platform.h"
#include "play/computer_turn.h"
#include "play/game_recorder.h"
#include "play/perform.h"
#include "play/record_play_impl.h"
#include "play/turn_cycle.h"

namespace sd {

namespace {

// The pause between two replayed actions at each speed; the animations of
// an action keep their own pace.
constexpr std::array<uint32_t, 5> kReplayGapMs{2000, 1200, 700, 300, 80};

void Hook(GameScreen& g) {
    if (!g.recorder) return;
    g.game.onApplied = [&g](const Outcome& o) {
        g.recorder->Append(o);
        if (o.winner != 0) g.recorder->Finish(o.winner, o.turns);
    };
}

void QueueNext(GameScreen& g);

void ReplayStep(GameScreen& g) {
    if (g.closed || !g.replay) return;
    ReplayState& r = *g.replay;
    if (r.next >= r.actions.size()) return;
    if (r.paused && !r.step) {
        g.show.Until([&g] { return !g.replay->paused || g.replay->step; });
        QueueNext(g);
        return;
    }
    r.step = false;
    const Action a = r.actions[r.next++];
    QueueDecidedAction(g, a);
    g.show.Pause(kReplayGapMs[static_cast<size_t>(r.speed)]);
    QueueNext(g);
}

void QueueNext(GameScreen& g) {
    g.show.Then([&g] { ReplayStep(g); });
}

void ReplayKey(GameScreen& g, platform::Key key) {
    if (g.closed || !g.replay) return;
    ReplayState& r = *g.replay;
    switch (key) {
        default: break;
        case platform::Key::Space: r.paused = !r.paused; break;
        case platform::Key::Right:
            r.paused = true;
            r.step = true;
            break;
        case platform::Key::Plus: r.speed = std::min<int>(r.speed + 1, kReplayGapMs.size() - 1); break;
        case platform::Key::Minus: r.speed = std::max(r.speed - 1, 0); break;
        case platform::Key::Escape: g.CloseGameScreen(); return;
    }
    g.Advance();
}

}  // namespace

void BeginRecord(GameScreen& g) {
    if (!g.ctx.recordsOn) return;
    g.recorder = GameRecorder::Begin(g.ctx, HeaderForNewGame(g.ctx));
    Hook(g);
}

void BeginNetworkRecord(GameScreen& g, int16_t side, const std::string& started, uint32_t seed) {
    if (!g.ctx.recordsOn) return;
    RecordHeader h = HeaderForNewGame(g.ctx);
    h.side = side;
    if (!started.empty()) h.started = started;
    h.seed = seed;
    g.recorder = GameRecorder::Begin(g.ctx, h);
    Hook(g);
}

void ContinueRecord(GameScreen& g, const GameRecord& r) {
    Context& ctx = g.ctx;
    const bool sound = ctx.SoundOn;
    ctx.SoundOn = false;
    // The turn in progress is shown as its hand-over showed it, then what was
    // done in it since; the turns before only change the world.
    size_t handOver = r.actions.size();
    for (size_t i = 0; i < r.actions.size(); ++i) {
        if (r.actions[i].action.kind == ActionKind::EndTurn && !r.actions[i].refused) handOver = i;
    }
    // The portrait stays through the hand-over: the last selection before it
    // is shown as it was.
    size_t lastSelect = r.actions.size();
    for (size_t i = 0; i < handOver && handOver < r.actions.size(); ++i) {
        if (r.actions[i].action.kind == ActionKind::Select && !r.actions[i].refused) lastSelect = i;
    }
    for (size_t i = 0; i < r.actions.size(); ++i) {
        const Action& a = r.actions[i].action;
        if (handOver < r.actions.size() && i < handOver && i != lastSelect) {
            g.game.Apply(a);
        } else if (a.kind == ActionKind::Fire) {
            g.game.Apply(a);
            RepaintBoard(g);
        } else {
            Perform(g, a);
        }
    }
    const GameStateRecord& s = ctx.GameState;
    BoardView view;
    view.grid = true;
    view.selectionValid = s.hasSelection();
    view.selection = {s.SelectedX, s.SelectedY};
    DrawFrames(g, view);
    ctx.SoundOn = sound;
    if (ctx.recordsOn) {
        g.recorder = GameRecorder::Resume(ctx, r.header);
        Hook(g);
    }
    g.platform.refresh();
    PlayComputerTurn(g);
}

void StartReplay(GameScreen& g, const GameRecord& r, const std::string& title) {
    g.replay = std::make_unique<ReplayState>();
    for (const RecordedAction& a : r.actions) g.replay->actions.push_back(a.action);
    g.platform.window().setTitle(title);
    g.screen->on.key = [&g](platform::Key k) { ReplayKey(g, k); };
    QueueNext(g);
    g.Advance();
}

void EndRecordOnClose(GameScreen& g) {
    if (g.recorder && g.ctx.GameState.GameOver) g.recorder->Finish(g.ctx.GameState.Winner, g.ctx.GameState.TurnCounter);
    g.recorder.reset();
    if (g.replay) {
        g.ctx.opponent = g.replay->savedOpponent;
        g.platform.window().setTitle("Sternenduell");
    }
}

}  // namespace sd

// The few operations of the world model itself.
#include "data/world_model.h"

#include "data/context.h"

namespace sd {

void CellGrid::reset(int maxX, int maxY) {
    cells_.clear();
    if (maxX < 0 || maxY < 0) {
        maxX_ = -1;
        maxY_ = -1;
        return;
    }
    maxX_ = maxX;
    maxY_ = maxY;
    cells_.assign(static_cast<size_t>(maxX + 1) * static_cast<size_t>(maxY + 1), int16_t{0});
}

const Thing& WorldRecord::thing(int n) const {
    static const Thing zero{};
    if (n >= 0 && static_cast<size_t>(n) < Things.size()) return Things[static_cast<size_t>(n)];
    return zero;
}

Thing& WorldRecord::thing(int n) {
    if (n >= 0 && static_cast<size_t>(n) < Things.size()) return Things[static_cast<size_t>(n)];
    // A number outside the table is nobody's empty thing.
    outside_ = Thing{};
    return outside_;
}

void ResetGameState(Context& ctx, const std::tm& now) {
    GameStateRecord& g = ctx.GameState;
    g.SelectedX = -1;
    g.SelectedY = -1;
    g.CurrentPlayer = 1;
    g.TurnCounter = 1;
    g.GridVisible = false;
    g.GameOver = false;
    g.Winner = 0;
    g.StartTime = now;
}

}  // namespace sd

#pragma once
// The world model: the whole state of one game. Plain data with the field names
// the rest of the game (and the data files) use.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace sd {

struct Context;

// What a unit fires: the values are what the info panel's weapon strip shows
// in its rows.
enum class Weapon : int16_t { Plasma = 0, Beam = 1 };

// One thing on the board: a unit, a planet, a sun, an asteroid ...
struct Thing {
    std::string Text;       // display name (Windows-1252 bytes as in worlds.dat)
    std::string Bemerkung;  // remark, each line ended by '\r'
    int16_t Energie = 0;    // action energy; refilled to 100 at every change of player
    int16_t Plasma = 0;     // plasma charges
    int16_t Schild = 0;     // shield; below 1 the thing explodes
    double Grav = 0.0;      // gravity acting on flying shots
    int16_t Besitzer = 0;   // owner: 1 blue, 2 red, 0 / -1 nobody (-1 stops plasma)
    sd::Weapon Weapon = sd::Weapon::Plasma;
};

struct ColorEntry {
    int16_t R = 0;
    int16_t G = 0;
    int16_t B = 0;
};

// The cells of the board, indices x = 0..maxX and y = 0..maxY (both included:
// one column and one row more than the board shows).
class CellGrid {
public:
    CellGrid() = default;
    // A grid with x = 0..maxX, y = 0..maxY, every cell 0. Negative bounds give no cells.
    void reset(int maxX, int maxY);
    bool empty() const { return cells_.empty(); }
    int maxX() const { return maxX_; }
    int maxY() const { return maxY_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x <= maxX_ && y <= maxY_ && !cells_.empty(); }
    // Reading outside the grid gives 0 (empty space); writing outside is ignored.
    int16_t operator()(int x, int y) const { return contains(x, y) ? cells_[index(x, y)] : int16_t{0}; }
    void set(int x, int y, int16_t value) {
        if (contains(x, y)) cells_[index(x, y)] = value;
    }

private:
    size_t index(int x, int y) const { return static_cast<size_t>(x) * static_cast<size_t>(maxY_ + 1) + static_cast<size_t>(y); }
    int maxX_ = -1;
    int maxY_ = -1;
    std::vector<int16_t> cells_;
};

struct WorldRecord {
    int16_t Raster_x = 0;
    int16_t Raster_y = 0;
    int16_t Raster_width = 0;
    int16_t Raster_height = 0;
    int16_t Raster_max_x = 0;
    int16_t Raster_max_y = 0;
    int16_t EnergiePoints = 0;
    int16_t HitPoints1 = 0;
    int16_t HitPoints2 = 0;
    int16_t Thing_counter = 0;
    std::vector<Thing> Things;  // indices 0..Thing_counter; entry 0 is never loaded
    CellGrid CellMap;

    // The record of thing number n; numbers outside the table read as the
    // all-zero entry (owner 0), like an empty cell.
    const Thing& thing(int n) const;
    Thing& thing(int n);

private:
    // Stands in for a number outside the table when a caller writes: cleared at
    // every such use, so those writes leave no trace.
    Thing outside_;

public:
    // Owner of the thing in cell (x, y); an empty cell has owner 0.
    int16_t ownerAt(int x, int y) const { return thing(CellMap(x, y)).Besitzer; }
};

struct GameStateRecord {
    int16_t WorldNumber = 0;
    int16_t SelectedX = 0;
    int16_t SelectedY = 0;
    int16_t CurrentPlayer = 0;
    int16_t TurnCounter = 0;
    std::tm StartTime{};
    bool GridVisible = false;
    bool GameOver = false;  // the game screen is done with this game (won and seen, or left)
    int16_t AimAngle = 0;
    int32_t SpeedDelay = 0;
    int16_t Winner = 0;  // the team that destroyed the last enemy unit; 0 while the battle goes on

    bool hasSelection() const { return SelectedX > -1 && SelectedY > -1; }
};

// Starts the state of play of a new game: no selection, player 1, turn 1, grid
// hidden, not over, started at now (local time). Leaves the world, colours,
// WorldNumber, AimAngle and SpeedDelay alone.
void ResetGameState(Context& ctx, const std::tm& now);

}  // namespace sd

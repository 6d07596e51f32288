#include "combat/shot_survey.h"

#include "data/board_geometry.h"

namespace sd {

std::vector<CellPos> UnitsOf(const WorldRecord& w, int16_t player) {
    std::vector<CellPos> units;
    for (int16_t x = 0; x < w.Raster_max_x; ++x) {
        for (int16_t y = 0; y < w.Raster_max_y; ++y) {
            if (w.CellMap(x, y) > 0 && w.ownerAt(x, y) == player) units.push_back({x, y});
        }
    }
    return units;
}

std::vector<SurveyedShot> SurveyShots(const WorldRecord& w, int16_t player) {
    std::vector<SurveyedShot> shots;
    for (const CellPos& unit : UnitsOf(w, player)) {
        const PixelPoint launch = CellCentre(w, unit.x, unit.y);
        for (int16_t angle = 0; angle < 360; ++angle) {
            shots.push_back({unit, angle, RunFlight(w, player, launch.x, launch.y, angle)});
        }
    }
    return shots;
}

}  // namespace sd

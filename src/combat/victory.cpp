#include "combat/victory.h"

#include <cstdlib>
#include <limits>

namespace sd {

namespace {

// Days since 1970-01-01 in the proleptic Gregorian calendar (the civil-date
// algorithm: years counted from March, so the leap day ends a year).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The minute a calendar time falls in, counted from 1970; seconds are dropped.
int64_t MinuteOf(const std::tm& t) {
    // A month outside 0..11 moves the year, as the C library would read it.
    const int64_t month = t.tm_mon;
    const int64_t years = month >= 0 ? month / 12 : -((11 - month) / 12);
    const int64_t days = DaysFromCivil(int64_t{t.tm_year} + 1900 + years, month - years * 12 + 1, 1) +
                         (int64_t{t.tm_mday} - 1);
    return (days * 24 + t.tm_hour) * 60 + t.tm_min;
}

}  // namespace

bool IsVictory(const WorldRecord& w, int16_t currentPlayer) {
    const CellGrid& map = w.CellMap;
    for (int x = 0; x <= map.maxX(); ++x) {
        for (int y = 0; y <= map.maxY(); ++y) {
            const int16_t owner = w.ownerAt(x, y);
            if (owner > 0 && owner != currentPlayer) return false;
        }
    }
    return true;
}

int32_t BattleMinutes(const std::tm& start, const std::tm& now) {
    const int64_t minutes = std::llabs(MinuteOf(now) - MinuteOf(start));
    return minutes > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                         : static_cast<int32_t>(minutes);
}

std::array<std::string, 4> VictoryLines(int16_t iPlayer, int32_t minutes, int16_t turns) {
    return {"Das Spiel ist zu Ende.",
            "Team " + std::to_string(iPlayer) + (iPlayer == 1 ? " (blau) hat in einer" : " (rot) hat in einer"),
            std::to_string(minutes) + " min\xFCtigen Schlacht",
            "mit " + std::to_string(turns) + " Z\xFCgen den Gegner geschlagen."};
}

}  // namespace sd

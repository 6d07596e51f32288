// The victory test, the battle's length and the victory message.
#include <gtest/gtest.h>

#include "combat/victory.h"
#include "combat_world.h"

namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return t;
}

TEST(Victory, AnyEnemyLeftAnywherePreventsIt) {
    CombatWorld c(4, 3);
    c.place(0, 0, 1);
    c.place(1, 1, 0);
    c.place(2, 1, -1);
    EXPECT_TRUE(sd::IsVictory(c.w, 1));
    EXPECT_FALSE(sd::IsVictory(c.w, 2));
    // Even in the extra column and row, whatever its shield.
    const int16_t red = c.place(4, 3, 2, -1.0, -5);
    EXPECT_FALSE(sd::IsVictory(c.w, 1));
    // Destroyed: the record stays, the cell is empty.
    c.w.CellMap.set(4, 3, 0);
    EXPECT_EQ(c.w.Things[red].Besitzer, 2);
    EXPECT_TRUE(sd::IsVictory(c.w, 1));
}

TEST(Victory, OwnersAboveTwoAreEverybodysEnemy) {
    CombatWorld c(4, 3);
    c.place(0, 0, 1);
    c.place(3, 2, 7);
    EXPECT_FALSE(sd::IsVictory(c.w, 1));
    EXPECT_FALSE(sd::IsVictory(c.w, 2));
    EXPECT_FALSE(sd::IsVictory(c.w, 7));  // player 1 is still there
}

TEST(Victory, MinutesCountClockMinutes) {
    EXPECT_EQ(sd::BattleMinutes(At(2024, 5, 1, 10, 0, 0), At(2024, 5, 1, 10, 0, 59)), 0);
    EXPECT_EQ(sd::BattleMinutes(At(2024, 5, 1, 10, 0, 59), At(2024, 5, 1, 10, 1, 1)), 1);
    EXPECT_EQ(sd::BattleMinutes(At(2024, 5, 1, 10, 1, 1), At(2024, 5, 1, 10, 0, 59)), 1);
    EXPECT_EQ(sd::BattleMinutes(At(2024, 5, 1, 9, 48, 30), At(2024, 5, 1, 10, 0, 0)), 12);
    // Across midnight, the end of a leap-year February and the year.
    EXPECT_EQ(sd::BattleMinutes(At(2024, 2, 28, 23, 50, 0), At(2024, 2, 29, 0, 10, 0)), 20);
    EXPECT_EQ(sd::BattleMinutes(At(2024, 2, 29, 23, 59, 0), At(2024, 3, 1, 0, 1, 0)), 2);
    EXPECT_EQ(sd::BattleMinutes(At(2023, 2, 28, 23, 59, 0), At(2023, 3, 1, 0, 0, 0)), 1);
    EXPECT_EQ(sd::BattleMinutes(At(2024, 12, 31, 23, 30, 0), At(2025, 1, 1, 0, 30, 0)), 60);
    // The wall clock is what counts, whatever the zone says about daylight saving.
    std::tm dst = At(2024, 3, 31, 1, 30, 0);
    dst.tm_isdst = 1;
    EXPECT_EQ(sd::BattleMinutes(At(2024, 3, 31, 1, 0, 0), dst), 30);
}

TEST(Victory, FourLinesNameTheWinner) {
    const auto blue = sd::VictoryLines(1, 12, 7);
    EXPECT_EQ(blue[0], "Das Spiel ist zu Ende.");
    EXPECT_EQ(blue[1], "Team 1 (blau) hat in einer");
    EXPECT_EQ(blue[2], "12 min\xFCtigen Schlacht");
    EXPECT_EQ(blue[3], "mit 7 Z\xFCgen den Gegner geschlagen.");
    const auto red = sd::VictoryLines(2, 0, 1);
    EXPECT_EQ(red[1], "Team 2 (rot) hat in einer");
    EXPECT_EQ(red[2], "0 min\xFCtigen Schlacht");
    EXPECT_EQ(red[3], "mit 1 Z\xFCgen den Gegner geschlagen.");
    EXPECT_EQ(sd::VictoryLines(3, 1, 1)[1], "Team 3 (rot) hat in einer");
}

}  // namespace

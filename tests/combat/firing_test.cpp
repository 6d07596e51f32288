// Firing rules: refusals, costs, damage and destruction.
#include <gtest/gtest.h>

#include "combat/firing.h"
#include "combat_world.h"

namespace {

using sd::ShotRefusal;

class Firing : public ::testing::Test {
protected:
    void SetUp() override {
        shooter = c.place(2, 2, 1);
        target = c.place(4, 4, 2);
    }
    sd::Thing& source() { return c.w.Things[shooter]; }
    ShotRefusal check(int16_t x, int16_t y) { return sd::CheckShot(c.w, 2, 2, x, y); }

    CombatWorld c;
    int16_t shooter = 0, target = 0;
};

TEST_F(Firing, RefusalsComeInTheirOrderWithTheirSounds) {
    source().Plasma = 0;
    source().Energie = 0;
    source().Weapon = sd::Weapon::Plasma;
    EXPECT_EQ(check(9, 6), ShotRefusal::NoCharge);  // plasma has no reach limit to fail
    source().Plasma = 1;
    EXPECT_EQ(check(9, 6), ShotRefusal::None);
    source().Weapon = sd::Weapon::Beam;
    EXPECT_EQ(check(9, 6), ShotRefusal::NoEnergy);  // before the reach
    source().Energie = 50;
    EXPECT_EQ(check(9, 6), ShotRefusal::OutOfRange);
    EXPECT_EQ(sd::RefusalSound(ShotRefusal::NoCharge), 14);
    EXPECT_EQ(sd::RefusalSound(ShotRefusal::NoEnergy), 14);
    EXPECT_EQ(sd::RefusalSound(ShotRefusal::OutOfRange), 13);
    EXPECT_EQ(sd::RefusalSound(ShotRefusal::None), -1);
}

TEST_F(Firing, BeamNeedsItsEnergyAndReachesTwoCells) {
    source().Weapon = sd::Weapon::Beam;
    source().Plasma = 0;  // charges do not matter to the beam
    source().Energie = 50;
    EXPECT_EQ(check(4, 4), ShotRefusal::None);  // two cells diagonally
    EXPECT_EQ(check(0, 0), ShotRefusal::None);
    EXPECT_EQ(check(5, 2), ShotRefusal::OutOfRange);
    EXPECT_EQ(check(2, 5), ShotRefusal::OutOfRange);
    EXPECT_EQ(check(2, -1), ShotRefusal::OutOfRange);
    source().Energie = 49;
    EXPECT_EQ(check(4, 4), ShotRefusal::NoEnergy);
    c.w.EnergiePoints = 49;
    EXPECT_EQ(check(4, 4), ShotRefusal::None);
    EXPECT_FALSE(sd::FiresPlasma(c.w, 2, 2));
}

TEST_F(Firing, OtherWeaponValuesPassEveryTestAndFireTheBeam) {
    source().Weapon = static_cast<sd::Weapon>(2);
    source().Plasma = 0;
    source().Energie = 0;
    EXPECT_EQ(check(9, 6), ShotRefusal::None);
    EXPECT_FALSE(sd::FiresPlasma(c.w, 2, 2));
}

TEST_F(Firing, CostsAndDamageSaturateAtSixteenBits) {
    source().Energie = 120;
    sd::ChargeBeam(c.w, 2, 2);
    EXPECT_EQ(source().Energie, 70);
    sd::ChargePlasmaHit(c.w, 2, 2);
    EXPECT_EQ(source().Plasma, 2);
    source().Energie = -32760;
    sd::ChargeBeam(c.w, 2, 2);
    EXPECT_EQ(source().Energie, -32768);
    c.at(4, 4).Schild = 10;
    sd::Damage(c.w, 4, 4, 32767);
    EXPECT_EQ(c.at(4, 4).Schild, -32757);
    sd::Damage(c.w, 4, 4, 32767);
    EXPECT_EQ(c.at(4, 4).Schild, -32768);
}

TEST_F(Firing, EmptySpaceTakesNoDamageAndNeverExplodes) {
    sd::Damage(c.w, 7, 1, 40);
    sd::ChargeBeam(c.w, 7, 1);
    sd::ChargePlasmaHit(c.w, 7, 1);
    EXPECT_EQ(c.w.Things[0].Schild, 0);
    EXPECT_EQ(c.w.Things[0].Energie, 0);
    EXPECT_EQ(c.w.Things[0].Plasma, 0);
    EXPECT_FALSE(sd::IsDestroyed(c.w, 7, 1));
}

TEST_F(Firing, ShieldBelowOneDestroysAndOnlyTheCellEmpties) {
    c.at(4, 4).Schild = 41;
    sd::Damage(c.w, 4, 4, c.w.HitPoints2);
    EXPECT_EQ(c.at(4, 4).Schild, 1);
    EXPECT_FALSE(sd::IsDestroyed(c.w, 4, 4));

    c.w.CellMap.set(5, 4, target);  // a second cell sharing the record
    c.at(4, 4).Schild = 40;
    sd::Damage(c.w, 4, 4, c.w.HitPoints2);
    EXPECT_EQ(c.at(5, 4).Schild, 0);
    EXPECT_TRUE(sd::IsDestroyed(c.w, 4, 4));
    EXPECT_TRUE(sd::IsDestroyed(c.w, 5, 4));
    sd::RemoveThing(c.w, 4, 4);
    EXPECT_EQ(c.w.CellMap(4, 4), 0);
    EXPECT_EQ(c.w.CellMap(5, 4), target);
    EXPECT_EQ(c.w.Things.size(), 3u);
    EXPECT_EQ(c.w.Things[target].Besitzer, 2);
    EXPECT_FALSE(sd::IsDestroyed(c.w, 4, 4));
}

TEST_F(Firing, MissedTargetGoesOnlyIfItsShieldWasGoneAlready) {
    // After a plasma miss the clicked target is examined untouched.
    EXPECT_FALSE(sd::IsDestroyed(c.w, 4, 4));
    c.at(4, 4).Schild = -1;  // a world that hides the shield
    EXPECT_TRUE(sd::IsDestroyed(c.w, 4, 4));
}

}  // namespace

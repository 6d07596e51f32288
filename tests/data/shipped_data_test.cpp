// The data files we ship: every world loads without a message and is fair.
#include "data/ini_file.h"
#include "data/settings_file.h"
#include "data/world_file.h"
#include "data_fixture.h"

namespace {

// Blue units 14..16 face red units 17..19 of the same kind.
int16_t MirrorThing(int16_t n) {
    if (n >= 14 && n <= 16) return static_cast<int16_t>(n + 3);
    if (n >= 17 && n <= 19) return static_cast<int16_t>(n - 3);
    return n;
}

}  // namespace

class ShippedData : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ctx.programDir = SD_SOURCE_DIR "/data";
    }
};

TEST_F(ShippedData, TenBalancedWorlds) {
    for (int16_t n = 0; n <= 9; ++n) {
        ASSERT_TRUE(loadWorld(n)) << "World" << n;
        const sd::WorldRecord& w = ctx.World;
        EXPECT_EQ(w.Raster_width * w.Raster_max_x + 1, 721);
        EXPECT_EQ(w.Raster_height * w.Raster_max_y + 1, 421);
        const std::string name = sd::IniFile::load(ctx.path("worlds.dat")).value("World" + std::to_string(n), "Name");
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 12u);
        // Not mirror images: the gravity favours blue in those. The shots
        // themselves are measured in the combat tests.
        int blue = 0, red = 0;
        int uses[20] = {};
        for (int y = 0; y <= w.Raster_max_y; ++y) {
            for (int x = 0; x <= w.Raster_max_x; ++x) {
                const int16_t t = w.CellMap(x, y);
                blue += w.thing(t).Besitzer == 1;
                red += w.thing(t).Besitzer == 2;
                if (t >= 14 && t <= 19) ++uses[t];
            }
        }
        EXPECT_GT(blue, 0);
        EXPECT_EQ(blue, red);
        // Units of one number would share one shield.
        for (int t = 14; t <= 19; ++t) EXPECT_LE(uses[t], 1) << "World" << n << " unit " << t;
    }
    EXPECT_TRUE(last.ok());
}

TEST_F(ShippedData, ThingsSuitTheInfoPanelAndTheirOwners) {
    ASSERT_TRUE(loadWorld(0));
    ASSERT_EQ(ctx.World.Thing_counter, 27);
    for (int n = 1; n <= 27; ++n) {
        const sd::Thing& t = ctx.World.Things[n];
        EXPECT_FALSE(t.Text.empty()) << n;
        int lines = 0;
        size_t start = 0;
        for (size_t cr; (cr = t.Bemerkung.find('\r', start)) != std::string::npos; start = cr + 1, ++lines) {
            EXPECT_LE(cr - start, 40u) << n;
        }
        EXPECT_GE(lines, 1) << n;
        EXPECT_LE(lines, 4) << n;
        for (char c : t.Text + t.Bemerkung) {
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || std::string_view(" !%:,.\r").find(c) != std::string_view::npos)
                << n << " '" << c << "'";
        }
        if (n >= 14 && n <= 19) {
            const sd::Thing& other = ctx.World.Things[MirrorThing(static_cast<int16_t>(n))];
            EXPECT_EQ(t.Besitzer, n <= 16 ? 1 : 2);
            EXPECT_EQ(t.Schild, other.Schild);
            EXPECT_EQ(t.Plasma, other.Plasma);
            EXPECT_EQ(t.Energie, other.Energie);
        } else {
            EXPECT_LE(t.Besitzer, 0) << n;
        }
    }
}

TEST_F(ShippedData, SettingsGiveTheFiveColours) {
    ASSERT_TRUE(loadSettings());
    EXPECT_TRUE(last.ok());
    EXPECT_GE(ctx.ColorTable.size(), 6u);
}

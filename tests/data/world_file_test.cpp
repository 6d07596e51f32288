#include "data/world_file.h"

#include "data_fixture.h"

namespace {

// A small valid worlds.dat. The given lines come first in their sections, so
// they win over the file's own lines of the same key.
std::string WorldsDat(const std::string& global, const std::string& things, const std::string& world) {
    return "[Global]\n" + global + "\nRaster_width=60\nRaster_height=60\nRaster_max_x=12\nRaster_max_y=7\n" +
           "[Thing_Type]\n" + things + "\nThing_counter=19\n[World2]\n" + world + "\n";
}

}  // namespace

class WorldFile : public DataFixture {
protected:
    void expectSafeEmptyWorld() {
        const sd::WorldRecord& w = ctx.World;
        EXPECT_EQ(w.Raster_max_x, 1);
        EXPECT_EQ(w.Raster_max_y, 1);
        EXPECT_GT(w.Raster_width, 0);
        EXPECT_EQ(w.EnergiePoints, 50);
        EXPECT_EQ(w.Thing_counter, 0);
        EXPECT_EQ(w.Things.size(), 1u);
        EXPECT_EQ(w.CellMap(0, 0) + w.CellMap(1, 1), 0);
    }
};

TEST_F(WorldFile, ConvertsEveryKindOfValue) {
    write("worlds.dat", WorldsDat("Raster_x=2.5\nRaster_y=3.5\nEnergiePoints=\nHitPoints1=7",
                                  "3_Text=Sonne\n3_Energie=2.5\n3_Plasma=3.5x\n3_Schild=abc\n3_Grav=0.25\n"
                                  "3_Besitzer=-1\n3_Bemerkung1=eins\n3_Bemerkung2=zwei\n3_Bemerkung4=vier\n",
                                  "1=5  7\n2=-3 0 abc 4x\n3=0 14 0 0 3\n4=0.4 1.5"));
    ASSERT_TRUE(loadWorld(2));
    EXPECT_TRUE(last.ok());
    const sd::WorldRecord& w = ctx.World;
    EXPECT_EQ(w.Raster_x, 2);
    EXPECT_EQ(w.Raster_y, 4);
    EXPECT_EQ(w.EnergiePoints, 50);  // present but empty
    EXPECT_EQ(w.HitPoints1, 7);
    EXPECT_EQ(w.HitPoints2, 40);
    EXPECT_EQ(w.CellMap.maxX(), 12);
    EXPECT_EQ(w.CellMap.maxY(), 7);
    EXPECT_EQ(w.CellMap(0, 0), 5);
    EXPECT_EQ(w.CellMap(1, 0), 0);
    EXPECT_EQ(w.CellMap(2, 0), 7);  // two blanks give an empty token
    for (int x = 0; x < 3; ++x) EXPECT_EQ(w.CellMap(x, 1), 0);
    EXPECT_EQ(w.CellMap(3, 1), 4);
    EXPECT_EQ(w.CellMap(1, 2), 14);
    EXPECT_EQ(w.CellMap(4, 2), 3);
    EXPECT_EQ(w.CellMap(0, 3), 0);
    EXPECT_EQ(w.CellMap(1, 3), 2);
    ASSERT_EQ(w.Things.size(), 20u);
    const sd::Thing& t = w.Things[3];
    EXPECT_EQ(t.Text, "Sonne");
    EXPECT_EQ(t.Energie, 2);
    EXPECT_EQ(t.Plasma, 4);
    EXPECT_EQ(t.Schild, 0);
    EXPECT_EQ(t.Grav, 0.25);
    EXPECT_EQ(t.Besitzer, -1);
    EXPECT_EQ(t.Weapon, sd::Weapon::Plasma);
    EXPECT_EQ(t.Bemerkung, "eins\rzwei\r");  // the gap ends the remark
    EXPECT_TRUE(w.Things[0].Text.empty());
}

TEST_F(WorldFile, MissingFileReportsAndLeavesDefaults) {
    EXPECT_FALSE(loadWorld(0));
    EXPECT_EQ(onlyMessage(), "DAT-Dateien nicht vorhanden! \"" + path("worlds.dat") + "\": nicht gefunden");
    const sd::WorldRecord& w = ctx.World;
    EXPECT_EQ(w.Raster_width + w.Raster_max_x + w.Raster_max_y, 0);
    EXPECT_EQ(w.EnergiePoints, 50);
    EXPECT_EQ(w.HitPoints1, 20);
    EXPECT_EQ(w.HitPoints2, 40);
    EXPECT_EQ(w.Things.size(), 1u);
    EXPECT_TRUE(w.CellMap.contains(0, 0));
    EXPECT_FALSE(w.CellMap.contains(1, 0));
}

TEST_F(WorldFile, MissingWorldAndNoThings) {
    write("worlds.dat", "[Global]\nRaster_width=60\nRaster_height=60\nRaster_max_x=12\nRaster_max_y=7\n");
    ASSERT_TRUE(loadWorld(5));
    EXPECT_EQ(ctx.World.Thing_counter, 0);
    EXPECT_EQ(ctx.World.Things.size(), 1u);
    EXPECT_EQ(ctx.World.CellMap(0, 0), 0);
}

TEST_F(WorldFile, RefusesWorldsThatCannotBePlayedSafely) {
    const std::string w = "worlds.dat, [";
    const std::string outside = "au\xDF" "erhalb";
    const struct {
        std::string global, things, world, message;
    } cases[] = {
        {"Raster_width=abc", "", "", w + "Global] Raster_width = \"abc\": keine ganze Zahl"},
        {"HitPoints2=32768", "", "", w + "Global] HitPoints2 = \"32768\": " + outside + " von -32768 bis 32767"},
        {"Raster_max_x=0", "", "", w + "Global] Raster_max_x = \"0\": muss mindestens 1 sein"},
        {"Raster_height=0", "", "", w + "Global] Raster_height = \"0\": muss mindestens 1 sein"},
        {"EnergiePoints=0", "", "", w + "Global] EnergiePoints = \"0\": muss gr\xF6\xDF" "er als 0 sein"},
        {"Raster_y=-1", "", "", w + "Global] Raster_y = \"-1\": darf nicht negativ sein"},
        {"Raster_x=65", "", "",
         w + "Global] Raster_x = \"65\", Raster_width = \"60\", Raster_max_x = \"12\": das Spielfeld reicht bis x = 801 "
             "und passt nicht auf den 800 Pixel breiten Bildschirm"},
        {"Raster_y=180", "", "",
         w + "Global] Raster_y = \"180\", Raster_height = \"60\", Raster_max_y = \"7\": das Spielfeld reicht bis y = 601 "
             "und passt nicht auf den 600 Pixel hohen Bildschirm"},
        {"", "Thing_counter=-2", "", w + "Thing_Type] Thing_counter = \"-2\": darf nicht negativ sein"},
        {"", "4_Schild=1e5", "", w + "Thing_Type] 4_Schild = \"1e5\": " + outside + " von -32768 bis 32767"},
        {"", "", "3=0 0 40000", w + "World2] 3 = \"40000\": in Spalte 2: " + outside + " von -32768 bis 32767"},
        {"", "", "2=0 0 0 0 0 0 0 0 0 0 0 0 0 5",
         w + "World2] 2 = \"5\": in Spalte 13: " + outside + " des Spielfelds (Spalten 0 bis 11)"},
        // The last column and row of the cell map lie beyond the board's last line.
        {"", "", "2=0 0 0 0 0 0 0 0 0 0 0 0 5",
         w + "World2] 2 = \"5\": in Spalte 12: " + outside + " des Spielfelds (Spalten 0 bis 11)"},
        {"Raster_max_y=5", "", "7=5",
         w + "World2] 7 = \"5\": in Zeile 6: " + outside + " des Spielfelds (Zeilen 0 bis 4)"},
        {"Raster_max_y=5", "", "6=5",
         w + "World2] 6 = \"5\": in Zeile 5: " + outside + " des Spielfelds (Zeilen 0 bis 4)"},
        {"", "", "1=0 20", w + "World2] 1 = \"20\": in Spalte 1: dieses Ding gibt es nicht (Thing_counter = 19)"},
        {"", "Thing_counter=30", "1=28",
         w + "World2] 1 = \"28\": in Spalte 0: f\xFC" "r dieses Ding gibt es kein Bild (h\xF6" "chstens 27)"},
    };
    for (const auto& c : cases) {
        write("worlds.dat", WorldsDat(c.global, c.things, c.world));
        EXPECT_FALSE(loadWorld(2)) << c.message;
        EXPECT_EQ(onlyMessage(), c.message);
        expectSafeEmptyWorld();
    }
}

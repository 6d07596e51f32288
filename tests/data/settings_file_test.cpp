#include "data/settings_file.h"

#include "data_fixture.h"

class SettingsFile : public DataFixture {
protected:
    void expectSafeBlackTable() {
        ASSERT_GE(ctx.ColorTable.size(), 6u);
        for (const sd::ColorEntry& c : ctx.ColorTable) EXPECT_TRUE(c.R == 0 && c.G == 0 && c.B == 0);
    }
};

TEST_F(SettingsFile, LoadsEntriesZeroToCounterWithTheLastBlack) {
    write("settings.dat", "[colors]\ncounter=5\n0R=1\n0G=2\n0B=3\n1R=255\n2G=2.5\n3R=7\n4B= 9 \n");
    ASSERT_TRUE(loadSettings());
    EXPECT_TRUE(last.ok());
    ASSERT_EQ(ctx.ColorTable.size(), 6u);
    EXPECT_EQ(ctx.ColorTable[0].R, 1);
    EXPECT_EQ(ctx.ColorTable[0].G, 2);
    EXPECT_EQ(ctx.ColorTable[0].B, 3);
    EXPECT_EQ(ctx.ColorTable[1].R, 255);
    EXPECT_EQ(ctx.ColorTable[2].G, 2);  // ties go to the even neighbour
    EXPECT_EQ(ctx.ColorTable[3].R, 7);  // only 3R given: green and blue 0
    EXPECT_EQ(ctx.ColorTable[3].G, 0);
    EXPECT_EQ(ctx.ColorTable[4].B, 9);
    EXPECT_EQ(ctx.ColorTable[5].R + ctx.ColorTable[5].G + ctx.ColorTable[5].B, 0);
}

TEST_F(SettingsFile, MissingFileReportsBothErrors) {
    EXPECT_FALSE(loadSettings());
    ASSERT_EQ(last.problems.size(), 2u);
    EXPECT_EQ(last.problems[0], "DAT-Dateien nicht vorhanden! \"" + path("settings.dat") + "\": nicht gefunden");
    EXPECT_EQ(last.problems[1], "Fehler beim Lesen der INI-Dateien: settings.dat, [Colors] Counter fehlt");
    expectSafeBlackTable();
}

TEST_F(SettingsFile, RefusesUnusableValues) {
    const struct {
        const char* content;
        const char* message;
    } cases[] = {
        {"[Colors]\n", "Fehler beim Lesen der INI-Dateien: settings.dat, [Colors] Counter fehlt"},
        {"[Colors]\nCounter=\n", "Fehler beim Lesen der INI-Dateien: settings.dat, [Colors] Counter fehlt"},
        {"[Colors]\nCounter=0\n", "Fehler beim Lesen der INI-Dateien: settings.dat, [Colors] Counter = \"0\": keine Farben"},
        {"[Colors]\nCounter=0.4\n", "Fehler beim Lesen der INI-Dateien: settings.dat, [Colors] Counter = \"0.4\": keine Farben"},
        {"[Colors]\nCounter=abc\n", "settings.dat, [Colors] Counter = \"abc\": keine ganze Zahl"},
        {"[Colors]\nCounter=40000\n", "settings.dat, [Colors] Counter = \"40000\": au\xDF" "erhalb von -32768 bis 32767"},
        {"[Colors]\nCounter=-1\n", "settings.dat, [Colors] Counter = \"-1\": darf nicht negativ sein"},
        {"[Colors]\nCounter=3\n", "settings.dat, [Colors] Counter = \"3\": die Farben 0 bis 4 werden gebraucht"},
        {"[Colors]\nCounter=5\n1B=-1\n4R=x\n", "settings.dat, [Colors] 4R = \"x\": keine ganze Zahl"},
        {"[Colors]\nCounter=5\n0R=red\n", "settings.dat, [Colors] 0R = \"red\": keine ganze Zahl"},
    };
    for (const auto& c : cases) {
        write("settings.dat", c.content);
        EXPECT_FALSE(loadSettings()) << c.content;
        EXPECT_EQ(onlyMessage(), c.message);
        expectSafeBlackTable();
    }
}

TEST_F(SettingsFile, ColourPartsBeyondTheRangeAreTakenAtItsEnds) {
    write("settings.dat", "[Colors]\nCounter=5\n2G=256\n1B=-1\n4R=1e9\n0R=255.4\n");
    ASSERT_TRUE(loadSettings());
    EXPECT_EQ(ctx.ColorTable[2].G, 255);
    EXPECT_EQ(ctx.ColorTable[1].B, 0);
    EXPECT_EQ(ctx.ColorTable[4].R, 255);
    EXPECT_EQ(ctx.ColorTable[0].R, 255);
}

// Data files that are no data files. Each is refused, quickly and without
// eating memory, with a message that names the path and what is wrong; the
// game start's loaders and the title's reader (IniFile::load) agree.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>

#include "data/ini_file.h"
#include "data_fixture.h"

namespace {

const std::string kReadError = "Fehler beim Lesen der INI-Dateien: \"";

}  // namespace

class HostileFiles : public DataFixture {
protected:
    // Both loaders refuse what stands at worlds.dat and settings.dat with one
    // message each, leave a model the game can draw, and the title's reader
    // sees no file.
    void expectRefusedBoth(const std::string& reason) {
        for (const char* name : {"worlds.dat", "settings.dat"}) {
            EXPECT_FALSE(sd::IniFile::load(path(name)).exists()) << name;
        }
        EXPECT_FALSE(loadWorld(0));
        EXPECT_EQ(onlyMessage(), kReadError + path("worlds.dat") + "\": " + reason);
        EXPECT_EQ(ctx.World.Things.size(), 1u);
        EXPECT_TRUE(ctx.World.CellMap.contains(0, 0));

        EXPECT_FALSE(loadSettings());
        EXPECT_EQ(onlyMessage(), kReadError + path("settings.dat") + "\": " + reason);
        EXPECT_GE(ctx.ColorTable.size(), 6u);
    }
};

TEST_F(HostileFiles, LinkToDevZeroIsRefusedWithoutReading) {
    ASSERT_EQ(symlink("/dev/zero", path("worlds.dat").c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", path("settings.dat").c_str()), 0);
    expectRefusedBoth("ist eine Ger\xE4tedatei, keine gew\xF6hnliche Datei");
}

TEST_F(HostileFiles, FifoDoesNotBlockTheStart) {
    ASSERT_EQ(mkfifo(path("worlds.dat").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(path("settings.dat").c_str(), 0600), 0);
    auto refused = std::async(std::launch::async, [this] { expectRefusedBoth("ist eine Pipe, keine gew\xF6hnliche Datei"); });
    if (refused.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "reading a FIFO blocks";
        // Give the blocked reader a writer, so that the test can end.
        for (const char* name : {"worlds.dat", "settings.dat"}) close(open(path(name).c_str(), O_WRONLY | O_NONBLOCK));
    }
    refused.get();
}

TEST_F(HostileFiles, DirectoryIsRefused) {
    std::filesystem::create_directory(path("worlds.dat"));
    std::filesystem::create_directory(path("settings.dat"));
    expectRefusedBoth("ist ein Verzeichnis, keine Datei");
}

TEST_F(HostileFiles, UnreadableFileIsNotReportedAsMissing) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads files without permission";
    write("worlds.dat", "[Global]\n");
    write("settings.dat", "[Colors]\n");
    std::filesystem::permissions(path("worlds.dat"), std::filesystem::perms::none);
    std::filesystem::permissions(path("settings.dat"), std::filesystem::perms::none);
    expectRefusedBoth("Zugriff verweigert");
}

TEST_F(HostileFiles, FilesBeyondFourMegabytesAreRefusedAndFourAreRead) {
    const std::string tooLarge(5u << 20, ';');
    write("worlds.dat", tooLarge);
    write("settings.dat", tooLarge);
    expectRefusedBoth("ist mit 5242880 Bytes zu gro\xDF (erlaubt sind h\xF6" "chstens 4194304 Bytes)");

    // Exactly at the limit: a real file padded with a comment still loads.
    std::string settings = "[Colors]\nCounter=5\n0R=9\n;";
    settings.resize(sd::kDataFileMaxBytes, 'x');
    write("settings.dat", settings);
    EXPECT_TRUE(loadSettings()) << onlyMessage();
    EXPECT_EQ(ctx.ColorTable[0].R, 9);
}

TEST_F(HostileFiles, MissingFilesAndDanglingLinksNameThePath) {
    ASSERT_EQ(symlink(path("nowhere").c_str(), path("worlds.dat").c_str()), 0);
    EXPECT_FALSE(loadWorld(0));
    EXPECT_EQ(onlyMessage(), "DAT-Dateien nicht vorhanden! \"" + path("worlds.dat") + "\": nicht gefunden");

    // A missing settings.dat also has no colour count: two messages.
    EXPECT_FALSE(loadSettings());
    ASSERT_EQ(last.problems.size(), 2u);
    EXPECT_EQ(last.problems[0], "DAT-Dateien nicht vorhanden! \"" + path("settings.dat") + "\": nicht gefunden");
    EXPECT_EQ(last.problems[1], "Fehler beim Lesen der INI-Dateien: settings.dat, [Colors] Counter fehlt");

    // A link to a real file is a real file.
    write("real.dat", "[Global]\nRaster_width=60\nRaster_height=60\nRaster_max_x=12\nRaster_max_y=7\n");
    std::filesystem::remove(path("worlds.dat"));
    ASSERT_EQ(symlink(path("real.dat").c_str(), path("worlds.dat").c_str()), 0);
    EXPECT_TRUE(loadWorld(0)) << onlyMessage();
}

TEST_F(HostileFiles, LinkLoopsAreNamedAsSuch) {
    ASSERT_EQ(symlink("worlds.dat", path("worlds.dat").c_str()), 0);
    EXPECT_FALSE(loadWorld(0));
    EXPECT_EQ(onlyMessage(), kReadError + path("worlds.dat") + "\": zu viele symbolische Verkn\xFCpfungen hintereinander");
}

TEST_F(HostileFiles, UmlautsInThePathShowAsUmlauts) {
    // The file system gives UTF-8; messages are Windows-1252 like all game text.
    const std::string folder = path("Spiele \xC3\xA4");
    std::filesystem::create_directory(folder);
    ctx.programDir = folder;
    EXPECT_FALSE(loadWorld(0));
    EXPECT_EQ(onlyMessage(), "DAT-Dateien nicht vorhanden! \"" + dir() + "/Spiele \xE4/worlds.dat\": nicht gefunden");
}

TEST_F(HostileFiles, ControlBytesInValuesNeitherCutNorBreakTheMessage) {
    using namespace std::string_literals;
    write("worlds.dat", "[Global]\nRaster_width=6\0" "0\x01\r7\n"s);
    EXPECT_FALSE(loadWorld(0));
    const std::string m = onlyMessage();
    EXPECT_EQ(m, "worlds.dat, [Global] Raster_width = \"6\\x000\\x01\\x0D7\": keine ganze Zahl");
    EXPECT_EQ(std::strlen(m.c_str()), m.size());

    write("settings.dat", "[Colors]\nCounter=\0\n"s);
    EXPECT_FALSE(loadSettings());
    EXPECT_EQ(onlyMessage(), "settings.dat, [Colors] Counter = \"\\x00\": keine ganze Zahl");
}

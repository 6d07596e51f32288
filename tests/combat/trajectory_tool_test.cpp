// The world authors' trajectory tool, run in-process on worlds written here.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

// The tool is a program, not a library: its logic is compiled into this test.
#include "../../tools/trajectory/tournament.cpp"
#include "../../tools/trajectory/trajectory_tool.cpp"
#include "../../tools/trajectory/record_commands.cpp"

namespace {

// Row 4 of World0: blue unit 1 at column 1, an obstacle (2) at column 4, red
// unit 3 at column 7; World1 puts a thing beyond the cell map; World9 is empty.
const char* const kWorlds =
    "[Global]\nRaster_x=0\nRaster_y=0\nRaster_width=60\nRaster_height=60\nRaster_max_x=12\nRaster_max_y=7\n"
    "[Thing_Type]\nThing_counter=3\n"
    "1_Text=Blau\n1_Grav=-1\n1_Besitzer=1\n"
    "2_Text=Fels\n2_Grav=-1\n2_Besitzer=-1\n"
    "3_Text=Rot\n3_Grav=-1\n3_Besitzer=2\n"
    "[World0]\nName=Test\n4=0 1 0 0 2 0 0 3 0 0 0 0\n"
    "[World1]\nName=Kaputt\n4=0 0 0 0 0 0 0 0 0 0 0 0 0 1\n"
    "[World9]\nName=Leer\n";

class TrajectoryTool : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/sd_trajectory_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        std::ofstream(dir + "/worlds.dat", std::ios::binary) << kWorlds;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    int run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return sd::trajectory::RunTool(args, dir, out, err);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) all.push_back(line);
        return all;
    }

    std::string dir;
    std::ostringstream out, err;
};

TEST_F(TrajectoryTool, BadArgumentsGiveTheUsageAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--world", "0", "--from", "1", "3", "--angle", "0"},                       // no player
        {"--world", "0", "--from", "1", "--angle", "0", "--player", "1"},           // half a cell
        {"--world", "x", "--scan", "--player", "1"},                                // not a number
        {"--world", "0", "--scan", "--angle", "5", "--player", "1"},                // scan takes no angle
        {"--world", "0", "--scan", "--player", "1", "--loud"},                      // unknown
        {"--world", "0", "--world", "1", "--scan", "--player", "1"},                // twice
        {"--world", "0", "--from", "12", "3", "--angle", "0", "--player", "1"},     // off the board
    };
    for (const auto& args : bad) {
        EXPECT_EQ(run(args), 2) << args.size();
        EXPECT_NE(err.str().find("usage: sternenduell-trajectory"), std::string::npos) << args.size();
        EXPECT_EQ(out.str(), "") << args.size();
    }
}

TEST_F(TrajectoryTool, PrintsEveryPositionAndHowTheShotEnded) {
    ASSERT_EQ(run({"--world", "0", "--from", "1", "3", "--angle", "0", "--player", "2"}), 0) << err.str();
    std::vector<std::string> l = lines();
    // From (90, 210) 2 px a step; the cell of red player 2's own launch is
    // blue's, so player 2 strikes it at once.
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], "92 210");
    EXPECT_EQ(l[1], "hit 1 3");

    ASSERT_EQ(run({"--world", "0", "--from", "1", "3", "--angle", "0", "--player", "1"}), 0);
    l = lines();
    EXPECT_EQ(l.back(), "obstacle 4 3");
    EXPECT_EQ(l[l.size() - 2], "240 210");  // the first position in column 4
    EXPECT_EQ(l.size(), 75u + 1u);

    ASSERT_EQ(run({"--world", "0", "--from", "5", "3", "--angle", "0", "--player", "1"}), 0);
    EXPECT_EQ(lines().back(), "hit 7 3");
    ASSERT_EQ(run({"--world", "0", "--from", "5", "3", "--angle", "90", "--player", "1"}), 0);
    EXPECT_EQ(lines().back(), "off-board");
}

TEST_F(TrajectoryTool, ScanCoversEveryUnitAndAngle) {
    ASSERT_EQ(run({"--scan", "--world", "0", "--player", "1"}), 0) << err.str();
    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 360u);
    EXPECT_EQ(l[0], "1 3 0 obstacle 4 3");
    EXPECT_EQ(l[90], "1 3 90 off-board");
    ASSERT_EQ(run({"--scan", "--world", "0", "--player", "2"}), 0);
    EXPECT_EQ(lines().front().rfind("7 3 0 ", 0), 0u);
}

TEST_F(TrajectoryTool, OtherWorldFilesAndTheGamesOwnRefusal) {
    std::filesystem::rename(dir + "/worlds.dat", dir + "/andere.dat");
    EXPECT_EQ(run({"--world", "0", "--scan", "--player", "1"}), 2);
    EXPECT_EQ(err.str(), "DAT-Dateien nicht vorhanden! \"" + dir + "/worlds.dat\": nicht gefunden\n");

    EXPECT_EQ(run({"--worlds", dir + "/andere.dat", "--world", "0", "--scan", "--player", "1"}), 0) << err.str();
    EXPECT_EQ(lines().size(), 360u);

    EXPECT_EQ(run({"--worlds", dir + "/andere.dat", "--world", "1", "--scan", "--player", "1"}), 2);
    // The loader's words about the file given, its sharp s as UTF-8 for the terminal.
    EXPECT_EQ(err.str(), dir + "/andere.dat, [World1] 4 = \"1\": in Spalte 13: au\xC3\x9F" "erhalb des Spielfelds (Spalten 0 bis 11)\n");

    // A file that cannot be read is named as given, not as the tool reached it.
    for (const std::string& given : {std::string("/dev/zero"), dir + "/fehlt.dat"}) {
        EXPECT_EQ(run({"--worlds", given, "--duel", "0"}), 2);
        EXPECT_NE(err.str().find("\"" + given + "\": "), std::string::npos) << err.str();
    }
}

TEST_F(TrajectoryTool, RefusesWorldsThatAreNotInTheFileAndPlayersThatDoNotExist) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--world", "2", "--scan", "--player", "1"},
                                                                  {"--duel", "32767"},
                                                                  {"--duel", "-1"}}) {
        EXPECT_EQ(run(args), 2) << args[1];
        EXPECT_NE(err.str().find("/worlds.dat: no [World" + args[1] + "] in it (its worlds: 0, 1, 9)"),
                  std::string::npos)
            << err.str();
        EXPECT_EQ(out.str(), "");
    }
    for (const std::string player : {"0", "3", "9", "-1"}) {
        EXPECT_EQ(run({"--world", "0", "--scan", "--player", player}), 2) << player;
        EXPECT_EQ(err.str().rfind("--player " + player + ": the players are 1 (blue) and 2 (red)\n", 0), 0u)
            << err.str();
        EXPECT_EQ(out.str(), "");
    }
}

TEST_F(TrajectoryTool, RefusesMalformedSectionHeadersTheGameWouldReadOtherwise) {
    const std::string file = dir + "/worlds.dat";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[World3]junk", "text after the closing ']'"},
        {"[World3", "no closing ']'"},
        {"[World03]", "a world's section is World and a number from 0 to 32767"},
        {"[World40000]", "a world's section is World and a number from 0 to 32767"},
    };
    for (const auto& [header, why] : cases) {
        std::ofstream(file, std::ios::binary) << kWorlds << "; a world more\r\n  " << header << " \r\n1=0 1\r\n";
        EXPECT_EQ(run({"--world", "0", "--scan", "--player", "1"}), 2) << header;
        EXPECT_EQ(err.str(), file + ", line 28: \"" + header + "\": " + why + "\n");
    }
}

TEST_F(TrajectoryTool, DuelPlaysTheStrongComputerOnBothSides) {
    const std::vector<std::vector<std::string>> bad = {
        {"--duel"},
        {"--duel", "x"},
        {"--duel", "0", "--player", "1"},
        {"--duel", "all", "--world", "0"},
        {"--duel", "0", "--scan"},
        {"--duel", "0", "--duel", "all"},
        {"--duel", "0", "--blue", "clever"},
        {"--duel", "0", "--games", "0"},
        {"--duel", "0", "--games", "2", "--games", "2"},
        {"--world", "0", "--scan", "--player", "1", "--red", "light"},
        {"--bound", "0", "--games", "2"},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(run(args), 2) << args.size() << " " << args.back();
        EXPECT_NE(err.str().find("usage: sternenduell-trajectory"), std::string::npos) << args.back();
    }

    // World0: one unit a side, an obstacle between them.
    ASSERT_EQ(run({"--duel", "0"}), 0) << err.str();
    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].rfind("world 0: ", 0), 0u) << l[0];
    EXPECT_NE(l[0].find(" wins in turn "), std::string::npos) << l[0];
    EXPECT_NE(l[0].find("; left: blue "), std::string::npos) << l[0];
    EXPECT_NE(l[0].find(", red "), std::string::npos) << l[0];
    // Then the tournament's row of that one game, and the sum of all worlds.
    const std::string turn = l[0].substr(l[0].find(" wins in turn ") + 14, l[0].find(';') - l[0].find(" wins in turn ") - 14);
    const bool blueWon = l[0].find("blue wins") != std::string::npos;
    EXPECT_EQ(l[1], std::string("world 0: blue ") + (blueWon ? "1" : "0") + ", red " + (blueWon ? "0" : "1") +
                        ", undecided 0; turns min " + turn + ", median " + turn + ", max " + turn);
    EXPECT_EQ(l[2], "all worlds" + l[1].substr(7));

    // A tournament: the row counts every game; an idle side loses them all.
    ASSERT_EQ(run({"--duel", "0", "--blue", "idle", "--red", "light", "--games", "3", "--seed", "7"}), 0) << err.str();
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_EQ(lines()[0].rfind("world 0: blue 0, red 3, undecided 0; turns min ", 0), 0u) << lines()[0];

    // The bound of the first turns.
    ASSERT_EQ(run({"--bound", "0"}), 0) << err.str();
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_EQ(lines()[0].rfind("world 0: first turn at most blue ", 0), 0u) << lines()[0];

    // All worlds: a line for each one that loads, the loader's words for each
    // one that does not, and status 2 because some did not.
    EXPECT_EQ(run({"--duel", "all"}), 2);
    EXPECT_EQ(lines().size(), 3u);
    EXPECT_NE(err.str().find("world 1: "), std::string::npos);
    EXPECT_NE(err.str().find("world 9: no duel, blue has no unit"), std::string::npos);
}

}  // namespace

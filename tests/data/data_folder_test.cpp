#include "data/data_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

// An installed game: the program in <prefix>/games, its data in
// <prefix>/share/games/sternenduell; the build keeps both in one folder.
TEST(DataFolder, BesideTheProgramElseTheInstalledShareFolder) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/sd_data_folder_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path prefix = pattern;
    fs::create_directories(prefix / "games");
    fs::create_directories(prefix / "share/games/sternenduell");
    std::ofstream(prefix / "share/games/sternenduell/worlds.dat") << "[Global]\n";

    EXPECT_EQ(sd::DataFolder((prefix / "games").string()), (prefix / "share/games/sternenduell").string());

    std::ofstream(prefix / "games/worlds.dat") << "[Global]\n";
    EXPECT_EQ(sd::DataFolder((prefix / "games").string()), (prefix / "games").string());
    fs::remove_all(prefix);
}

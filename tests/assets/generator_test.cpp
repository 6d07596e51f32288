// The generator writes the same bytes on every run, and what it writes is
// read back by SDL's own loaders (its contact sheet loads every bitmap with
// SDL_LoadBMP and every icon with SDL2_image).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "asset_readers.h"

#ifndef SD_ASSETGEN
#define SD_ASSETGEN SD_OUT_DIR "/../tools/sd_assetgen"
#endif

using namespace asset_test;
namespace fs = std::filesystem;

namespace {

int run(const std::string& args) {
    const std::string cmd = "SDL_VIDEODRIVER=dummy \"" + std::string(SD_ASSETGEN) + "\" " + args + " >/dev/null 2>&1";
    return std::system(cmd.c_str());
}

fs::path freshDir(const std::string& name) {
    fs::path p = fs::temp_directory_path() / ("sd_assetgen_test_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(p);
    return p;
}

}  // namespace

TEST(Generator, TwoRunsWriteIdenticalFilesAndMatchTheBuild) {
    const fs::path a = freshDir("a"), b = freshDir("b");
    ASSERT_EQ(run(a.string()), 0);
    ASSERT_EQ(run(b.string()), 0);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(a)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        const auto bytes = readFile(entry.path().string());
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, readFile((b / name).string())) << "second run differs";
        EXPECT_EQ(bytes, readFile(fxPath(name))) << "build's fx/ differs from a fresh run";
    }
    EXPECT_EQ(files, 48);  // 30 bitmaps, 2 icons, 16 sounds
    fs::remove_all(a);
    fs::remove_all(b);
}

TEST(Generator, SdlLoadsEveryPictureForTheContactSheet) {
    const fs::path dir = freshDir("sheet");
    fs::create_directories(dir);
    const fs::path sheet = dir / "sheet.png";
    ASSERT_EQ(run("--contact-sheet \"" + std::string(SD_OUT_DIR) + "/fx\" \"" + sheet.string() + "\""), 0);
    EXPECT_GT(fs::file_size(sheet), 10000u);
    fs::remove_all(dir);
}

TEST(Generator, RefusesBadArgumentsAndUnwritableFolders) {
    EXPECT_NE(run(""), 0);
    EXPECT_NE(run("--view"), 0);
    EXPECT_NE(run("/proc/no_such_dir/fx"), 0);
    EXPECT_NE(run("--contact-sheet /nonexistent/fx /tmp/x.png"), 0);
}

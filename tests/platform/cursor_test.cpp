// The program-wide pointer from .ico files, and the message box fallback.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform_fixture.h"

using namespace sd::platform;
using sd::platform::testing::HeadlessPlatform;

using Cursor = HeadlessPlatform;

TEST_F(Cursor, BadFilesKeepThePointerAndNameTheFile) {
    std::string error;
    EXPECT_FALSE(platform.pointer().setFromIco("/nonexistent/fx/c1.ico", &error));
    EXPECT_NE(error.find("c1.ico"), std::string::npos) << error;

    const std::string junk = ::testing::TempDir() + "sd_cursor_junk.ico";
    std::ofstream(junk) << "not an icon at all";
    error.clear();
    EXPECT_FALSE(platform.pointer().setFromIco(junk, &error));
    EXPECT_NE(error.find("sd_cursor_junk.ico"), std::string::npos) << error;
    platform.pointer().setSystem();
}

TEST_F(Cursor, TheGamesOwnIconsLoad) {
    for (const char* name : {"c1.ico", "c2.ico"}) {
        const std::string path = std::string(SD_OUT_DIR) + "/fx/" + name;
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "assets not generated: " << path;
        std::string error;
        EXPECT_TRUE(platform.pointer().setFromIco(path, &error)) << error;
    }
}

TEST(SdlMessageBoxHeadless, WritesToStandardErrorInsteadOfBlocking) {
    SdlMessageBox box(true);
    ::testing::internal::CaptureStderr();
    box.showError("Error", "Datei fehlt: gr\xFC" "n.bmp");
    const std::string out = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(out.find("sternenduell: Datei fehlt: gr\xC3\xBC" "n.bmp"), std::string::npos) << out;
}

#pragma once
// A fresh context over a temporary program directory; the loaders' problems
// of the last load are kept for the test to read.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/context.h"
#include "data/settings_file.h"
#include "data/world_file.h"

class DataFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/sd_data_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ctx.programDir = dir_;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ + "/" + name, std::ios::binary) << content;
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    const std::string& dir() const { return dir_; }
    std::string onlyMessage() const {
        EXPECT_EQ(last.problems.size(), 1u);
        return last.problems.empty() ? std::string() : last.problems.front();
    }
    bool loadWorld(int16_t n) {
        last = sd::LoadWorld(ctx, n);
        return last.ok();
    }
    bool loadSettings() {
        last = sd::LoadSettings(ctx);
        return last.ok();
    }

    sd::Context ctx;
    sd::LoadResult last;

private:
    std::string dir_;
};
